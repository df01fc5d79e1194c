// The program's buttons worked from outside its process: what they are, mouse presses dragged off
// and back, keyboard clicks, their look under a box, and screenshots of the windows in the classic
// and the themed look.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/MainFMIds.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "support/system/Registry.h"
#include "win/button/ThemeSwitch.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

// Moves the focus with Tab until it is on the control.
bool TabTo(HWND top, HWND control) {
    for (int i = 0; i < 12; ++i) {
        if (FocusedControl(top) == control) return true;
        PressKey(VK_TAB);
        WaitUntil([&] { return FocusedControl(top) == control; }, 300);
    }
    return FocusedControl(top) == control;
}

class Buttons : public testing::Test {
protected:
    void SetUp() override {
        testing_theme::SetVisualStyle(false);
        DeleteGameKey();
        ASSERT_TRUE(program.Start());
        main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(BringToFront(main));
        exit_button = GetDlgItem(main, IdBtnExit);
        ASSERT_NE(exit_button, nullptr);
    }
    void TearDown() override {
        if (program.Running()) program.Kill();
        DeleteGameKey();
    }
    bool Closed() { return program.WaitForExit(5000); }

    Program program{
        ScratchFolder("button-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))};
    HWND main = nullptr;
    HWND exit_button = nullptr;
};

TEST_F(Buttons, EveryButtonOfTheMainWindowIsTheControl) {
    int ours = 0;
    for (HWND child : Children(main)) {
        EXPECT_NE(ClassName(child), "Button") << WindowText(child);
        if (ClassName(child) == "TVtPopupButton") ++ours;
    }
    EXPECT_EQ(ours, 7);
    EXPECT_EQ(WindowText(GetDlgItem(main, IdBtnClear)), "&Clear Statistics");
    EXPECT_EQ(WindowText(exit_button), "E&xit");
    // Start-up moves the focus to Launch once the window is active.
    HWND launch = GetDlgItem(main, IdBtnLaunch);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(main) == launch; }, 3000));
}

TEST_F(Buttons, PressDraggedOffAndReleasedOutsideGivesNoClick) {
    const RECT r = WindowRectOf(exit_button);
    MoveMouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    MouseButton(true);
    MoveMouseTo(r.left - 40, r.bottom + 40);
    MoveMouseTo(r.left - 60, r.bottom + 60);
    MouseButton(false);
    EXPECT_FALSE(program.WaitForExit(800)) << "a release outside clicked the button";
    // The button is up again and still works.
    MoveMouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    MouseButton(true);
    MoveMouseTo(r.right + 50, r.top - 30);
    MoveMouseTo((r.left + r.right) / 2 + 5, (r.top + r.bottom) / 2);  // dragged back
    MouseButton(false);
    EXPECT_TRUE(Closed()) << "dragging back before the release must click";
}

TEST_F(Buttons, SpaceClicksTheFocusedButton) {
    ASSERT_TRUE(TabTo(main, exit_button));
    PressKey(VK_SPACE);
    EXPECT_TRUE(Closed());
}

TEST_F(Buttons, EnterClicksTheFocusedButton) {
    ASSERT_TRUE(TabTo(main, exit_button));
    PressKey(VK_RETURN);
    EXPECT_TRUE(Closed());
}

TEST_F(Buttons, AltAccessKeyClicks) {
    ASSERT_TRUE(WaitUntil([&] { return FocusedControl(main) != nullptr; }, 3000));
    PressKey('X', true);
    EXPECT_TRUE(Closed());
}

TEST_F(Buttons, AutomationClick) {
    ClickButton(exit_button);
    EXPECT_TRUE(Closed());
}

// A modal window the program opened over its main window, once it shows; none after the timeout.
HWND WaitForDialog(DWORD pid, HWND main, int timeout_ms = 1500) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopWindows(pid)) {
                if (w != main && IsWindowVisible(w)) found = w;
            }
            return found != nullptr;
        },
        timeout_ms);
    return found;
}

// Whether the screen shows a pixel of the colour inside the rectangle, three pixels in from its
// edges (past any frame).
bool ScreenShows(RECT r, COLORREF colour) {
    InflateRect(&r, -3, -3);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(mem, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    const auto* pixels = static_cast<const DWORD*>(bits);
    bool found = false;
    for (int i = 0; i < w * h && !found; ++i) found = (pixels[i] & 0xFFFFFF) == wanted;
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return found;
}

// A box the program opens disables its main window; the buttons there keep their look, as the
// system's own buttons do: what they paint while the box is open (the focused one loses the focus
// then) shows no greyed caption.
TEST_F(Buttons, ButtonsRepaintedUnderABoxKeepTheirLook) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));  // so that Clear asks first
    PressKey('C', true);
    HWND box = WaitForDialog(program.Pid(), main);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main));
    // The user drags the box off the window, uncovering the buttons.
    const RECT m = WindowRectOf(main), b = WindowRectOf(box);
    const bool room_right = m.right + (b.right - b.left) < GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(box, nullptr, room_right ? m.right : m.left - (b.right - b.left), m.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT covered = WindowRectOf(box);
    int seen = 0;
    for (HWND child : Children(main)) {
        RECT r = WindowRectOf(child), overlap{};
        if (ClassName(child) != "TVtPopupButton" || IntersectRect(&overlap, &r, &covered)) continue;
        EXPECT_TRUE(WaitUntil([&] { return ScreenShows(r, GetSysColor(COLOR_BTNTEXT)); }, 2000))
            << WindowText(child) << " shows no caption in the button text colour";
        ++seen;
    }
    EXPECT_EQ(seen, 7) << "the box still covers buttons";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(box, 3000));
}

int CountOurButtons(HWND window) {
    int ours = 0;
    for (HWND child : Children(window)) {
        EXPECT_NE(ClassName(child), "Button") << WindowText(child) << " is not the program's button";
        if (ClassName(child) == "TVtPopupButton") ++ours;
    }
    return ours;
}

// The windows the main window's access keys open, each checked, photographed and closed.
void VisitDialogs(Program& program, HWND main, const std::string& look, int& visited) {
    struct Opener {
        char key;
        const char* name;
        WORD close_key;
    };
    // Escape leaves every one of them without doing anything; the About box also closes on Enter.
    const Opener openers[] = {{'A', "about", VK_RETURN},
                              {'A', "about-esc", VK_ESCAPE},
                              {'C', "clear-confirmation", VK_ESCAPE},
                              {'B', "backup-prompt", VK_ESCAPE},
                              {'R', "restore", VK_ESCAPE}};
    for (const Opener& o : openers) {
        BringToFront(main);
        PressKey(static_cast<WORD>(o.key), true);
        HWND dialog = WaitForDialog(program.Pid(), main);
        if (!dialog) {
            ADD_FAILURE() << o.name << " did not open";
            continue;
        }
        ++visited;
        EXPECT_GE(CountOurButtons(dialog), 1) << o.name;
        Sleep(200);
        SaveWindowScreenshot(dialog, std::string(o.name) + "-" + look + ".bmp");
        // Escape (or Enter) reaches the cancel (or default) button even with the focus on another one.
        PressKey(VK_TAB);
        PressKey(o.close_key);
        EXPECT_TRUE(WaitForWindowGone(dialog, 3000)) << o.name << " did not close";
        if (IsWindow(dialog)) PostMessageA(dialog, WM_CLOSE, 0, 0);
        WaitForWindowGone(dialog, 2000);
    }
}

TEST(ButtonLooks, ScreenshotsClassicAndThemed) {
    // Whatever happens below, the tests after this one see the classic look.
    struct ClassicAfterwards {
        ~ClassicAfterwards() { testing_theme::SetVisualStyle(false); }
    } classic_afterwards;
    DeleteGameKey();
    for (bool themed : {false, true}) {
        ASSERT_TRUE(testing_theme::SetVisualStyle(themed));
        Program program(ScratchFolder(themed ? "button-shot-themed" : "button-shot-classic"));
        ASSERT_TRUE(program.Start());
        HWND main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        BringToFront(main);
        Sleep(300);
        const std::string look = themed ? "themed" : "classic";
        EXPECT_TRUE(SaveWindowScreenshot(main, "main-window-" + look + ".bmp"));
        // Hover and press show on screen too.
        const RECT r = WindowRectOf(GetDlgItem(main, IdBtnClear));
        MoveMouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Sleep(200);
        EXPECT_TRUE(SaveWindowScreenshot(main, "main-window-" + look + "-hot.bmp"));
        MoveMouseTo(5, 5);
        // The game's figures are there, so that Clear asks and Backup prompts; Escape keeps them.
        ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
        int visited = 0;
        VisitDialogs(program, main, look, visited);
        EXPECT_EQ(visited, 5) << "every dialog is reached";
        EXPECT_TRUE(ReadGameValue("Won").has_value()) << "a dialog left with Escape changed the statistics";
        std::printf("%s look: %d dialog windows visited\n", look.c_str(), visited);
        program.Kill();
        DeleteGameKey();
    }
    ASSERT_TRUE(testing_theme::SetVisualStyle(false));
}

}  // namespace
}  // namespace tv::e2e
