// The one window-procedure boundary: where a window's object comes from, which handle it is
// given, what happens to an exception, and that nothing reaches the object after WM_NCDESTROY.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/Error.h"
#include "platform/WindowProcedure.h"
#include "win/platform/ErrorBoxWatcher.h"

namespace tv {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

struct Seen {
    HWND wnd;
    UINT msg;
};

// Records every message with the handle it was given, and hands the rest to the default procedure
// with that same handle.
class Probe {
public:
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        seen.push_back({wnd, msg});
        if (msg == kThrow) throw TvError("The probe failed");
        if (msg == kAnswer) return 42;
        return DefWindowProcA(wnd, msg, wp, lp);
    }
    std::vector<Seen> seen;
};

HWND CreateProbe(Probe& probe) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure<Probe>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TvProbeWindow";
    RegisterClassExA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Probe", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                           wc.hInstance, &probe);
}

bool Saw(const Probe& probe, UINT msg) {
    for (const Seen& s : probe.seen)
        if (s.msg == msg) return true;
    return false;
}

TEST(WindowProcedure, TheObjectComesFromTheCreationDataAndEveryMessageCarriesTheRealHandle) {
    Probe probe;
    const HWND wnd = CreateProbe(probe);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(WindowObject<Probe>(wnd), &probe);
    EXPECT_EQ(SendMessageA(wnd, kAnswer, 0, 0), 42);
    DestroyWindow(wnd);

    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front().msg, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(probe.seen.back().msg, static_cast<UINT>(WM_NCDESTROY));
    for (const Seen& s : probe.seen) EXPECT_EQ(s.wnd, wnd) << "message 0x" << std::hex << s.msg;
    EXPECT_TRUE(Saw(probe, WM_CREATE));
    EXPECT_TRUE(Saw(probe, WM_DESTROY));
}

TEST(WindowProcedure, AnExceptionIsShownInTheGeneralErrorBoxAndTheWindowGoesOn) {
    Probe probe;
    const HWND wnd = CreateProbe(probe);
    ASSERT_NE(wnd, nullptr);
    {
        test::ErrorBoxWatcher watcher;
        EXPECT_EQ(SendMessageA(wnd, kThrow, 0, 0), 0);
        EXPECT_EQ(watcher.Seen(), "The probe failed.\n");
    }
    EXPECT_EQ(SendMessageA(wnd, kAnswer, 0, 0), 42);
    DestroyWindow(wnd);
}

// A dialog's object arrives with WM_INITDIALOG; what comes before finds no object.
class DialogProbe {
public:
    INT_PTR HandleDialogMessage(HWND wnd, UINT msg, WPARAM, LPARAM) {
        seen.push_back({wnd, msg});
        if (msg == WM_INITDIALOG) {
            PostMessageA(wnd, kThrow, 0, 0);
            return TRUE;
        }
        if (msg == kThrow) {
            PostMessageA(wnd, kAnswer, 0, 0);
            throw TvError("The dialog failed.");
        }
        if (msg == kAnswer) {
            EndDialog(wnd, 7);
            return TRUE;
        }
        return FALSE;
    }
    std::vector<Seen> seen;
};

TEST(WindowProcedure, ADialogTakesItsObjectFromInitDialogAndReportsItsErrorsTheSameWay) {
    struct {
        DLGTEMPLATE header;
        WORD menu = 0, window_class = 0, title = 0, padding = 0;
    } tmpl{};
    tmpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.header.cx = 100;
    tmpl.header.cy = 50;
    DialogProbe probe;
    test::ErrorBoxWatcher watcher;
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tmpl.header, nullptr,
                                                   DialogProcedure<DialogProbe>, reinterpret_cast<LPARAM>(&probe));
    EXPECT_EQ(result, 7);
    EXPECT_EQ(watcher.Seen(), "The dialog failed.\n");
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front().msg, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(probe.seen.back().msg, static_cast<UINT>(WM_NCDESTROY));
    for (const Seen& s : probe.seen) EXPECT_EQ(s.wnd, probe.seen.front().wnd);
}

}  // namespace
}  // namespace tv
