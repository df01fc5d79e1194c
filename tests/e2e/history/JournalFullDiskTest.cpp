// The journal on a full disk: the program runs from a small file system of its own that the test
// fills. full-disk.sh mounts it, runs this test and unmounts it; the test refuses to run without it.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/history/JournalSupport.h"
#include "history/JournalCsv.h"
#include "support/fulldisk/FullDisk.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;

constexpr GameFigures kBefore{57, 43, 9, 6, 3, 1};

std::string SystemText(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string s = text;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
    return s;
}

// A journal of exactly one memory page (4096 bytes), its last entry kBefore: on the full file
// system, the next line needs a page that is not there.
std::string PageSizedJournal() {
    std::string text = std::string(kJournalHeader) + "\r\n" + "2026-12-01T10:00:00+01:00,start,50,40,8,6,2,1,\r\n";
    const std::string tail = "2026-12-01T11:00:00+01:00,restore,57,43,9,6,3,1,\"\"\r\n";
    text += tail.substr(0, tail.size() - 3) + std::string(4096 - text.size() - tail.size(), 'x') + "\"\r\n";
    return text;
}

TEST(JournalFullDisk, TheProgramGoesOnReportsOnceLosesNothingAndResumes) {
    const std::string folder = test::FullDiskFolder();
    ASSERT_FALSE(folder.empty()) << "run by full-disk.sh, which mounts the small file system";
    DeleteGameKey();
    const std::string journal = PageSizedJournal();
    ASSERT_EQ(journal.size(), 4096u);
    WriteWholeFile(folder + kJournal, journal);
    WriteWholeFile(folder + "Robin_20050302_221530.reg", "REGEDIT4\r\n");
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    Program program(folder);
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(JournalSettlesAt(folder, 2));  // the values are the last entry's: no start entry
    ASSERT_NO_FATAL_FAILURE(test::FillUp(folder + "filler.bin"));
    const FolderContents before = ReadFolder(folder);

    // The first failure is reported once, with the system's reason; the display follows every game.
    WriteGameAsTheGameDoes({58, 43, 10, 6, 4, 1});
    HWND box = FindDialog(program.Pid(), "Warning");
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    EXPECT_NE(text.find("could not be recorded"), std::string::npos) << text;
    EXPECT_NE(text.find(SystemText(ERROR_DISK_FULL)), std::string::npos) << text;
    WriteGameAsTheGameDoes({58, 44, 10, 6, 1, 0});
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblLost) == "44"; }));
    ASSERT_TRUE(Answer(box, "OK"));
    WriteGameAsTheGameDoes({59, 44, 10, 6, 1, 1});
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main, IdLblWon) == "59"; }));
    EXPECT_EQ(FindDialog(program.Pid(), "Warning", 1000), nullptr);
    EXPECT_EQ(ReadFolder(folder), before);  // nothing lost, nothing half-written

    // With room again, writing resumes by itself at the next change.
    ASSERT_TRUE(DeleteFileA((folder + "filler.bin").c_str()));
    WriteGameAsTheGameDoes({60, 44, 10, 6, 2, 1});
    ASSERT_TRUE(JournalSettlesAt(folder, 3));
    const auto entries = JournalEntries(folder);
    EXPECT_EQ(entries[2].event, JournalEvent::Change);  // three games since the last entry written
    EXPECT_EQ(entries[2].values, JournalValuesOf({60, 44, 10, 6, 2, 1}));
    EXPECT_EQ(ReadWholeFile(folder + kJournal).substr(0, journal.size()), journal);
    EXPECT_EQ(ReadWholeFile(folder + "Robin_20050302_221530.reg"), "REGEDIT4\r\n");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
    DeleteGameKey();
    for (const auto& name : FilesMatching(folder, "*")) DeleteFileA((folder + name).c_str());
}

TEST(JournalFullDisk, AJournalThatCannotBeStartedLeavesNoFileBehind) {
    const std::string folder = test::FullDiskFolder();
    ASSERT_FALSE(folder.empty()) << "run by full-disk.sh, which mounts the small file system";
    DeleteGameKey();
    ASSERT_TRUE(RegExeWriteFigures(kBefore));
    Program program(folder);
    ASSERT_NO_FATAL_FAILURE(test::FillUp(folder + "filler.bin"));
    const std::vector<std::string> before = FilesMatching(folder, "*");
    ASSERT_TRUE(program.Start());
    ASSERT_NE(program.MainWindow(), nullptr);
    HWND box = FindDialog(program.Pid(), "Warning");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "OK"));
    EXPECT_EQ(FilesMatching(folder, "*"), before);  // no empty or half-headed journal that would pass for a stranger's
    ASSERT_TRUE(DeleteFileA((folder + "filler.bin").c_str()));
    WriteGameAsTheGameDoes({58, 43, 10, 6, 4, 1});
    ASSERT_TRUE(JournalSettlesAt(folder, 1));
    EXPECT_EQ(JournalEntries(folder)[0].event, JournalEvent::Start);  // a journal's first entry
    program.Kill();
    DeleteGameKey();
}

}  // namespace
}  // namespace tv::e2e
