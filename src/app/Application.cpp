#include "app/Application.h"

#include "platform/WindowProcedure.h"

namespace tv {

TApplication::TApplication(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure<TApplication>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.lpszClassName = kApplicationWindowClass;
    RegisterClassExA(&wc);
    // Hidden and unowned: broadcast messages reach it, the user never sees it.
    wnd_.reset(CreateWindowExA(0, kApplicationWindowClass, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                               0, 0, 0, nullptr, nullptr, instance, this));
}

void TApplication::SetTitle(const std::string& title) { SetWindowTextA(wnd_.get(), title.c_str()); }

LRESULT TApplication::HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(wnd, msg, wp, lp);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

HWND ApplicationWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM lp) -> BOOL {
            char name[64] = {};
            GetClassNameA(wnd, name, sizeof(name));
            if (lstrcmpA(name, kApplicationWindowClass) != 0) return TRUE;
            *reinterpret_cast<HWND*>(lp) = wnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace tv
