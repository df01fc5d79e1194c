// One copy per executable file name: a second start brings the first to the front and ends.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"

namespace tv::e2e {
namespace {

int MainWindowCount() {
    int n = 0;
    for (HWND w : TopWindows(0))
        if (ClassName(w) == "TMainForm") ++n;
    return n;
}

TEST(SingleInstance, SecondStartFromAnotherFolderRestoresAndRaisesTheFirst) {
    Program first(ScratchFolder("single-first"));
    ASSERT_TRUE(first.Start());
    HWND main = first.MainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != 0; }));

    // Another program has the foreground when the second copy starts.
    Program other(ScratchFolder("single-other"), "other.exe", BuildFolder() + "FreeCellStandIn.exe");
    ASSERT_TRUE(other.Start());
    HWND other_window = FindTopWindow(other.Pid(), "FreeCell stand-in");
    ASSERT_NE(other_window, nullptr);
    ASSERT_TRUE(BringToFront(other_window));

    Program second(ScratchFolder("single-second"));  // same file name, other folder
    ASSERT_TRUE(second.Start());
    ASSERT_TRUE(second.WaitForExit(10000)) << "the second copy kept running";
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }))
        << "iconic " << IsIconic(main) << ", foreground " << WindowText(GetForegroundWindow());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(MainWindowCount(), 1);
}

TEST(SingleInstance, SecondStartOfTheSameFileShowsNothing) {
    const std::string folder = ScratchFolder("single-same");
    Program first(folder);
    ASSERT_TRUE(first.Start());
    HWND main = first.MainWindow();
    ASSERT_NE(main, nullptr);
    Program again(folder);  // the copy onto the running file may fail; the file is there anyway
    ASSERT_TRUE(again.Start());
    // Watched for the whole of its short life: any window it shows, for however short a time.
    std::vector<std::string> shown;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!again.WaitForExit(5)) {
        for (HWND w : TopWindows(again.Pid()))
            if (shown.size() < 10) shown.push_back(ClassName(w) + " \"" + WindowText(w) + "\"");
        ASSERT_TRUE(std::chrono::steady_clock::now() < deadline) << "the second copy kept running";
    }
    EXPECT_TRUE(shown.empty()) << shown.front();
    EXPECT_EQ(MainWindowCount(), 1);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
}

TEST(SingleInstance, TheApplicationWindowIsHiddenAndCarriesTheTitle) {
    Program program(ScratchFolder("single-title"));
    ASSERT_TRUE(program.Start());
    ASSERT_NE(program.MainWindow(), nullptr);
    HWND app = nullptr;
    for (HWND w = FindWindowExA(nullptr, nullptr, "TApplication", nullptr); w;
         w = FindWindowExA(nullptr, w, "TApplication", nullptr))
        if (WindowProcess(w) == program.Pid()) app = w;
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(WindowText(app), "Tallyvane");
    EXPECT_FALSE(IsWindowVisible(app));
}

TEST(SingleInstance, ACopyUnderAnotherNameRunsBeside) {
    Program first(ScratchFolder("single-name-a"));
    Program renamed(ScratchFolder("single-name-b"), "Tallyvane2.exe");
    ASSERT_TRUE(first.Start());
    ASSERT_NE(first.MainWindow(), nullptr);
    ASSERT_TRUE(renamed.Start());
    ASSERT_NE(renamed.MainWindow(), nullptr);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(renamed.Running());
    EXPECT_EQ(MainWindowCount(), 2);
}

TEST(SingleInstance, CopiesStartedTogetherLeaveExactlyOne) {
    for (int round = 0; round < 3; ++round) {
        const std::string folder = ScratchFolder("single-race");
        std::vector<std::unique_ptr<Program>> copies;
        for (int i = 0; i < 3; ++i) copies.push_back(std::make_unique<Program>(folder));
        for (auto& c : copies) ASSERT_TRUE(c->Start());
        HWND main = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                main = FindTopWindowByClass(0, "TMainForm", 0);
                return main != nullptr;
            },
            10000));
        // Every copy but one ends by itself.
        EXPECT_TRUE(WaitUntil(
            [&] {
                int running = 0;
                for (auto& c : copies) running += c->Running() ? 1 : 0;
                return running == 1;
            },
            10000))
            << "round " << round;
        Sleep(300);
        EXPECT_EQ(MainWindowCount(), 1) << "round " << round;
        for (auto& c : copies) c->Kill();
        ASSERT_TRUE(WaitForWindowGone(main));
    }
}

}  // namespace
}  // namespace tv::e2e
