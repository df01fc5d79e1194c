// Launch and Close seen from outside: the stand-in game in the system folder, message boxes,
// termination with exit code 259.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

constexpr const char* kStandInTitle = "FreeCell stand-in";

std::string StandIn() { return BuildFolder() + "FreeCellStandIn.exe"; }
std::string GameInSystemFolder() { return SystemFolder() + "freecell.exe"; }

int CountWindowsTitled(const std::string& title) {
    int n = 0;
    for (HWND w : TopWindows(0))
        if (WindowText(w) == title) ++n;
    return n;
}

void KillStandIns() {
    while (const DWORD pid = FindProcessByWindowTitle(kStandInTitle, 0)) {
        if (!KillProcess(pid)) break;
    }
    // A game started just now may not show its window yet: end it by name as well.
    KillProcessesNamed("freecell.exe");
}

class LaunchClose : public testing::Test {
protected:
    void SetUp() override {
        KillStandIns();
        DeleteFileA(GameInSystemFolder().c_str());
    }
    void TearDown() override {
        KillStandIns();
        // The prefix is thrown away after the run, but later tests expect no game there.
        DeleteFileA(GameInSystemFolder().c_str());
    }

    HWND StartTallyvane(const std::string& scratch) {
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        EXPECT_TRUE(program_->Start());
        HWND main = program_->MainWindow();
        EXPECT_NE(main, nullptr);
        return main;
    }

    std::unique_ptr<Program> program_;
};

TEST_F(LaunchClose, LaunchStartsTheGameFromTheSystemFolderThenRefusesASecond) {
    ASSERT_TRUE(CopyFileA(StandIn().c_str(), GameInSystemFolder().c_str(), FALSE));
    HWND main = StartTallyvane("launch-start");
    ASSERT_NE(main, nullptr);
    ClickButton(GetDlgItem(main, IdBtnLaunch));

    const DWORD game = FindProcessByWindowTitle(kStandInTitle, 10000);
    ASSERT_NE(game, 0u) << "the game did not start";
    {
        // It is the copy in the system folder that runs.
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, game);
        ASSERT_NE(process, nullptr);
        char path[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        QueryFullProcessImageNameA(process, 0, path, &size);
        CloseHandle(process);
        EXPECT_EQ(lstrcmpiA(path, GameInSystemFolder().c_str()), 0) << path;
    }

    ClickButton(GetDlgItem(main, IdBtnLaunch));
    HWND box = FindDialog(program_->Pid(), "Information");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "FreeCell is already running.");
    EXPECT_TRUE(PressDialogButton(box, "OK"));
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(CountWindowsTitled(kStandInTitle), 1);
}

TEST_F(LaunchClose, LaunchWithoutTheFileWarnsWithTheSystemFolder) {
    HWND main = StartTallyvane("launch-missing");
    ASSERT_NE(main, nullptr);
    ClickButton(GetDlgItem(main, IdBtnLaunch));
    HWND box = FindDialog(program_->Pid(), "Warning");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "FreeCell.exe could not be found in " + SystemFolder() + ".");
    EXPECT_TRUE(PressDialogButton(box, "OK"));
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_EQ(CountWindowsTitled(kStandInTitle), 0);
}

TEST_F(LaunchClose, CloseTerminatesTheGameWithExitCode259AndSaysNothing) {
    Program game(ScratchFolder("close-game"), "freecell.exe", StandIn());
    ASSERT_TRUE(game.Start());
    HWND game_window = FindTopWindow(game.Pid(), kStandInTitle);
    ASSERT_NE(game_window, nullptr);
    HWND main = StartTallyvane("close-tallyvane");
    ASSERT_NE(main, nullptr);
    ClickButton(GetDlgItem(main, IdBtnKill));
    ASSERT_TRUE(game.WaitForExit(5000));
    EXPECT_EQ(game.ExitCode(), 259u);
    Sleep(500);
    EXPECT_EQ(TopWindows(program_->Pid()), std::vector<HWND>{main});
}

TEST_F(LaunchClose, CloseWithoutAGameDoesNothingVisible) {
    HWND main = StartTallyvane("close-nothing");
    ASSERT_NE(main, nullptr);
    const RECT before = WindowRectOf(main);
    ClickButton(GetDlgItem(main, IdBtnKill));
    Sleep(500);
    EXPECT_TRUE(program_->Running());
    EXPECT_EQ(TopWindows(program_->Pid()), std::vector<HWND>{main});
    const RECT after = WindowRectOf(main);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

}  // namespace
}  // namespace tv::e2e
