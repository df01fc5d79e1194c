// The one window-procedure boundary: where a window's object comes from, which handle it is
// given, what happens to an exception, and that nothing reaches the object after WM_NCDESTROY;
// for a control whose procedure makes its object, also when that object goes.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
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

// A control's object is made by its procedure, with nothing from the test: it writes what it saw
// and when it went to the log of the test that runs.
struct ControlLog {
    std::vector<UINT> seen;
    int made = 0;
    int freed = 0;
    int freed_under_a_handler = 0;
};
ControlLog* active_log = nullptr;

constexpr UINT kDestroySelf = WM_APP + 3;
constexpr UINT kDestroySelfAndThrow = WM_APP + 4;

class ControlProbe : public WindowOwnedObject {
public:
    ControlProbe() : log_(*active_log) { ++log_.made; }
    ~ControlProbe() override {
        ++log_.freed;
        if (handling_ > 0) ++log_.freed_under_a_handler;
    }
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        ++handling_;
        const Leave leave{handling_};
        log_.seen.push_back(msg);
        switch (msg) {
            case kThrow:
                throw TvError("The control failed");
            case kAnswer:
                return 42;
            case kDestroySelf:
                DestroyWindow(wnd);
                log_.seen.push_back(WindowGone() ? kDestroySelf : 0);  // the object is still there
                return 7;
            case kDestroySelfAndThrow:
                DestroyWindow(wnd);
                throw TvError("The control failed on its way out");
            default:
                return DefWindowProcA(wnd, msg, wp, lp);
        }
    }

private:
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    };
    ControlLog& log_;
    int handling_ = 0;
};

// A control whose object cannot be made.
class UnmadeProbe : public WindowOwnedObject {
public:
    UnmadeProbe() { throw TvError("The control could not be made"); }
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(wnd, msg, wp, lp); }
};

template <typename T>
HWND CreateControl(const char* class_name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure<T, ObjectMadeByProcedure>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = class_name;
    RegisterClassExA(&wc);
    // As a dialog makes its controls: by class name, with no creation data.
    return CreateWindowExA(0, class_name, "Control", WS_POPUP, 10, 10, 100, 30, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

class ControlWindowProcedure : public testing::Test {
protected:
    void SetUp() override { active_log = &log; }
    void TearDown() override { active_log = nullptr; }
    ControlLog log;
};

TEST_F(ControlWindowProcedure, TheProcedureMakesTheObjectAndFreesItOnceAfterWmNcDestroy) {
    const HWND wnd = CreateControl<ControlProbe>("TvControlProbe");
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(log.made, 1);
    ASSERT_NE(WindowObject<ControlProbe>(wnd), nullptr);
    EXPECT_EQ(SendMessageA(wnd, kAnswer, 0, 0), 42);
    DestroyWindow(wnd);

    EXPECT_EQ(log.freed, 1);
    ASSERT_FALSE(log.seen.empty());
    EXPECT_EQ(log.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(log.seen.back(), static_cast<UINT>(WM_NCDESTROY));
    const std::size_t seen = log.seen.size();
    SendMessageA(wnd, kAnswer, 0, 0);  // a handle that is no window any more
    EXPECT_EQ(log.seen.size(), seen);
    EXPECT_EQ(log.freed, 1);
}

TEST_F(ControlWindowProcedure, AnExceptionIsReportedAndTheControlGoesOn) {
    const HWND wnd = CreateControl<ControlProbe>("TvControlProbe");
    ASSERT_NE(wnd, nullptr);
    {
        test::ErrorBoxWatcher watcher;
        EXPECT_EQ(SendMessageA(wnd, kThrow, 0, 0), 0);
        EXPECT_EQ(watcher.Seen(), "The control failed.\n");
    }
    EXPECT_EQ(SendMessageA(wnd, kAnswer, 0, 0), 42);
    EXPECT_EQ(log.freed, 0);
    DestroyWindow(wnd);
    EXPECT_EQ(log.freed, 1);
}

TEST_F(ControlWindowProcedure, AHandlerThatDestroysItsWindowKeepsTheObjectUntilItReturns) {
    const HWND wnd = CreateControl<ControlProbe>("TvControlProbe");
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(SendMessageA(wnd, kDestroySelf, 0, 0), 7);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(log.freed, 1);
    EXPECT_EQ(log.freed_under_a_handler, 0);
    // WM_NCDESTROY came inside the handler, which went on with its object and then returned.
    ASSERT_GE(log.seen.size(), 2u);
    EXPECT_EQ(log.seen.back(), kDestroySelf);
    EXPECT_EQ(log.seen[log.seen.size() - 2], static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(ControlWindowProcedure, AHandlerThatDestroysItsWindowAndFailsIsReportedAndFreesTheObjectOnce) {
    const HWND wnd = CreateControl<ControlProbe>("TvControlProbe");
    ASSERT_NE(wnd, nullptr);
    {
        test::ErrorBoxWatcher watcher;
        EXPECT_EQ(SendMessageA(wnd, kDestroySelfAndThrow, 0, 0), 0);
        EXPECT_EQ(watcher.Seen(), "The control failed on its way out.\n");
    }
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(log.freed, 1);
    EXPECT_EQ(log.freed_under_a_handler, 0);
}

TEST_F(ControlWindowProcedure, CodeOutsideTheProcedureKeepsTheObjectWhileItRunsHandlers) {
    const HWND wnd = CreateControl<ControlProbe>("TvControlProbe");
    ASSERT_NE(wnd, nullptr);
    ControlProbe* probe = WindowObject<ControlProbe>(wnd);
    ASSERT_NE(probe, nullptr);
    {
        const WindowOwnedObject::Running keep(*probe);
        DestroyWindow(wnd);  // as a click handler closing the form would
        EXPECT_TRUE(probe->WindowGone());
        EXPECT_EQ(log.freed, 0);
    }
    EXPECT_EQ(log.freed, 1);
}

TEST_F(ControlWindowProcedure, AnObjectThatCannotBeMadeIsReportedAndTheWindowIsNotCreated) {
    test::ErrorBoxWatcher watcher;
    const HWND wnd = CreateControl<UnmadeProbe>("TvUnmadeProbe");
    EXPECT_EQ(wnd, nullptr);
    EXPECT_EQ(watcher.Seen(), "The control could not be made.\n");
}

}  // namespace
}  // namespace tv
