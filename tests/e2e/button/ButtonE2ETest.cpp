// The program's buttons worked from outside its process: what they are, mouse presses dragged off
// and back, keyboard clicks, and screenshots of the windows in the classic and the themed look.
#include <gtest/gtest.h>

#include "app/MainFMIds.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Registry.h"
#include "e2e/driver/Screenshot.h"
#include "win/button/ThemeSwitch.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

HWND FocusedControl(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

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

    Program program{ScratchFolder("button-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))};
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
    EXPECT_EQ(FocusedControl(main), GetDlgItem(main, IdBtnLaunch));
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
    PressKey('X', true);
    EXPECT_TRUE(Closed());
}

TEST_F(Buttons, AutomationClick) {
    ClickButton(exit_button);
    EXPECT_TRUE(Closed());
}

TEST(ButtonLooks, ScreenshotsClassicAndThemed) {
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
        program.Kill();
    }
    ASSERT_TRUE(testing_theme::SetVisualStyle(false));
}

}  // namespace
}  // namespace tv::e2e
