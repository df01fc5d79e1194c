// The Clear command and its confirmation, driven from outside.
#include <windows.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <vector>

#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "e2e/stats/Figures.h"
#include "platform/Handles.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

// Holds every thread of the program but its window's, the change monitor's worker among them:
// while held, no notification of the registry reaches the window.
class OtherThreadsHeld {
public:
    OtherThreadsHeld(DWORD pid, DWORD window_thread) {
        const UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
        if (!snapshot) return;
        THREADENTRY32 entry{};
        entry.dwSize = sizeof(entry);
        for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
            if (entry.th32OwnerProcessID != pid || entry.th32ThreadID == window_thread) continue;
            UniqueHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID));
            if (thread && SuspendThread(thread.get()) != static_cast<DWORD>(-1)) held_.push_back(std::move(thread));
        }
    }
    ~OtherThreadsHeld() { Release(); }
    OtherThreadsHeld(const OtherThreadsHeld&) = delete;
    OtherThreadsHeld& operator=(const OtherThreadsHeld&) = delete;

    std::size_t Count() const { return held_.size(); }
    void Release() {
        for (const auto& thread : held_) ResumeThread(thread.get());
        held_.clear();
    }

private:
    std::vector<UniqueHandle> held_;
};

constexpr const char* kQuestion = "Are you sure you want to delete all statistics?";
const char* const kValues[] = {"Wins", "Losses", "Won", "Lost", "Streak", "SType"};

class Clear : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override { DeleteGameKey(); }

    // Starts the program with the 57/43 figures and opens the confirmation.
    HWND StartAndAsk(const std::string& name) {
        EXPECT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
        program_ = std::make_unique<Program>(ScratchFolder(name));
        EXPECT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        EXPECT_NE(main_, nullptr);
        EXPECT_TRUE(WaitForFigures(main_, kShown57));
        ClickButton(GetDlgItem(main_, IdBtnClear));
        HWND box = FindDialog(program_->Pid(), "Confirm");
        EXPECT_NE(box, nullptr);
        return box;
    }

    void ExpectNothingChanged(HWND box) {
        EXPECT_TRUE(WaitForWindowGone(box));
        Sleep(300);  // give a wrongly made change time to show
        EXPECT_EQ(ReadFigures(main_), kShown57);
        for (const char* v : kValues) EXPECT_TRUE(ReadGameValue(v).has_value()) << v;
        EXPECT_TRUE(program_->Running());
    }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(Clear, ConfirmationBoxIsTheProgramsOwnCentredOverTheMainWindow) {
    HWND box = StartAndAsk("clear-box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), main_);
    EXPECT_EQ(MessageText(box), kQuestion);
    HWND icon = MessageIcon(box);
    ASSERT_NE(icon, nullptr);
    const RECT ir = WindowRectOf(icon);
    EXPECT_EQ(ir.right - ir.left, 32);
    EXPECT_EQ(ir.bottom - ir.top, 32);

    const auto buttons = DialogButtons(box);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].caption, "&Yes");
    EXPECT_EQ(buttons[0].id, IDYES);
    EXPECT_EQ(buttons[1].caption, "&No");
    EXPECT_EQ(buttons[1].id, IDNO);
    EXPECT_EQ(DefaultButtonId(box), IDYES);

    // One width for both, one row, centred in the client area.
    const RECT yes = WindowRectOf(buttons[0].wnd);
    const RECT no = WindowRectOf(buttons[1].wnd);
    EXPECT_EQ(yes.right - yes.left, no.right - no.left);
    EXPECT_GE(yes.right - yes.left, 50);
    EXPECT_EQ(yes.top, no.top);
    EXPECT_GT(no.left, yes.right);
    const RECT client = ClientRectOnScreen(box);
    EXPECT_NEAR(yes.left - client.left, client.right - no.right, 1);
    // The text's label sits right of the icon, both at the top margin; the buttons below both.
    HWND text = nullptr;
    for (HWND c : Children(box))
        if (WindowText(c) == kQuestion) text = c;
    ASSERT_NE(text, nullptr);
    const RECT tr = WindowRectOf(text);
    EXPECT_EQ(tr.top, ir.top);
    EXPECT_GT(tr.left, ir.right);
    EXPECT_GT(yes.top, std::max(tr.bottom, ir.bottom));
    EXPECT_FALSE(GetWindowLongA(box, GWL_STYLE) & WS_THICKFRAME);

    // Centred over the main window.
    const RECT m = WindowRectOf(main_);
    const RECT b = WindowRectOf(box);
    EXPECT_NEAR((b.left + b.right) / 2, (m.left + m.right) / 2, 1);
    EXPECT_NEAR((b.top + b.bottom) / 2, (m.top + m.bottom) / 2, 1);
    SaveWindowScreenshot(box, "message-box-confirm.bmp");
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectNothingChanged(box);
}

TEST_F(Clear, YesDeletesTheSixValuesAndKeepsTheKey) {
    WriteGameValue("Options", REG_DWORD, {1, 0, 0, 0});  // not the command's to delete
    HWND box = StartAndAsk("clear-yes");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    Click(GetDlgItem(box, IDYES));  // a real mouse click
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(WaitForFigures(main_, kShownNothing)) << ReadFigures(main_);
    EXPECT_TRUE(GameKeyExists());
    for (const char* v : kValues) EXPECT_FALSE(ReadGameValue(v).has_value()) << v;
    EXPECT_TRUE(ReadGameValue("Options").has_value());
}

TEST_F(Clear, TheFiguresFallThroughTheChangeMonitorAlone) {
    HWND box = StartAndAsk("clear-monitor-alone");
    ASSERT_NE(box, nullptr);
    {
        const OtherThreadsHeld held(program_->Pid(), GetWindowThreadProcessId(main_, nullptr));
        ASSERT_GE(held.Count(), 1u) << "no change monitor thread";
        ASSERT_TRUE(PressDialogButton(box, IDYES));
        ASSERT_TRUE(WaitForWindowGone(box));
        // The box hides before the command goes on to delete.
        ASSERT_TRUE(WaitUntil([] {
            for (const char* v : kValues)
                if (ReadGameValue(v).has_value()) return false;
            return true;
        }));
        // Deleted, and nothing told the window: Clear itself does not refresh the figures.
        Sleep(1000);
        EXPECT_EQ(ReadFigures(main_), kShown57);
    }
    // Released, the monitor reports the deletions it was signalled for meanwhile.
    EXPECT_TRUE(WaitForFigures(main_, kShownNothing)) << ReadFigures(main_);
}

TEST_F(Clear, EnterTakesTheDefaultYes) {
    HWND box = StartAndAsk("clear-enter");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(WaitForFigures(main_, kShownNothing)) << ReadFigures(main_);
}

TEST_F(Clear, NoChangesNothing) {
    HWND box = StartAndAsk("clear-no");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressDialogButton(box, IDNO));
    ExpectNothingChanged(box);
}

TEST_F(Clear, EscChangesNothing) {
    HWND box = StartAndAsk("clear-esc");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    PressKey(VK_ESCAPE);
    ExpectNothingChanged(box);
}

TEST_F(Clear, CloseBoxChangesNothing) {
    HWND box = StartAndAsk("clear-close-box");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectNothingChanged(box);
}

TEST_F(Clear, WithoutTheKeyYesDoesNothingAndShowsNothing) {
    Program program(ScratchFolder("clear-no-key"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    ClickButton(GetDlgItem(main, IdBtnClear));
    HWND box = FindDialog(program.Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressDialogButton(box, IDYES));
    EXPECT_TRUE(WaitForWindowGone(box));
    Sleep(500);
    EXPECT_FALSE(GameKeyExists());
    EXPECT_EQ(TopWindows(program.Pid()), std::vector<HWND>{main});
    EXPECT_EQ(ReadFigures(main), kShownNothing);
}

}  // namespace
}  // namespace tv::e2e
