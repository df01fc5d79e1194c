// The baseline: the least a Win32 program does to open one empty window.
#include <windows.h>

#include "app/StartupTrace.h"

static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    tv::MarkStartupPhase(tv::StartupPhase::Entry);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "EmptyWindow";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA("EmptyWindow", "Empty", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 200,
                             nullptr, nullptr, instance, nullptr);
    tv::MarkStartupPhase(tv::StartupPhase::WindowCreated);
    ShowWindow(wnd, show);
    UpdateWindow(wnd);
    MSG msg;
    tv::FirstIdleWatch idle;
    for (;;) {
        idle.BeforeGetMessage();
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
