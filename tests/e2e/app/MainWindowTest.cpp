// The main window seen from outside: figures, layout, tab order, closing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "platform/Handles.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

struct Shown {
    std::string won, lost, percent, wins, losses, streak, next_up;
};

Shown ReadFigures(HWND main) {
    return {DlgItemText(main, IdLblWon),   DlgItemText(main, IdLblLost),   DlgItemText(main, IdLblPercent),
            DlgItemText(main, IdLblWins),  DlgItemText(main, IdLblLosses), DlgItemText(main, IdLblStreak),
            DlgItemText(main, IdLblNextUp)};
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override { DeleteGameKey(); }
};

TEST_F(MainWindow, ShowsTheFiguresWrittenByRegExe) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    Program program(ScratchFolder("main-figures"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "Tallyvane v1.2");
    const Shown s = ReadFigures(main);
    EXPECT_EQ(s.won, "57");
    EXPECT_EQ(s.lost, "43");
    EXPECT_EQ(s.percent, "57%");
    EXPECT_EQ(s.wins, "9");
    EXPECT_EQ(s.losses, "6");
    EXPECT_EQ(s.streak, "3 wins");
    EXPECT_EQ(s.next_up, "2");
    SaveWindowScreenshot(main, "main-window.bmp");
}

TEST_F(MainWindow, NegativeFiguresShowWithTheirSign) {
    ASSERT_TRUE(RegExeWriteFigures({-1, 43, -9, -2147483647 - 1, 3, 2}));
    Program program(ScratchFolder("main-negative"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    const Shown s = ReadFigures(main);
    EXPECT_EQ(s.won, "-1");
    EXPECT_EQ(s.lost, "43");
    EXPECT_EQ(s.wins, "-9");
    EXPECT_EQ(s.losses, "-2147483648");
    EXPECT_EQ(s.streak, "3");
}

TEST_F(MainWindow, AStartUpErrorLeavesTheFocusOnClear) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    WriteGameValue("Won", REG_DWORD, {57, 0, 0, 0});  // a type the first read refuses
    Program program(ScratchFolder("main-start-error"));
    ASSERT_TRUE(program.Start());
    HWND box = FindDialog(program.Pid(), "Tallyvane", 10000);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressDialogButton(box, IDOK));
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(BringToFront(main));
    // Start-up stopped before its last step, which moves the focus to Launch.
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(main) == GetDlgItem(main, IdBtnClear); }, 3000))
        << "focus on " << WindowText(FocusedControl(main));
    Sleep(300);
    EXPECT_EQ(FocusedControl(main), GetDlgItem(main, IdBtnClear));
}

// The size of a text in MS Sans Serif 8 point, bold or not, as this process measures it.
SIZE FormFontExtent(const std::string& text, bool bold) {
    const UniqueFont font(CreateFontA(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const SelectGuard select(dc.get(), font.get());
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

TEST_F(MainWindow, TheHeadingsAreBoldTheFiguresAreNot) {
    Program program(ScratchFolder("main-bold"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    // Labels are as wide as their text: the width tells the font.
    for (const auto& [id, text, bold] : {std::tuple{IdLabel14, "Totals", true}, std::tuple{IdLabel5, "Streaks", true},
                                         std::tuple{IdLabel1, "Won", false}, std::tuple{IdLabel8, "Current", false}}) {
        const SIZE in_bold = FormFontExtent(text, true);
        const SIZE plain = FormFontExtent(text, false);
        ASSERT_NE(in_bold.cx, plain.cx) << text << ": the fonts cannot be told apart by width here";
        const RECT r = WindowRectOf(GetDlgItem(main, id));
        EXPECT_EQ(r.right - r.left, bold ? in_bold.cx : plain.cx) << text;
    }
}

TEST_F(MainWindow, ShowsZerosWithoutTheKey) {
    Program program(ScratchFolder("main-zeros"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    const Shown s = ReadFigures(main);
    EXPECT_EQ(s.won, "0");
    EXPECT_EQ(s.lost, "0");
    EXPECT_EQ(s.percent, "0%");
    EXPECT_EQ(s.wins, "0");
    EXPECT_EQ(s.losses, "0");
    EXPECT_EQ(s.streak, "0");
    EXPECT_EQ(s.next_up, "0");
}

TEST_F(MainWindow, LayoutMatchesTheForm) {
    Program program(ScratchFolder("main-layout"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 387);
    EXPECT_EQ(client.bottom, 168);
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    struct Expect {
        int id;
        int x, y;
        const char* text;
    };
    const Expect buttons[] = {{IdBtnLaunch, 174, 12, "&Launch FreeCell"}, {IdBtnKill, 276, 12, "Cl&ose FreeCell"},
                              {IdBtnBackup, 174, 42, "&Backup Stats"},    {IdBtnRestore, 276, 42, "&Restore Stats..."},
                              {IdBtnClear, 174, 72, "&Clear Statistics"}, {IdBtnExit, 276, 72, "E&xit"},
                              {IdBtnAbout, 276, 102, "&About..."}};
    for (const auto& b : buttons) {
        HWND w = GetDlgItem(main, b.id);
        ASSERT_NE(w, nullptr) << b.text;
        EXPECT_EQ(WindowText(w), b.text);
        const POINT p = PositionInParent(w);
        EXPECT_EQ(p.x, b.x) << b.text;
        EXPECT_EQ(p.y, b.y) << b.text;
        const RECT r = WindowRectOf(w);
        EXPECT_EQ(r.right - r.left, 97);
        EXPECT_EQ(r.bottom - r.top, 25);
    }
    const Expect labels[] = {{IdLabel14, 12, 12, "Totals"},
                             {IdLabel1, 36, 36, "Won"},
                             {IdLblWon, 84, 36, "0"},
                             {IdLabel2, 36, 52, "Lost"},
                             {IdLblLost, 84, 52, "0"},
                             {IdLabel5, 12, 84, "Streaks"},
                             {IdLabel6, 36, 108, "Wins"},
                             {IdLblWins, 84, 108, "0"},
                             {IdLabel7, 36, 124, "Losses"},
                             {IdLblLosses, 84, 124, "0"},
                             {IdLabel8, 36, 140, "Current"},
                             {IdLblStreak, 84, 140, "0"},
                             {IdLabel3, 174, 140, "# of wins needed to increase %:"},
                             {IdLblNextUp, 336, 140, "0"}};
    for (const auto& l : labels) {
        HWND w = GetDlgItem(main, l.id);
        ASSERT_NE(w, nullptr) << l.text;
        EXPECT_EQ(ClassName(w), "Static");
        EXPECT_EQ(WindowText(w), l.text);
        const POINT p = PositionInParent(w);
        EXPECT_EQ(p.x, l.x) << l.text;
        EXPECT_EQ(p.y, l.y) << l.text;
    }
    // Every label sizes itself to its text in the form font; none runs into the next one to its right
    // ("# of wins needed to increase %:" is 151 pixels wide in "MS Sans Serif", 184 in a substitute).
    for (const auto& a : labels) {
        for (const auto& b : labels) {
            if (a.y != b.y || b.x <= a.x) continue;
            const RECT r = WindowRectOf(GetDlgItem(main, a.id));
            EXPECT_LE(a.x + (r.right - r.left), b.x) << '"' << a.text << "\" runs into \"" << b.text << '"';
        }
    }
    const RECT needed = WindowRectOf(GetDlgItem(main, IdLabel3));
    std::printf("width of \"# of wins needed to increase %%:\": %ld\n", needed.right - needed.left);
    // The percentage grows to the left of its right edge at 128.
    HWND percent = GetDlgItem(main, IdLblPercent);
    const RECT pr = WindowRectOf(percent);
    EXPECT_EQ(PositionInParent(percent).x + (pr.right - pr.left), 128);
}

TEST_F(MainWindow, TabVisitsTheButtonsInOrderStartingAtLaunch) {
    Program program(ScratchFolder("main-tab"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(BringToFront(main));
    auto focused = [&] { return FocusedControl(main); };
    ASSERT_TRUE(WaitUntil([&] { return focused() == GetDlgItem(main, IdBtnLaunch); }));
    const int order[] = {IdBtnKill, IdBtnBackup, IdBtnRestore, IdBtnClear, IdBtnExit, IdBtnAbout, IdBtnLaunch};
    for (int id : order) {
        PressKey(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return focused() == GetDlgItem(main, id); }, 2000))
            << "expected control " << id << ", focus on " << WindowText(focused());
    }
}

TEST_F(MainWindow, CloseBoxAndExitEndTheProgram) {
    {
        Program program(ScratchFolder("main-close"));
        ASSERT_TRUE(program.Start());
        HWND main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(program.WaitForExit(5000));
    }
    {
        Program program(ScratchFolder("main-exit"));
        ASSERT_TRUE(program.Start());
        HWND main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        ClickButton(GetDlgItem(main, IdBtnExit));
        EXPECT_TRUE(program.WaitForExit(5000));
        EXPECT_EQ(program.ExitCode(), 0u);
    }
}

}  // namespace
}  // namespace tv::e2e
