#pragma once
// The application object: a hidden top-level window that exists before any form, carries the
// application title and receives messages meant for the program as a whole (the activation
// request of a second copy).
#include <windows.h>

#include <string>

#include "platform/Handles.h"

namespace tv {

inline constexpr const char* kApplicationWindowClass = "TApplication";

class TApplication {
public:
    explicit TApplication(HINSTANCE instance);
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    HWND Handle() const { return wnd_.get(); }
    void SetTitle(const std::string& title);

    // The main window, once it exists; the activation request brings it to the front.
    void SetMainWindow(HWND main_window) { main_window_ = main_window; }
    HWND MainWindow() const { return main_window_ && IsWindow(main_window_) ? main_window_ : nullptr; }

    // A second copy tells the application to end without showing a window.
    void SetShowMainForm(bool show) { show_main_form_ = show; }
    bool ShowMainForm() const { return show_main_form_; }
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // Dispatches the messages already queued for this thread, once.
    void ProcessMessages();

    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    HWND main_window_ = nullptr;
    UniqueWindow wnd_;
    bool show_main_form_ = true;
    bool terminated_ = false;
};

// This thread's application window, or nullptr.
HWND ApplicationWindow();

}  // namespace tv
