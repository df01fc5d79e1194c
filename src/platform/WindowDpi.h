#pragma once
// Where a window's DPI comes from: the window's monitor where the system can say (Windows 10
// version 1607 and later, and Wine), the screen's vertical pixels per inch otherwise.
#include <windows.h>

#include "platform/Dpi.h"

// Sent to every child of a per-monitor aware window once the window has handled WM_DPICHANGED.
// Not every system sends it (Wine does not): a window sends it itself after its re-layout, which
// is harmless where the system sends it too.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// Sent to a per-monitor (version 2) window before WM_DPICHANGED: wParam the new DPI, lParam the
// SIZE to fill with the window's outer size at that DPI; TRUE when filled.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace tv {

// The DPI of the monitor a window is on.
Dpi DpiOfWindow(HWND wnd);
// The DPI a window gets before it exists: that of the system (the primary monitor at log-on).
Dpi SystemDpi();

// WM_DPICHANGED: the new DPI from wParam, and the window moved and sized to the suggested
// rectangle in lParam.
Dpi DpiFromMessage(WPARAM wp);
void TakeSuggestedRect(HWND wnd, LPARAM lp);

// The outer size of a window whose client area is client_width x client_height, at its DPI
// (the frame and caption of a per-monitor aware window scale with the monitor's DPI).
SIZE WindowSizeForClient(int client_width, int client_height, DWORD style, DWORD ex_style, Dpi dpi);

// The answer to WM_GETDPISCALEDSIZE: the window's outer size, by its own styles, around a client
// area of client at dpi, written to the SIZE in lParam; false when there is none to write to.
bool AnswerDpiScaledSize(HWND wnd, LPARAM lp, SIZE client, Dpi dpi);

// Resizes a window, its top-left corner kept, so that its client area is width x height, by the
// frame the window really has: where the system draws frames at one DPI only (Wine), a frame
// computed for another DPI would leave the client area off by the difference.
void FitClientArea(HWND wnd, int width, int height);

// WM_DPICHANGED_AFTERPARENT to every window below parent, after parent has re-laid itself out.
void NotifyChildrenOfDpiChange(HWND parent);

// The rest of a window's WM_DPICHANGED once its controls are placed and its fonts made for the new
// DPI: the suggested rectangle taken, the client area made the layout's, the children told, all
// of it drawn again.
void FinishDpiChange(HWND wnd, LPARAM suggested, int client_width, int client_height);

// A dialog that lays itself out on WM_DPICHANGED: the dialog manager's own scaling of dialogs
// and their controls (where the system has one) is turned off, so nothing is scaled twice.
void KeepDialogScalingToItself(HWND dialog);

// The system's fonts and metrics (message font, status font, ...) at a DPI; at the system's DPI
// where the system cannot say for another.
NONCLIENTMETRICSW NonClientMetricsFor(Dpi dpi);

}  // namespace tv
