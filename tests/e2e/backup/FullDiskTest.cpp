// A backup on a full disk: the program runs from a small file system of its own that the test
// fills, so the write fails part-way. full-disk.sh mounts that file system, runs this test and
// unmounts it again; the test refuses to run without it.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/MainFMIds.h"
#include "backup/BackupFormat.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "platform/Handles.h"
#include "shared/WorkedExample.h"
#include "support/fulldisk/FullDisk.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

using test::FillUp;
using test::FullDiskFolder;

std::string StampName(const std::string& backup_name, const SYSTEMTIME& t) {
    return BackupFileName("", backup_name, {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
}

std::vector<std::string> FilesIn(const std::string& folder) { return FilesMatching(folder, "*"); }

class FullDisk : public testing::Test {
protected:
    void SetUp() override {
        folder_ = FullDiskFolder();
        ASSERT_FALSE(folder_.empty()) << "run by tests/e2e/backup/full-disk.sh, which mounts the small file system";
        DeleteGameKey();
    }
    void TearDown() override {
        if (program_) program_->Kill();
        DeleteGameKey();
    }

    // Types the name into the backup prompt and returns the message box that follows.
    HWND BackUpAs(HWND main, const std::string& name, const char* caption) {
        ClickButton(GetDlgItem(main, IdBtnBackup));
        HWND prompt = FindTopWindow(program_->Pid(), "Backup");
        if (!prompt) return nullptr;
        BringToFront(prompt);
        TypeText(name);
        PressKey(VK_RETURN);
        WaitForWindowGone(prompt);
        return FindDialog(program_->Pid(), caption);
    }

    std::string folder_;
    std::unique_ptr<Program> program_;
};

TEST_F(FullDisk, AWriteThatFailsPartWayReportsStreamWriteErrorAndKeepsEveryEarlierFile) {
    ASSERT_TRUE(RegExeWriteFigures({120, 80, 11, 4, 2, 0}));
    program_ = std::make_unique<Program>(folder_);
    // Earlier backups under the name, one for each of the next seconds: whichever second the
    // backup is made in, its file name is already taken by one of them.
    std::vector<std::string> earlier;
    for (int s = 0; s < 40; ++s) {
        const std::string name = StampName("Robin", LocalTimeIn(s));
        if (earlier.empty() || earlier.back() != name) earlier.push_back(name);
    }
    for (const auto& name : earlier) WriteWholeFile(folder_ + name, testdata::kWorkedExampleFile);
    ASSERT_TRUE(program_->Start());
    HWND main = program_->MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForTheHistoryStart(folder_));
    ASSERT_NO_FATAL_FAILURE(FillUp(folder_ + "filler.bin"));
    const std::vector<std::string> before = FilesIn(folder_);

    HWND box = BackUpAs(main, "Robin", "Warning");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Could not backup statistics.\r\nStream write error");
    ASSERT_TRUE(Answer(box, "OK"));
    ASSERT_LT(StampName("Robin", LocalTimeIn(0)), earlier.back()) << "the test took too long";
    // Nothing new beside them, nothing of a partial file, and every earlier backup as it was.
    EXPECT_EQ(FilesIn(folder_), before);
    for (const auto& name : earlier) EXPECT_EQ(ReadWholeFile(folder_ + name), testdata::kWorkedExampleFile) << name;

    // With room again, the same backup replaces the file of its second.
    ASSERT_TRUE(DeleteFileA((folder_ + "filler.bin").c_str()));
    box = BackUpAs(main, "Robin", "Information");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "OK"));
    int replaced = 0;
    for (const auto& name : earlier) replaced += ReadWholeFile(folder_ + name) != testdata::kWorkedExampleFile;
    EXPECT_EQ(replaced, 1);
}

}  // namespace
}  // namespace tv::e2e
