// Undoing Clear and Restore, seen from outside: each leaves a backup of what it overwrote, and the
// restore dialog brings it back. The folder and the game's key are compared exactly before and after.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/MainFMIds.h"
#include "backup/RestoreFMIds.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/backup/UndoSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/stats/Figures.h"
#include "shared/WorkedExample.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

constexpr GameFigures kRobin{57, 43, 9, 6, 3, 1};
constexpr GameFigures kOther{120, 80, 11, 4, 2, 0};
const char* const kRobinFile = "Robin_20050302_221530.reg";
const char* const kRobinItem = "3/2/2005 10:15:30 PM - Robin";

int IndexOf(const std::vector<std::string>& items, const std::string& item) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == item) return static_cast<int>(i);
    return -1;
}

class Undo : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override { DeleteGameKey(); }

    void Start(const std::string& scratch, const std::map<std::string, std::string>& files = {}) {
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        for (const auto& [name, text] : files) WriteWholeFile(program_->Folder() + name, text);
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }
    std::string Folder() const { return program_->Folder(); }
    FolderContents Files() const { return WithoutTheHistory(ReadFolder(Folder())); }

    // Clear, answered with the given button; the confirmation has gone when this returns.
    void ClearAnswering(const char* answer) {
        ClickButton(GetDlgItem(main_, IdBtnClear));
        HWND box = FindDialog(program_->Pid(), "Confirm");
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(Answer(box, answer));
    }
    // Restores the list item with this text and answers Yes; the dialog has closed when this returns.
    void RestoreItem(const std::string& item) {
        ASSERT_NO_FATAL_FAILURE(OpenRestoreAndAsk(item));
        ASSERT_TRUE(Answer(confirm_, "&Yes"));
        ASSERT_TRUE(WaitForWindowGone(dialog_));
    }
    // Opens the restore dialog, selects the item and clicks OK: confirm_ is the question.
    void OpenRestoreAndAsk(const std::string& item) {
        ClickButton(GetDlgItem(main_, IdBtnRestore));
        dialog_ = FindTopWindow(program_->Pid(), restorefm::kCaption);
        ASSERT_NE(dialog_, nullptr);
        BringToFront(dialog_);
        HWND list = GetDlgItem(dialog_, restorefm::IdListBoxFiles);
        const int index = IndexOf(ListBoxItems(list), item);
        ASSERT_GE(index, 0) << item << " is not listed";
        ClickListBoxItem(list, index);
        ASSERT_TRUE(WaitUntil([&] { return ListBoxSelection(list) == index; }));
        ClickButton(GetDlgItem(dialog_, IDOK));
        confirm_ = FindDialog(program_->Pid(), "Confirm");
        ASSERT_NE(confirm_, nullptr);
    }
    // Starts with a value the backup format cannot hold; the first read reports it, and is answered.
    void StartWithABadValue(const std::string& scratch, const char* name,
                            const std::map<std::string, std::string>& files) {
        WriteGameValue(name, REG_SZ, {'4', '3', 0});
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        for (const auto& [file, text] : files) WriteWholeFile(program_->Folder() + file, text);
        ASSERT_TRUE(program_->Start());
        HWND error = FindDialog(program_->Pid(), "Tallyvane", 10000);
        ASSERT_NE(error, nullptr);
        ASSERT_EQ(MessageText(error), std::string("Invalid data type for '") + name + "'");
        ASSERT_TRUE(Answer(error, "OK"));
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
        MoveToTheMiddleOfTheScreen(main_);
    }
    // Nothing but the main window is open: no question or notice followed.
    void ExpectOnlyTheMainWindow() {
        Sleep(300);
        EXPECT_EQ(TopWindows(program_->Pid()), std::vector<HWND>{main_});
    }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
    HWND dialog_ = nullptr;
    HWND confirm_ = nullptr;
};

TEST_F(Undo, ClearLeavesABeforeClearBackupWhoseRestoreUndoesIt) {
    ASSERT_TRUE(RegExeWriteFigures(kRobin));
    WriteGameValue("Options", REG_DWORD, {1, 0, 0, 0});  // not one of the six: neither saved nor deleted
    Start("undo-clear", {{"Ann_20041231_000000.reg", BackupText(kOther)}});
    ASSERT_TRUE(WaitForFigures(main_, kShown57));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();
    ASSERT_TRUE(values_before.has_value());

    ASSERT_NO_FATAL_FAILURE(ClearAnswering("&Yes"));
    EXPECT_TRUE(WaitForFigures(main_, kShownNothing)) << ReadFigures(main_);
    ExpectOnlyTheMainWindow();  // no message on success
    // Exactly one new file: the 242-byte backup of the values that went.
    const FolderContents added = AddedFiles(files_before, Files());
    ASSERT_EQ(added.size(), 1u);
    const std::string& backup = added.begin()->first;
    EXPECT_TRUE(IsAutomaticBackupName(backup, "Before Clear")) << backup;
    EXPECT_EQ(added.begin()->second, testdata::kWorkedExampleFile);
    EXPECT_EQ(GameKeyValues(), WithoutTheSix(*values_before));

    // Restoring it brings every value back, and leaves no second backup: there was nothing to save.
    const FolderContents files_cleared = Files();
    ASSERT_NO_FATAL_FAILURE(RestoreItem(ListItemOf(backup)));
    EXPECT_TRUE(WaitForFigures(main_, kShown57)) << ReadFigures(main_);
    EXPECT_EQ(GameKeyValues(), values_before);
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(Files(), files_cleared);
}

TEST_F(Undo, ClearAnsweredNoOrWithNothingToSaveWritesNoFile) {
    ASSERT_TRUE(RegExeWriteFigures(kRobin));
    Start("undo-clear-nothing", {{kRobinFile, BackupText(kRobin)}});
    ASSERT_TRUE(WaitForFigures(main_, kShown57));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();

    ASSERT_NO_FATAL_FAILURE(ClearAnswering("&No"));
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(Files(), files_before);
    EXPECT_EQ(GameKeyValues(), values_before);

    // The key absent: nothing to save, and Clear ends silently as before.
    DeleteGameKey();
    ASSERT_NO_FATAL_FAILURE(ClearAnswering("&Yes"));
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(Files(), files_before);
    EXPECT_FALSE(GameKeyExists());

    // The key without any of the six values: nothing to save either.
    WriteGameValue("Options", REG_DWORD, {1, 0, 0, 0});
    const auto options_only = GameKeyValues();
    ASSERT_NO_FATAL_FAILURE(ClearAnswering("&Yes"));
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(Files(), files_before);
    EXPECT_EQ(GameKeyValues(), options_only);
}

TEST_F(Undo, AClearWhoseBackupFailsAsksAndOnlyYesGoesOnWithoutIt) {
    ASSERT_TRUE(RegExeWriteFigures(kRobin));
    ASSERT_NO_FATAL_FAILURE(StartWithABadValue("undo-clear-asks", "Won", {{kRobinFile, BackupText(kRobin)}}));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();
    const std::string question =
        "The statistics could not be backed up first: Invalid data type for 'Won'. Clear them anyway?";
    // Enter takes the default No; so do Esc and the No button.
    for (WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}, WORD{0}}) {
        ASSERT_NO_FATAL_FAILURE(ClearAnswering("&Yes"));
        HWND box = FindDialog(program_->Pid(), "Confirm");
        ASSERT_NE(box, nullptr);
        ExpectBackupFirstQuestion(box, main_, question);
        if (key) {
            ASSERT_TRUE(BringToFront(box));
            PressKey(key);
            ASSERT_TRUE(WaitForWindowGone(box));
        } else {
            ASSERT_TRUE(Answer(box, "&No"));
        }
        ExpectOnlyTheMainWindow();
        EXPECT_EQ(Files(), files_before);
        EXPECT_EQ(GameKeyValues(), values_before);
    }
    // Yes clears without a backup.
    ASSERT_NO_FATAL_FAILURE(ClearAnswering("&Yes"));
    HWND box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    EXPECT_TRUE(WaitUntil([&] { return GameKeyValues() == WithoutTheSix(*values_before); }));
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(Files(), files_before);
}

TEST_F(Undo, ARestoreWhoseBackupFailsAsksOverTheDialogAndOnlyYesGoesOnWithoutIt) {
    ASSERT_TRUE(RegExeWriteFigures(kOther));
    ASSERT_NO_FATAL_FAILURE(StartWithABadValue("undo-restore-asks", "Lost", {{kRobinFile, BackupText(kRobin)}}));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();
    ASSERT_NO_FATAL_FAILURE(OpenRestoreAndAsk(kRobinItem));
    ASSERT_TRUE(Answer(confirm_, "&Yes"));
    HWND box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ExpectBackupFirstQuestion(
        box, dialog_, "The statistics could not be backed up first: Invalid data type for 'Lost'. Restore anyway?");
    // No: nothing written, and the dialog stays open as after a restore answered No.
    ASSERT_TRUE(Answer(box, "&No"));
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_EQ(Files(), files_before);
    EXPECT_EQ(GameKeyValues(), values_before);
    // Yes restores without a backup.
    ClickButton(GetDlgItem(dialog_, IDOK));
    confirm_ = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(confirm_, nullptr);
    ASSERT_TRUE(Answer(confirm_, "&Yes"));
    box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    EXPECT_TRUE(WaitForWindowGone(dialog_));
    EXPECT_TRUE(WaitForFigures(main_, kShown57)) << ReadFigures(main_);
    EXPECT_EQ(GameKeyValues(), ValuesOf(kRobin));
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(Files(), files_before);
}

TEST_F(Undo, RestoreLeavesABeforeRestoreBackupOfWhatItReplacedAndThatUndoCanBeUndone) {
    ASSERT_TRUE(RegExeWriteFigures(kOther));
    Start("undo-restore", {{kRobinFile, BackupText(kRobin)}});
    ASSERT_TRUE(WaitUntil([&] { return DlgItemText(main_, IdLblWon) == "120"; }));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();

    ASSERT_NO_FATAL_FAILURE(RestoreItem(kRobinItem));
    EXPECT_TRUE(WaitForFigures(main_, kShown57)) << ReadFigures(main_);
    ExpectOnlyTheMainWindow();
    EXPECT_EQ(GameKeyValues(), ValuesOf(kRobin));
    const FolderContents first = AddedFiles(files_before, Files());
    ASSERT_EQ(first.size(), 1u);
    const std::string& before_restore = first.begin()->first;
    EXPECT_TRUE(IsAutomaticBackupName(before_restore, "Before Restore")) << before_restore;
    EXPECT_EQ(first.begin()->second, BackupText(kOther));

    // Restoring that backup undoes the restore, and leaves one of its own with the values it replaced.
    const FolderContents files_restored = Files();
    ASSERT_NO_FATAL_FAILURE(RestoreItem(ListItemOf(before_restore)));
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main_, IdLblWon) == "120"; }));
    EXPECT_EQ(GameKeyValues(), values_before);
    const FolderContents second = AddedFiles(files_restored, Files());
    ASSERT_EQ(second.size(), 1u);
    EXPECT_TRUE(IsAutomaticBackupName(second.begin()->first, "Before Restore")) << second.begin()->first;
    EXPECT_EQ(second.begin()->second, BackupText(kRobin));

    // The undo undone.
    ASSERT_NO_FATAL_FAILURE(RestoreItem(ListItemOf(second.begin()->first)));
    EXPECT_TRUE(WaitForFigures(main_, kShown57)) << ReadFigures(main_);
    EXPECT_EQ(GameKeyValues(), ValuesOf(kRobin));
}

TEST_F(Undo, TwoRestoresWithinOneSecondLeaveTwoBackupsAndReplaceNoFile) {
    ASSERT_TRUE(RegExeWriteFigures(kOther));
    // Automatic backups already there for each of the next seconds: whichever second the two
    // restores are made in, they both find it taken and want the same first free second.
    std::map<std::string, std::string> files;
    for (int s = 0; s < 40; ++s) files[AutomaticBackupNameIn("Before Restore", s)] = "an earlier backup";
    const std::string last_taken = files.rbegin()->first;
    files[kRobinFile] = BackupText(kRobin);
    Start("undo-same-second", files);
    const FolderContents files_before = Files();

    // The same file twice: the second restore finds the restored values, which must not replace
    // the first restore's backup of the values before it.
    ASSERT_NO_FATAL_FAILURE(RestoreItem(kRobinItem));
    ASSERT_NO_FATAL_FAILURE(RestoreItem(kRobinItem));
    ASSERT_LT(AutomaticBackupNameIn("Before Restore", 0), last_taken) << "the test took too long";
    const FolderContents added = AddedFiles(files_before, Files());
    ASSERT_EQ(added.size(), 2u);
    std::vector<std::string> texts;
    for (const auto& [name, text] : added) {
        EXPECT_TRUE(IsAutomaticBackupName(name, "Before Restore")) << name;
        EXPECT_GT(name, last_taken);
        texts.push_back(text);
    }
    // In the order of their names, which is the order of their seconds.
    EXPECT_EQ(texts, (std::vector<std::string>{BackupText(kOther), BackupText(kRobin)}));
    EXPECT_EQ(GameKeyValues(), ValuesOf(kRobin));
}

}  // namespace
}  // namespace tv::e2e
