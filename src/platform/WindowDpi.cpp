#include "platform/WindowDpi.h"

#include <cstddef>

#include "platform/Handles.h"
#include "platform/RuntimeLibrary.h"

namespace tv {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);
using SetDialogControlDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);

// The dialog manager's switches (Windows 10 version 1703 and later).
constexpr int kDialogDisableAll = 0x0001;                      // DDC_DISABLE_ALL
constexpr int kControlDisableFontAndLayout = 0x0001 | 0x0002;  // DCDC_DISABLE_FONT_UPDATE | _RELAYOUT

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

Dpi DpiFromMessage(WPARAM wp) { return Dpi(static_cast<int>(HIWORD(wp))); }

void TakeSuggestedRect(HWND wnd, LPARAM lp) {
    const RECT* r = reinterpret_cast<const RECT*>(lp);
    if (!r) return;
    SetWindowPos(wnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSizeForClient(int client_width, int client_height, DWORD style, DWORD ex_style, Dpi dpi) {
    static const auto adjust_for_dpi = User32Proc<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client_width, client_height};
    if (!adjust_for_dpi || !adjust_for_dpi(&r, style, FALSE, ex_style, static_cast<UINT>(dpi.Value()))) {
        AdjustWindowRectEx(&r, style, FALSE, ex_style);
    }
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool AnswerDpiScaledSize(HWND wnd, LPARAM lp, SIZE client, Dpi dpi) {
    auto* size = reinterpret_cast<SIZE*>(lp);
    if (!size) return false;
    *size = WindowSizeForClient(client.cx, client.cy, static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_STYLE)),
                                static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_EXSTYLE)), dpi);
    return true;
}

void FitClientArea(HWND wnd, int width, int height) {
    // A window smaller than its own frame (a dialog from an empty template) shows no frame to
    // measure: the second pass measures the frame the first one made room for.
    for (int pass = 0; pass < 2; ++pass) {
        RECT window{};
        RECT client{};
        if (!GetWindowRect(wnd, &window) || !GetClientRect(wnd, &client)) return;
        if (client.right == width && client.bottom == height) return;
        const int frame_width = (window.right - window.left) - client.right;
        const int frame_height = (window.bottom - window.top) - client.bottom;
        SetWindowPos(wnd, nullptr, 0, 0, width + frame_width, height + frame_height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void NotifyChildrenOfDpiChange(HWND parent) {
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM) -> BOOL {
            SendMessageW(child, WM_DPICHANGED_AFTERPARENT, 0, 0);
            return TRUE;
        },
        0);
}

void FinishDpiChange(HWND wnd, LPARAM suggested, int client_width, int client_height) {
    TakeSuggestedRect(wnd, suggested);
    FitClientArea(wnd, client_width, client_height);
    NotifyChildrenOfDpiChange(wnd);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void KeepDialogScalingToItself(HWND dialog) {
    static const auto set_dialog = User32Proc<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
    static const auto set_control =
        User32Proc<SetDialogControlDpiChangeBehaviorFn>("SetDialogControlDpiChangeBehavior");
    if (set_dialog) set_dialog(dialog, kDialogDisableAll, kDialogDisableAll);
    if (!set_control) return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        set_control(child, kControlDisableFontAndLayout, kControlDisableFontAndLayout);
}

NONCLIENTMETRICSW NonClientMetricsFor(Dpi dpi) {
    static const auto for_dpi = User32Proc<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (for_dpi && for_dpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi.Value())))
        return metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return metrics;
    // Older systems know the structure without its last field.
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return metrics;
    return NONCLIENTMETRICSW{};  // no height and no face: CreateFontIndirect gives the default font
}

}  // namespace tv
