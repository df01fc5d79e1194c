// The polling path, as systems without registry change notification take it: the program built
// to read the figures on every tick of its one-second timer, driven from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/stats/Figures.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

// A few ticks of the one-second timer, with room for a loaded machine.
constexpr int kTicks = 3500;

class Polling : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override {
        if (program_) program_->Kill();
        DeleteGameKey();
    }

    // Started without waiting for the main window: a box at start-up holds it back.
    void Launch(const std::string& name) {
        program_ =
            std::make_unique<Program>(ScratchFolder(name), "Tallyvane.exe", BuildFolder() + "TallyvanePolling.exe");
        EXPECT_TRUE(program_->Start());
    }

    HWND Start(const std::string& name) {
        Launch(name);
        HWND main = program_->MainWindow();
        EXPECT_NE(main, nullptr);
        return main;
    }

    // The program's General error boxes showing now.
    int ErrorBoxes() const {
        int n = 0;
        for (HWND w : TopWindows(program_->Pid())) n += WindowText(w) == "Tallyvane" ? 1 : 0;
        return n;
    }

    // The most error boxes seen at once while watching for the time given.
    int MostErrorBoxesWithin(int ms) const {
        int most = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            most = std::max(most, ErrorBoxes());
            Sleep(20);
        }
        return most;
    }

    std::unique_ptr<Program> program_;
};

TEST_F(Polling, FiguresFollowAChangeOnTheNextTick) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = Start("polling-follow");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    ASSERT_TRUE(RegExeWriteFigures(k120));
    EXPECT_TRUE(WaitForFigures(main, kShown120, kTicks)) << ReadFigures(main);
    ASSERT_TRUE(RegExeWriteBinary("Won", 121));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "121"; }, kTicks));
}

TEST_F(Polling, EveryTickRereadsTheFiguresWhetherOrNotTheyChanged) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = Start("polling-every-tick");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    // No registry change at all: only a refresh that runs by the clock puts the figure back.
    SendMessageA(GetDlgItem(main, IdLblWon), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("scribbled"));
    ASSERT_EQ(DlgItemText(main, IdLblWon), "scribbled");
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "57"; }, kTicks)) << DlgItemText(main, IdLblWon);
}

TEST_F(Polling, BadDataShowsOneErrorBoxAtATime) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = Start("polling-bad-data");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    WriteGameValue("Won", REG_DWORD, {99, 0, 0, 0});  // a type the program refuses
    HWND box = FindDialog(program_->Pid(), "Tallyvane", kTicks);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Invalid data type for 'Won'");
    // Ticks go on while the box is open, each failing again: still the one box.
    EXPECT_EQ(MostErrorBoxesWithin(kTicks), 1);
    EXPECT_EQ(ReadFigures(main), kShown57);

    // Closed while the data is still bad: the next tick shows it again, once.
    ASSERT_TRUE(PressDialogButton(box, IDOK));
    ASSERT_TRUE(WaitForWindowGone(box));
    HWND again = FindDialog(program_->Pid(), "Tallyvane", kTicks);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, box);
    EXPECT_EQ(MostErrorBoxesWithin(kTicks), 1);

    // The data mended under the open box: the figures follow, and once the box is closed no
    // other comes.
    ASSERT_TRUE(RegExeWriteBinary("Won", 120));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "120"; }, kTicks)) << DlgItemText(main, IdLblWon);
    EXPECT_TRUE(IsWindowVisible(again));
    ASSERT_TRUE(PressDialogButton(again, IDOK));
    ASSERT_TRUE(WaitForWindowGone(again));
    EXPECT_EQ(MostErrorBoxesWithin(kTicks), 0);
    EXPECT_EQ(DlgItemText(main, IdLblPercent), "74%");  // 120 of 163
    EXPECT_TRUE(program_->Running());
}

TEST_F(Polling, BadDataAtStartShowsOneErrorBoxAtATime) {
    WriteGameValue("Won", REG_DWORD, {99, 0, 0, 0});  // refused from the first read on
    Launch("polling-bad-data-at-start");
    HWND box = FindDialog(program_->Pid(), "Tallyvane", kTicks);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Invalid data type for 'Won'");
    // The timer runs from before the first read: its ticks fail too under the start-up's box.
    EXPECT_EQ(MostErrorBoxesWithin(kTicks), 1);
    ASSERT_TRUE(PressDialogButton(box, IDOK));
    ASSERT_TRUE(WaitForWindowGone(box));
    ASSERT_NE(program_->MainWindow(), nullptr);
    EXPECT_LE(MostErrorBoxesWithin(kTicks), 1);
}

TEST_F(Polling, ClosingStopsTheTimerAndEndsAtOnce) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = Start("polling-close");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    PostMessageA(main, WM_CLOSE, 0, 0);
    const int ms = MillisecondsUntilExit(program_->Process(), 10000);
    EXPECT_GE(ms, 0) << "still running after 10 s";
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(program_->ExitCode(), 0u);
}

TEST_F(Polling, ClosingWhileATickShowsAnErrorEndsAtOnce) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    HWND main = Start("polling-close-error-box");
    ASSERT_TRUE(WaitForFigures(main, kShown57));
    WriteGameValue("Won", REG_DWORD, {99, 0, 0, 0});  // a type the program refuses
    ASSERT_NE(FindDialog(program_->Pid(), "Tallyvane", kTicks), nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    const int ms = MillisecondsUntilExit(program_->Process(), 10000);
    EXPECT_GE(ms, 0) << "still running after 10 s";
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(program_->ExitCode(), 0u);
}

}  // namespace
}  // namespace tv::e2e
