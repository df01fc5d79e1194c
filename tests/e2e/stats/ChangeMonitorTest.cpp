// The live display: the figures follow every change another program makes, and the program still
// ends at once whatever state its watch is in.
#include <gtest/gtest.h>

#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/stats/Figures.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

class ChangeMonitor : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override { DeleteGameKey(); }

    HWND StartProgram(const std::string& name) {
        program_ = std::make_unique<Program>(ScratchFolder(name));
        EXPECT_TRUE(program_->Start());
        HWND main = program_->MainWindow();
        EXPECT_NE(main, nullptr);
        return main;
    }

    int CloseAndTimeExit(HWND main) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        return MillisecondsUntilExit(program_->Process(), 10000);
    }

    // The program's other windows, for failure messages: an error box explains a stale display.
    std::string OtherWindows(HWND main) const {
        std::string texts;
        for (HWND w : TopWindows(program_->Pid())) {
            if (w == main) continue;
            texts += '[';  // appended apart: GCC 12 warns falsely about "[" + a temporary
            texts += WindowText(w) + ": " + MessageText(w) + "] ";
        }
        return texts;
    }

    std::unique_ptr<Program> program_;
};

TEST_F(ChangeMonitor, FiguresFollowWritesOfAnotherProgram) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-follow");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ASSERT_TRUE(RegExeWriteFigures(k120));
    EXPECT_TRUE(WaitForFigures(main, kShown120)) << ReadFigures(main);
    // And again: every notification is re-armed.
    ASSERT_TRUE(RegExeWriteBinary("Won", 121));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "121"; }));
    for (int won = 122; won < 127; ++won) ASSERT_TRUE(RegExeWriteBinary("Won", won));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "126"; })) << DlgItemText(main, IdLblWon);
}

TEST_F(ChangeMonitor, KeyCreatedAfterStartIsFollowed) {
    HWND main = StartProgram("monitor-created-later");
    ASSERT_EQ(ReadFigures(main), kShownNothing);
    ASSERT_TRUE(RegExeWriteFigures(k120));
    EXPECT_TRUE(WaitForFigures(main, kShown120)) << ReadFigures(main);
    ASSERT_TRUE(RegExeWriteBinary("Lost", 81));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblLost) == "81"; }));
}

TEST_F(ChangeMonitor, KeyDeletedAndWrittenAgainIsFollowed) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-deleted-rewritten");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ASSERT_TRUE(RegExeDeleteKey());
    Sleep(300);
    ASSERT_TRUE(RegExeWriteFigures(k120));
    EXPECT_TRUE(WaitForFigures(main, kShown120)) << ReadFigures(main) << OtherWindows(main);
    // Deleted and written again at once, as a registry import of the whole key does. A value that
    // vanishes between the two steps in which a refresh reads it counts as missing: no error box.
    DeleteGameKey();
    const std::pair<const char*, std::uint8_t> values[] = {{"Wins", 9},  {"Losses", 6}, {"Won", 57},
                                                           {"Lost", 43}, {"Streak", 3}, {"SType", 1}};
    for (const auto& [name, value] : values) WriteGameValue(name, REG_BINARY, {value, 0, 0, 0});
    EXPECT_TRUE(WaitForFigures(main, kShown57)) << ReadFigures(main) << OtherWindows(main);
    EXPECT_EQ(FindDialog(program_->Pid(), "Tallyvane", 0), nullptr) << OtherWindows(main);
}

TEST_F(ChangeMonitor, ClosingWhileWatchingEndsWithinOneSecond) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-close");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    const int ms = CloseAndTimeExit(main);
    EXPECT_GE(ms, 0) << "still running after 10 s";
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(program_->ExitCode(), 0u);
}

TEST_F(ChangeMonitor, ClosingAfterTheKeyWasDeletedEndsWithinOneSecond) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-close-deleted");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ASSERT_TRUE(RegExeDeleteKey());
    Sleep(300);
    const int ms = CloseAndTimeExit(main);
    EXPECT_GE(ms, 0) << "still running after 10 s";
    EXPECT_LT(ms, 1000);
}

TEST_F(ChangeMonitor, ClosingWhileARefreshErrorIsShownEndsWithinOneSecond) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-close-error-box");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ASSERT_TRUE(RegExeWriteDword("Won", 99));
    ASSERT_NE(FindDialog(program_->Pid(), "Tallyvane"), nullptr);
    // As a task manager's polite close does; the worker still waits in its send meanwhile.
    const int ms = CloseAndTimeExit(main);
    EXPECT_GE(ms, 0) << "still running after 10 s";
    EXPECT_LT(ms, 1000);
}

TEST_F(ChangeMonitor, ClosingWithoutTheKeyEndsWithinOneSecond) {
    HWND main = StartProgram("monitor-close-absent");
    const int ms = CloseAndTimeExit(main);
    EXPECT_GE(ms, 0) << "still running after 10 s";
    EXPECT_LT(ms, 1000);
}

TEST_F(ChangeMonitor, WrongTypeShowsTheGeneralErrorBoxAndTheProgramRecovers) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-wrong-type");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ASSERT_TRUE(RegExeWriteDword("Won", 99));
    HWND box = FindDialog(program_->Pid(), "Tallyvane");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Invalid data type for 'Won'");  // ' is below ".": no full stop
    EXPECT_EQ(DialogButtons(box).size(), 1u);
    EXPECT_NE(MessageIcon(box), nullptr);
    EXPECT_EQ(ReadFigures(main), kShown57);  // nothing shown of a read that failed
    ASSERT_TRUE(PressDialogButton(box, IDOK));
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(program_->Running());
    ASSERT_TRUE(RegExeWriteBinary("Won", 120));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "120"; })) << DlgItemText(main, IdLblWon);
    EXPECT_EQ(DlgItemText(main, IdLblPercent), "74%");  // 120 of 163
    EXPECT_EQ(TopWindows(program_->Pid()), std::vector<HWND>{main});
}

TEST_F(ChangeMonitor, WrongTypeAtStartStillLeavesTheDisplayLive) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    ASSERT_TRUE(RegExeWriteDword("Won", 99));
    program_ = std::make_unique<Program>(ScratchFolder("monitor-wrong-type-at-start"));
    ASSERT_TRUE(program_->Start());
    HWND box = FindDialog(program_->Pid(), "Tallyvane", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Invalid data type for 'Won'");
    ASSERT_TRUE(PressDialogButton(box, IDOK));
    HWND main = program_->MainWindow();
    ASSERT_NE(main, nullptr);
    // The failed first read set nothing: every label keeps its initial caption.
    EXPECT_EQ(ReadFigures(main), (Shown{"0", "0", "%", "0", "0", "0", "0"}));
    ASSERT_TRUE(RegExeWriteBinary("Won", 57));
    EXPECT_TRUE(WaitForFigures(main, kShown57)) << ReadFigures(main);
}

TEST_F(ChangeMonitor, TheDisplayFollowsUnderAnOpenMessageBox) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = StartProgram("monitor-under-box");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ClickButton(GetDlgItem(main, IdBtnClear));
    HWND box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(RegExeWriteFigures(k120));
    EXPECT_TRUE(WaitForFigures(main, kShown120)) << ReadFigures(main);
    EXPECT_TRUE(IsWindowVisible(box));
    ASSERT_TRUE(PressDialogButton(box, IDNO));
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(ReadGameValue("Won").has_value());
}

}  // namespace
}  // namespace tv::e2e
