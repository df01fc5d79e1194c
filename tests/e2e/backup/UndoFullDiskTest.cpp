// Clear and Restore from a program folder on a full disk, where their automatic backup cannot be
// written: they ask with the writer's reason, No changes nothing, Yes goes on without a backup.
// full-disk.sh mounts the small file system around this test; the test refuses to run without it.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainFMIds.h"
#include "backup/RestoreFMIds.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/backup/UndoSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/stats/Figures.h"
#include "support/fulldisk/FullDisk.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

constexpr GameFigures kRobin{57, 43, 9, 6, 3, 1};
constexpr GameFigures kOther{120, 80, 11, 4, 2, 0};

class UndoOnAFullDisk : public testing::Test {
protected:
    void SetUp() override {
        disk_ = test::FullDiskFolder();
        ASSERT_FALSE(disk_.empty()) << "run by tests/support/fulldisk/full-disk.sh, which mounts the small file system";
        DeleteGameKey();
    }
    void TearDown() override {
        if (program_) program_->Kill();
        DeleteFileA(Filler().c_str());
        DeleteGameKey();
    }

    // The program in a folder of its own on the small file system, which is then filled up.
    void StartOnAFullDisk(const std::string& name, const std::string& robin_backup = "") {
        const std::string folder = disk_ + name + "\\";
        program_ = std::make_unique<Program>(folder);
        if (!robin_backup.empty()) WriteWholeFile(folder + "Robin_20050302_221530.reg", robin_backup);
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
        MoveToTheMiddleOfTheScreen(main_);
        ASSERT_TRUE(WaitForTheHistoryStart(folder));
        ASSERT_NO_FATAL_FAILURE(test::FillUp(Filler()));
    }
    std::string Filler() const { return disk_ + "filler.bin"; }
    FolderContents Files() const { return WithoutTheHistory(ReadFolder(program_->Folder())); }
    // The confirmation that follows a click (the command's own question, then the backup's).
    HWND NextQuestion() const { return FindDialog(program_->Pid(), "Confirm"); }

    std::string disk_;
    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(UndoOnAFullDisk, ClearAsksWithTheWritersReasonAndOnlyYesClearsWithoutABackup) {
    ASSERT_TRUE(RegExeWriteFigures(kRobin));
    ASSERT_NO_FATAL_FAILURE(StartOnAFullDisk("clear"));
    ASSERT_TRUE(WaitForFigures(main_, kShown57));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();

    ClickButton(GetDlgItem(main_, IdBtnClear));
    ASSERT_TRUE(Answer(NextQuestion(), "&Yes"));
    HWND box = NextQuestion();
    ASSERT_NE(box, nullptr);
    ExpectBackupFirstQuestion(box, main_,
                              "The statistics could not be backed up first: Stream write error. Clear them anyway?");
    ASSERT_TRUE(Answer(box, "&No"));
    Sleep(300);
    // Nothing deleted, and nothing written: not even the scratch file of the failed write is left.
    EXPECT_EQ(GameKeyValues(), values_before);
    EXPECT_EQ(Files(), files_before);
    EXPECT_EQ(ReadFigures(main_), kShown57);

    ClickButton(GetDlgItem(main_, IdBtnClear));
    ASSERT_TRUE(Answer(NextQuestion(), "&Yes"));
    ASSERT_TRUE(Answer(NextQuestion(), "&Yes"));
    EXPECT_TRUE(WaitForFigures(main_, kShownNothing)) << ReadFigures(main_);
    EXPECT_EQ(GameKeyValues(), WithoutTheSix(*values_before));
    EXPECT_EQ(Files(), files_before);
    EXPECT_EQ(TopWindows(program_->Pid()), std::vector<HWND>{main_});
}

TEST_F(UndoOnAFullDisk, RestoreAsksWithTheWritersReasonAndOnlyYesRestoresWithoutABackup) {
    ASSERT_TRUE(RegExeWriteFigures(kOther));
    ASSERT_NO_FATAL_FAILURE(StartOnAFullDisk("restore", BackupText(kRobin)));
    const FolderContents files_before = Files();
    const auto values_before = GameKeyValues();

    ClickButton(GetDlgItem(main_, IdBtnRestore));
    HWND dialog = FindTopWindow(program_->Pid(), restorefm::kCaption);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, restorefm::IdListBoxFiles);
    ASSERT_EQ(ListBoxItems(list), std::vector<std::string>{"3/2/2005 10:15:30 PM - Robin"});
    ClickListBoxItem(list, 0);
    ASSERT_TRUE(WaitUntil([&] { return ListBoxSelection(list) == 0; }));
    const auto restore_answering = [&](const char* answer) {
        ClickButton(GetDlgItem(dialog, IDOK));
        ASSERT_TRUE(Answer(NextQuestion(), "&Yes"));
        HWND box = NextQuestion();
        ASSERT_NE(box, nullptr);
        ExpectBackupFirstQuestion(box, dialog,
                                  "The statistics could not be backed up first: Stream write error. Restore anyway?");
        ASSERT_TRUE(Answer(box, answer));
    };
    ASSERT_NO_FATAL_FAILURE(restore_answering("&No"));
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GameKeyValues(), values_before);
    EXPECT_EQ(Files(), files_before);

    ASSERT_NO_FATAL_FAILURE(restore_answering("&Yes"));
    EXPECT_TRUE(WaitForWindowGone(dialog));
    EXPECT_TRUE(WaitForFigures(main_, kShown57)) << ReadFigures(main_);
    EXPECT_EQ(GameKeyValues(), ValuesOf(kRobin));
    EXPECT_EQ(Files(), files_before);
}

}  // namespace
}  // namespace tv::e2e
