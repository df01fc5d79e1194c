// Paints one popup button and one standard push button of the same size and caption into memory
// bitmaps, alternating in rounds, in the classic look and with the visual style on; prints the
// median time per paint and the ratio.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTarget.h"
#include "widgets/button/VtPopBtn.h"
#include "win/button/ThemeSwitch.h"

namespace {

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Microseconds per paint for a batch of paints through WM_PRINTCLIENT.
double PaintBatch(HWND button, HDC dc, int paints) {
    const double start = Now();
    for (int i = 0; i < paints; ++i) SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    return (Now() - start) / paints;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Measure(const char* look, HWND ours, HWND standard, int rounds, int paints) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 97, 25);
    HGDIOBJ old = SelectObject(mem, bitmap);
    PaintBatch(ours, mem, paints);  // warm caches on both sides
    PaintBatch(standard, mem, paints);
    std::vector<double> a, b;
    for (int r = 0; r < rounds; ++r) {
        a.push_back(PaintBatch(ours, mem, paints));
        b.push_back(PaintBatch(standard, mem, paints));
    }
    const double ma = Median(a), mb = Median(b);
    std::printf("%-8s popup button %8.1f us/paint   standard button %8.1f us/paint   ratio %.2f (target <= 2.00)\n",
                look, ma, mb, ma / mb);
    tv::bench::ReportTarget(std::string("button paint, ") + look + ", against a standard button", "ratio <= 2.00",
                            tv::bench::Figure(ma / mb, 2, ""), ma / mb <= 2.0);
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    const int paints = 200;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    tv::RegisterVtPopupButtonClass();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ButtonBenchHost";
    RegisterClassExA(&wc);
    HWND host = CreateWindowExA(0, "ButtonBenchHost", "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 120,
                                nullptr, nullptr, wc.hInstance, nullptr);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HWND ours = CreateWindowExA(0, tv::kVtPopupButtonClass, "&Clear Statistics", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10,
                                10, 97, 25, host, nullptr, wc.hInstance, nullptr);
    HWND standard =
        CreateWindowExA(0, "BUTTON", "&Clear Statistics", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 120, 10,
                        97, 25, host, nullptr, wc.hInstance, nullptr);
    SendMessageA(ours, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(standard, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Pump();

    tv::testing_theme::SetVisualStyle(false);
    Pump();
    SendMessageA(ours, WM_THEMECHANGED, 0, 0);
    Measure("classic", ours, standard, rounds, paints);

    if (tv::testing_theme::SetVisualStyle(true)) {
        Pump();
        SendMessageA(ours, WM_THEMECHANGED, 0, 0);
        SendMessageA(standard, WM_THEMECHANGED, 0, 0);
        Measure("themed", ours, standard, rounds, paints);
        tv::testing_theme::SetVisualStyle(false);
    } else {
        std::printf("themed   no visual style could be switched on\n");
    }
    DestroyWindow(host);
    DeleteObject(font);
    return 0;
}
