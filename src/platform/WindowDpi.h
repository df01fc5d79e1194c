#pragma once
// Where a window's DPI comes from: the window's monitor where the system can say (Windows 10
// version 1607 and later, and Wine), the screen's vertical pixels per inch otherwise.
#include <windows.h>

#include "platform/Dpi.h"

namespace tv {

// The DPI of the monitor a window is on.
Dpi DpiOfWindow(HWND wnd);
// The DPI a window gets before it exists: that of the system (the primary monitor at log-on).
Dpi SystemDpi();
// The DPI of the monitor nearest to a window, for a top-level window about to be placed over it;
// the system DPI for no window.
Dpi DpiNear(HWND reference);

// WM_DPICHANGED: the new DPI from wParam, and the window moved and sized to the suggested
// rectangle in lParam.
Dpi DpiFromMessage(WPARAM wp);
void TakeSuggestedRect(HWND wnd, LPARAM lp);

// The outer size of a window whose client area is client_width x client_height, at its DPI
// (the frame and caption of a per-monitor aware window scale with the monitor's DPI).
SIZE WindowSizeForClient(int client_width, int client_height, DWORD style, DWORD ex_style, Dpi dpi);

}  // namespace tv
