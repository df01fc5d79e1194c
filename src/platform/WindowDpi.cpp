#include "platform/WindowDpi.h"

#include "platform/Handles.h"
#include "platform/RuntimeLibrary.h"

namespace tv {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Bound by name: the entry points are missing before Windows 10 version 1607.
template <typename Fn>
Fn User32Proc(const char* name) {
    return ProcAddress<Fn>(GetModuleHandleA("user32.dll"), name);
}

Dpi ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return Dpi(value);
}

}  // namespace

Dpi DpiOfWindow(HWND wnd) {
    static const auto get_dpi_for_window = User32Proc<GetDpiForWindowFn>("GetDpiForWindow");
    if (wnd && get_dpi_for_window) {
        if (const UINT value = get_dpi_for_window(wnd)) return Dpi(static_cast<int>(value));
    }
    return SystemDpi();
}

Dpi SystemDpi() {
    static const auto get_dpi_for_system = User32Proc<GetDpiForSystemFn>("GetDpiForSystem");
    if (get_dpi_for_system) return Dpi(static_cast<int>(get_dpi_for_system()));
    return ScreenDpi();
}

Dpi DpiNear(HWND reference) {
    if (!reference) return SystemDpi();
    HWND root = GetAncestor(reference, GA_ROOT);
    return DpiOfWindow(root ? root : reference);
}

Dpi DpiFromMessage(WPARAM wp) { return Dpi(static_cast<int>(HIWORD(wp))); }

void TakeSuggestedRect(HWND wnd, LPARAM lp) {
    const RECT* r = reinterpret_cast<const RECT*>(lp);
    if (!r) return;
    SetWindowPos(wnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSizeForClient(int client_width, int client_height, DWORD style, DWORD ex_style, Dpi dpi) {
    static const auto adjust_for_dpi = User32Proc<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client_width, client_height};
    if (!adjust_for_dpi || !adjust_for_dpi(&r, style, FALSE, ex_style, static_cast<UINT>(dpi.Value()))) {
        AdjustWindowRectEx(&r, style, FALSE, ex_style);
    }
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace tv
