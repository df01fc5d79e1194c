#pragma once
// The single-instance guard: one copy per executable file name in a logon session. A second copy
// asks the first to come to the front and ends without a window.
#include <windows.h>

#include <optional>
#include <string>

#include "app/Application.h"
#include "platform/Handles.h"
#include "platform/Subclass.h"

namespace tv {

class TInstanceGuard {
public:
    // Start-up: decides whether this is the only copy; a second copy asks the first to come to the
    // front and tells the application to terminate.
    explicit TInstanceGuard(TApplication& application);
    // Shut-down: gives the application window its own procedure back.
    ~TInstanceGuard() = default;
    TInstanceGuard(const TInstanceGuard&) = delete;
    TInstanceGuard& operator=(const TInstanceGuard&) = delete;

    const std::string& Name() const { return InstanceName; }
    UINT Message() const { return ActivateMessage; }

    // The application window's messages, before its own procedure (PreviousWndProc) gets them.
    LRESULT HandleSubclassMessage(const Subclass<TInstanceGuard>& previous, HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void ActivateApplication();

    TApplication& application_;
    std::string InstanceName;
    UINT ActivateMessage = 0;
    UniqueHandle InstanceMutex;                                 // held for the life of the process
    std::optional<Subclass<TInstanceGuard>> ActivationWndProc;  // the replacement, while installed
};

}  // namespace tv
