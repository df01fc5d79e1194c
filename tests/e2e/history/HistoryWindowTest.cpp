// The History window seen from outside: opened from the system menu and with Ctrl+H (one at a
// time), following the games written while it is open, copying its entries, restoring one, each
// range of the chart.
#include <windows.h>
#include <gtest/gtest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <tuple>

#include "app/MainFMIds.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/backup/UndoSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "e2e/history/JournalSupport.h"
#include "history/ChartPeriods.h"
#include "history/HistoryFMIds.h"
#include "platform/Handles.h"
#include "support/system/Processes.h"

namespace tv::e2e {
namespace {

using namespace tv::historyfm;

constexpr test::GameFigures kBefore{57, 43, 9, 6, 3, 1};

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
            text.resize(size > 0 ? size - 1 : 0);
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

int ItemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring AccessibleValue(HWND wnd) {
    std::wstring value;
    UniqueCom<IAccessible> accessible;
    if (AccessibleObjectFromWindow(wnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, accessible.put_void()) !=
        S_OK)
        return value;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (accessible->get_accValue(self, &text) == S_OK && text) value = text;
    SysFreeString(text);
    return value;
}

class HistoryWindow : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override {
        if (program_) program_->Kill();
        DeleteGameKey();
    }

    void Start(const std::string& scratch) {
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }
    // Through the system menu's command, as Alt+Space then H gives it.
    HWND Open() {
        PostMessageA(main_, WM_SYSCOMMAND, mainfm::kSysCmdHistory, 0);
        return FindTopWindow(program_->Pid(), kCaption);
    }
    int HistoryWindows() const {
        int count = 0;
        for (HWND wnd : TopWindows(program_->Pid())) count += WindowText(wnd) == kCaption;
        return count;
    }
    std::string Folder() const { return program_->Folder(); }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(HistoryWindow, OpensFromTheSystemMenuAndWithCtrlHOnceAtATime) {
    ASSERT_NO_FATAL_FAILURE(Start("history-open"));
    ASSERT_TRUE(BringToFront(main_));
    PressKey(VK_SPACE, true);
    Sleep(300);
    PressKey('H');
    HWND history = FindTopWindow(program_->Pid(), kCaption);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(GetWindow(history, GW_OWNER), main_);
    // Esc closes it; Ctrl+H in the main window opens it again.
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForWindowGone(history));
    ASSERT_TRUE(BringToFront(main_));
    PressKey('H', false, false, true);
    history = FindTopWindow(program_->Pid(), kCaption);
    ASSERT_NE(history, nullptr);
    // Asked again, from the main window in front: the same window comes to the front.
    ASSERT_TRUE(BringToFront(main_));
    PressKey('H', false, false, true);
    test::WaitUntil([&] { return GetForegroundWindow() == history; });
    EXPECT_EQ(GetForegroundWindow(), history);
    EXPECT_EQ(Open(), history);
    EXPECT_EQ(HistoryWindows(), 1);
    // "Close" closes it, and the main window takes it along.
    ClickButton(GetDlgItem(history, IdBtnClose));
    ASSERT_TRUE(WaitForWindowGone(history));
    history = Open();
    ASSERT_NE(history, nullptr);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForWindowGone(history));
}

TEST_F(HistoryWindow, FollowsGamesAndCopiesItsEntries) {
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    ASSERT_NO_FATAL_FAILURE(Start("history-live"));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 1));
    HWND history = Open();
    ASSERT_NE(history, nullptr);
    HWND list = GetDlgItem(history, IdList);
    EXPECT_EQ(ItemCount(list), 1);

    // Two games while it is open: the list and the figures follow without opening it again.
    WriteGameAsTheGameDoes({58, 43, 10, 6, 1, 1});
    ASSERT_TRUE(JournalSettlesAt(Folder(), 2));
    WriteGameAsTheGameDoes({58, 44, 10, 7, 1, 0});
    ASSERT_TRUE(JournalSettlesAt(Folder(), 3));
    EXPECT_TRUE(test::WaitUntil([&] { return ItemCount(list) == 3; }));
    EXPECT_EQ(DlgItemText(history, IdFiguresFirst), "Today: 2 games, 1 won, 1 lost, 50%");
    EXPECT_EQ(DlgItemText(history, IdFiguresFirst + 3), "All recorded: 2 games, 1 won, 1 lost, 50%");
    EXPECT_EQ(DlgItemText(history, IdFiguresFirst + 6), "Last ten games: WL");
    ASSERT_TRUE(SaveWindowScreenshot(history, "history-window.bmp"));

    // Ctrl+C without a selection: every entry, newest first, under the header.
    Click(list);
    PressKey('C', false, false, true);
    std::vector<std::string> lines;
    test::WaitUntil([&] { return (lines = Lines(ClipboardText())).size() == 4; });
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Time\tEvent\tWon\tLost\tPercentage\tStreak");
    EXPECT_NE(lines[1].find("\tLost\t58\t44\t57%\t"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("\tWon\t58\t43\t57%\t"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("\tStart\t57\t43\t57%\t"), std::string::npos) << lines[3];
    // The selected entry alone ("Copy" does the same).
    PressKey(VK_END);
    ClickButton(GetDlgItem(history, IdBtnCopy));
    test::WaitUntil([&] { return (lines = Lines(ClipboardText())).size() == 2; });
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("\tStart\t"), std::string::npos) << lines[1];
}

TEST_F(HistoryWindow, RestoresAnEntryWithItsAbsentValue) {
    // The first state has no SType at all.
    for (const auto& [name, value] : {std::pair{"Won", 5}, {"Lost", 4}, {"Wins", 2}, {"Losses", 1}, {"Streak", 1}})
        ASSERT_TRUE(test::RegExeWriteBinary(name, value));
    ASSERT_NO_FATAL_FAILURE(Start("history-restore"));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 1));
    WriteGameAsTheGameDoes({6, 4, 2, 1, 2, 1});
    ASSERT_TRUE(JournalSettlesAt(Folder(), 2));
    HWND history = Open();
    ASSERT_NE(history, nullptr);
    HWND restore = GetDlgItem(history, IdBtnRestore);
    EXPECT_FALSE(IsWindowEnabled(restore));

    Click(GetDlgItem(history, IdList));
    PressKey(VK_END);  // the oldest entry: the start
    ASSERT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(restore) != FALSE; }));
    ClickButton(restore);
    HWND box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box).rfind("Restore backup file dated \"", 0), 0u) << MessageText(box);
    ASSERT_TRUE(Answer(box, "&Yes"));

    EXPECT_TRUE(test::WaitUntil([&] { return DlgItemText(main_, mainfm::IdLblWon) == "5"; }));
    EXPECT_FALSE(test::ReadGameValue("SType").has_value());
    EXPECT_EQ(test::ReadGameValue("Won"), (std::vector<std::uint8_t>{5, 0, 0, 0}));
    bool undo = false;
    for (const auto& [name, bytes] : test::ReadFolder(Folder())) undo |= IsAutomaticBackupName(name, "Before Restore");
    EXPECT_TRUE(undo);
    ASSERT_TRUE(JournalSettlesAt(Folder(), 3));
    EXPECT_EQ(JournalEntries(Folder())[2].event, JournalEvent::Restore);
    EXPECT_TRUE(test::WaitUntil([&] { return ItemCount(GetDlgItem(history, IdList)) == 3; }));
}

// The periods of the chart, walked with the arrow keys: each shows its own line under the chart.
int PeriodsByKeys(HWND history) {
    HWND line = GetDlgItem(history, IdPeriodLine);
    Click(GetDlgItem(history, IdChart));
    PressKey(VK_HOME);
    std::string last;
    int periods = 0;
    while (periods < 400 &&
           test::WaitUntil([&] { return !WindowText(line).empty() && WindowText(line) != last; }, 700)) {
        last = WindowText(line);
        ++periods;
        PressKey(VK_RIGHT);
    }
    return periods;
}

TEST_F(HistoryWindow, EachRangeHasItsPeriods) {
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    ASSERT_NO_FATAL_FAILURE(Start("history-ranges"));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 1));
    WriteGameAsTheGameDoes({58, 43, 10, 6, 4, 1});  // a chart without games has no periods
    ASSERT_TRUE(JournalSettlesAt(Folder(), 2));
    HWND history = Open();
    ASSERT_NE(history, nullptr);
    HWND chart = GetDlgItem(history, IdChart);
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(AccessibleValue(chart).rfind(L"Last 30 days: ", 0), 0u);
    EXPECT_EQ(PeriodsByKeys(history), 30);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char first_day[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, first_day, sizeof(first_day));
    const auto weeks =
        ComputeChartPeriods({}, ChartRange::Months12, {now.wYear, now.wMonth, now.wDay}, first_day[0] - '0')
            .periods.size();
    // "All" over the entries of today: that day alone.
    const std::tuple<int, const wchar_t*, int> ranges[] = {
        {IdRange7Days, L"Last 7 days: ", 7},
        {IdRange12Months, L"Last 12 months: ", static_cast<int>(weeks)},
        {IdRangeAll, L"All recorded: ", 1}};
    for (const auto& [id, name, periods] : ranges) {
        Click(GetDlgItem(history, id));
        EXPECT_TRUE(test::WaitUntil([&] { return AccessibleValue(chart).rfind(name, 0) == 0; })) << id;
        EXPECT_EQ(SendMessageA(GetDlgItem(history, id), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageA(GetDlgItem(history, IdRange30Days), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(PeriodsByKeys(history), periods) << id;
    }
    CoUninitialize();
}

}  // namespace
}  // namespace tv::e2e
