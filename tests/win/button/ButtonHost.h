#pragma once
// A plain top-level window holding popup buttons, and a capture of a button's painting.
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "widgets/button/VtPopBtn.h"

namespace tv::testing_button {

inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Puts the pointer over a point of a window and waits until the system reports it there and it
// stays there: the display server takes each move in its own time, and the motion of an earlier
// move may arrive after a later one and put the pointer back. False when it never settles.
inline bool PointerAt(HWND wnd, int x, int y) {
    POINT want{x, y};
    ClientToScreen(wnd, &want);
    SetCursorPos(want.x, want.y);
    int settled = 0;
    for (int i = 0; i < 300 && settled < 5; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
        POINT now{};
        GetCursorPos(&now);
        if (now.x == want.x && now.y == want.y) {
            ++settled;
        } else {
            settled = 0;
            SetCursorPos(want.x, want.y);
        }
    }
    return settled >= 5;
}

struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Capture& o) const { return width == o.width && pixels == o.pixels; }
};

// What the button paints, taken through WM_PRINTCLIENT into a memory bitmap.
inline Capture CaptureButton(HWND button) {
    RECT r{};
    GetClientRect(button, &r);
    Capture c;
    c.width = r.right;
    c.height = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, c.width, c.height);
    HGDIOBJ old = SelectObject(mem, bitmap);
    SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
    c.pixels.resize(static_cast<std::size_t>(c.width * c.height));
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) c.pixels[static_cast<std::size_t>(y * c.width + x)] = GetPixel(mem, x, y);
    }
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return c;
}

// COM for the test's thread, for as long as the guard lives.
class ComApartment {
public:
    ComApartment() { CoInitialize(nullptr); }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

class ButtonHost {
public:
    ButtonHost() {
        RegisterVtPopupButtonClass();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "ButtonTestHost";
        RegisterClassExA(&wc);
        wnd_ = CreateWindowExA(0, "ButtonTestHost", "Buttons", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 420, 240,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        SetForegroundWindow(wnd_);
        PumpMessages();
    }
    ~ButtonHost() {
        DestroyWindow(wnd_);
        DeleteObject(font_);
        PumpMessages();
    }
    ButtonHost(const ButtonHost&) = delete;
    ButtonHost& operator=(const ButtonHost&) = delete;

    HWND Add(const std::string& caption, int x, int y, int width = 97, int height = 25, int id = 100) {
        HWND b = CreateWindowExA(0, kVtPopupButtonClass, caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y,
                                 width, height, wnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        TCustomVtPopupButton::FromHandle(b)->SetSpacing(3);
        PumpMessages();
        return b;
    }
    HWND Handle() const { return wnd_; }

private:
    HWND wnd_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace tv::testing_button
