// The journal beside the program, seen from outside: each game one entry (also in the polling
// build), the program's own Clear and restore named, games played while it was not running found
// at its start. A file of that name that it did not write: tests/win/history.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainFMIds.h"
#include "backup/RestoreFMIds.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/backup/UndoSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/history/JournalSupport.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

constexpr GameFigures kBefore{57, 43, 9, 6, 3, 1};

class Journal : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override {
        if (program_) program_->Kill();
        DeleteGameKey();
    }

    void Start(const std::string& folder, const char* build = "Tallyvane.exe") {
        if (!program_ || program_->Folder() != folder)
            program_ = std::make_unique<Program>(folder, "Tallyvane.exe", BuildFolder() + build);
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }
    void Close() {
        PostMessageA(main_, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program_->WaitForExit(10000));
    }
    std::string Folder() const { return program_->Folder(); }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(Journal, EachGameMakesOneEntry) {
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    ASSERT_NO_FATAL_FAILURE(Start(ScratchFolder("journal-games")));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 1));
    EXPECT_EQ(JournalEntries(Folder())[0].event, JournalEvent::Start);

    // One game, its six values written one after the other: one entry.
    WriteGameAsTheGameDoes({58, 43, 10, 6, 4, 1});
    ASSERT_TRUE(JournalSettlesAt(Folder(), 2));
    const JournalEntry won = JournalEntries(Folder())[1];
    EXPECT_EQ(won.event, JournalEvent::Won);
    EXPECT_EQ(won.values, JournalValuesOf({58, 43, 10, 6, 4, 1}));

    // Five games, as a player plays them: five entries.
    const GameFigures games[] = {{58, 44, 10, 6, 1, 0},
                                 {58, 45, 10, 6, 2, 0},
                                 {59, 45, 10, 6, 1, 1},
                                 {60, 45, 10, 6, 2, 1},
                                 {60, 46, 10, 6, 1, 0}};
    for (const auto& g : games) {
        WriteGameAsTheGameDoes(g);
        Sleep(600);
    }
    ASSERT_TRUE(JournalSettlesAt(Folder(), 7));
    const auto entries = JournalEntries(Folder());
    const JournalEvent expected[] = {JournalEvent::Lost, JournalEvent::Lost, JournalEvent::Won, JournalEvent::Won,
                                     JournalEvent::Lost};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(entries[2 + i].event, expected[i]) << i;
        EXPECT_EQ(entries[2 + i].values, JournalValuesOf(games[i])) << i;
    }
    // Still showing every change: the journal comes after the labels.
    EXPECT_EQ(DlgItemText(main_, IdLblLost), "46");
}

TEST_F(Journal, ThePollingBuildMakesOneEntryOfAGameWrittenAcrossItsTicks) {
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    ASSERT_NO_FATAL_FAILURE(Start(ScratchFolder("journal-polling"), "TallyvanePolling.exe"));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 1));
    // A slow writer: a tick may see the first values only; the journal looks again before writing.
    const std::pair<const char*, std::uint8_t> values[] = {{"Wins", 10}, {"Losses", 6}, {"Won", 58},
                                                           {"Lost", 43}, {"Streak", 4}, {"SType", 1}};
    for (int round = 0; round < 3; ++round) {
        const auto r = static_cast<std::uint8_t>(round);
        for (const auto& [name, value] : values) {
            WriteGameValue(name, REG_BINARY, {static_cast<std::uint8_t>(value + r), 0, 0, 0});
            Sleep(150);  // six writes over most of a second: a tick lands among them
        }
        ASSERT_TRUE(JournalSettlesAt(Folder(), 2 + round)) << round;
        const JournalEntry entry = JournalEntries(Folder()).back();
        EXPECT_EQ(entry.event, round == 0 ? JournalEvent::Won : JournalEvent::Change) << round;
        EXPECT_EQ(entry.values, JournalValuesOf({58 + round, 43 + round, 10 + round, 6 + round, 4 + round, 1 + round}));
    }
}

TEST_F(Journal, ClearAndRestoreAreNamedAndARestartFindsWhatChanged) {
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    ASSERT_NO_FATAL_FAILURE(Start(ScratchFolder("journal-commands")));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 1));

    ClickButton(GetDlgItem(main_, IdBtnClear));
    HWND box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 2));
    auto entries = JournalEntries(Folder());
    EXPECT_EQ(entries[1].event, JournalEvent::Clear);
    EXPECT_EQ(entries[1].values, JournalValues{});  // every value absent, not 0

    const auto backups = FilesMatching(Folder(), "Before Clear_*.reg");
    ASSERT_EQ(backups.size(), 1u);
    ClickButton(GetDlgItem(main_, IdBtnRestore));
    HWND dialog = FindTopWindow(program_->Pid(), restorefm::kCaption);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, restorefm::IdListBoxFiles);
    const auto items = ListBoxItems(list);
    ASSERT_EQ(items.size(), 1u);
    ASSERT_EQ(items[0], ListItemOf(backups[0]));
    BringToFront(dialog);
    ClickListBoxItem(list, 0);
    ASSERT_TRUE(WaitUntil([&] { return ListBoxSelection(list) == 0; }));
    ClickButton(GetDlgItem(dialog, IDOK));
    box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    ASSERT_TRUE(WaitForWindowGone(dialog));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 3));
    entries = JournalEntries(Folder());
    EXPECT_EQ(entries[2].event, JournalEvent::Restore);
    EXPECT_EQ(entries[2].detail, backups[0]);
    EXPECT_EQ(entries[2].values, JournalValuesOf(kBefore));

    // Closed and started again with nothing changed: no entry. Games while it was not running: one start.
    ASSERT_NO_FATAL_FAILURE(Close());
    ASSERT_NO_FATAL_FAILURE(Start(Folder()));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 3));
    ASSERT_NO_FATAL_FAILURE(Close());
    ASSERT_TRUE(RegExeWriteFigures({60, 45, 10, 6, 1, 1}));
    ASSERT_NO_FATAL_FAILURE(Start(Folder()));
    ASSERT_TRUE(JournalSettlesAt(Folder(), 4));
    entries = JournalEntries(Folder());
    EXPECT_EQ(entries[3].event, JournalEvent::Start);
    EXPECT_EQ(entries[3].values, JournalValuesOf({60, 45, 10, 6, 1, 1}));
}

}  // namespace
}  // namespace tv::e2e
