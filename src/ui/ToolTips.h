#pragma once
// A tooltip control that shows a text while the pointer rests on a control.
#include <windows.h>

#include <string>

#include "platform/Dpi.h"
#include "platform/Handles.h"

namespace tv {

class ToolTips {
public:
    void Create(HWND owner);
    // The control must receive mouse messages (a STATIC needs SS_NOTIFY).
    void Add(HWND control, const std::string& text);
    // The tips in the system's tooltip font at the owner's DPI.
    void FollowDpi(Dpi dpi);
    void Destroy() {
        wnd_.reset();
        font_.reset();
    }
    HWND Handle() const { return wnd_.get(); }

private:
    HWND owner_ = nullptr;
    UniqueFont font_;  // outlives the window that uses it
    UniqueWindow wnd_;
};

}  // namespace tv
