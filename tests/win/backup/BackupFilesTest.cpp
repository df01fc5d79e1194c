// Backup files on the real file system: writing in one piece, reading, listing.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "backup/BackupFiles.h"
#include "platform/Error.h"
#include "support/ErrorOf.h"
#include "support/system/Folders.h"

namespace tv {
namespace {

using test::ErrorOf;

std::set<std::string> FilesIn(const std::string& folder) {
    const auto names = test::FilesMatching(folder, "*");
    return {names.begin(), names.end()};
}

void PutFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

TEST(BackupFiles, WritesTheExactBytesAndReplacesAnEarlierFile) {
    const std::string folder = test::ScratchFolder("backup-write");
    const std::string path = folder + "Robin_20050302_221530.reg";
    WriteBackupFile(path, std::string("REGEDIT4\r\n\0x", 12));
    EXPECT_EQ(ReadBackupFileBytes(path), std::string("REGEDIT4\r\n\0x", 12));
    WriteBackupFile(path, "second");
    EXPECT_EQ(ReadBackupFileBytes(path), "second");
    // Nothing is left beside the file.
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"Robin_20050302_221530.reg"}));
}

TEST(BackupFiles, AFailedWriteKeepsTheEarlierFileAndLeavesNothingBehind) {
    const std::string folder = test::ScratchFolder("backup-keep");
    const std::string path = folder + "Robin_20050302_221530.reg";
    PutFile(path, "old backup");
    // Open without sharing: the new file cannot be moved over it.
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOf([&] { WriteBackupFile(path, "new backup"); }), "Cannot create file " + path);
    CloseHandle(lock);
    EXPECT_EQ(ReadBackupFileBytes(path), "old backup");
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"Robin_20050302_221530.reg"}));
}

TEST(BackupFiles, ANewFileNeverReplacesAFileOrFolderOfItsName) {
    const std::string folder = test::ScratchFolder("backup-new");
    const std::string path = folder + "Before Clear_20260812_013000.reg";
    EXPECT_TRUE(WriteNewBackupFile(path, "first"));
    EXPECT_FALSE(WriteNewBackupFile(path, "second"));
    EXPECT_EQ(ReadBackupFileBytes(path), "first");
    const std::string directory = folder + "Before Clear_20260812_013001.reg";
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    EXPECT_FALSE(WriteNewBackupFile(directory, "third"));
    // Neither refusal leaves its scratch file behind.
    EXPECT_EQ(FilesIn(folder),
              (std::set<std::string>{"Before Clear_20260812_013000.reg", "Before Clear_20260812_013001.reg"}));
}

TEST(BackupFiles, NamesThatCannotBeCreated) {
    const std::string folder = test::ScratchFolder("backup-bad-names");
    for (const std::string name :
         {"Ro?in_20050302_221530.reg", "Ro|in_20050302_221530.reg", "a<b_20050302_221530.reg"}) {
        EXPECT_EQ(ErrorOf([&] { WriteBackupFile(folder + name, "x"); }), "Cannot create file " + folder + name);
    }
    const std::string missing = folder + "no such folder\\20050302_221530.reg";
    EXPECT_EQ(ErrorOf([&] { WriteBackupFile(missing, "x"); }), "Cannot create file " + missing);
    const std::string directory = folder + "dir_20050302_221530.reg";
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    EXPECT_EQ(ErrorOf([&] { WriteBackupFile(directory, "x"); }), "Cannot create file " + directory);
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"dir_20050302_221530.reg"}));
}

TEST(BackupFiles, ReadingFailsWithTheFullPath) {
    const std::string folder = test::ScratchFolder("backup-read");
    const std::string missing = folder + "gone_20050302_221530.reg";
    EXPECT_EQ(ErrorOf([&] { ReadBackupFile(missing); }), "Cannot open file " + missing);
    const std::string directory = folder + "dir_20050302_221530.reg";
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    EXPECT_EQ(ErrorOf([&] { ReadBackupFile(directory); }), "Cannot open file " + directory);
    // Another reader does not stop us; a writer does.
    const std::string path = folder + "Robin_20050302_221530.reg";
    PutFile(path, "\"Won\"=hex:39,00,00,00\r\n");
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(ReadBackupFile(path), (std::vector<std::string>{"\"Won\"=hex:39,00,00,00"}));
    CloseHandle(reader);
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    EXPECT_EQ(ErrorOf([&] { ReadBackupFile(path); }), "Cannot open file " + path);
    CloseHandle(writer);
}

TEST(BackupFiles, ListingMatchesTheTimestampTailOnly) {
    const std::string folder = test::ScratchFolder("backup-list");
    for (const char* name :
         {"Robin_20050302_221530.reg", "20050302_221530.reg", "x20050302_221530.reg", "Upper_20050302_221530.REG",
          "notes.reg", "0302_221530.reg", "Robin_20050302_221530.reg.bak", "Robin_20050302_221530.txt"})
        PutFile(folder + name, "");
    PutFile(folder + "hidden_20050302_221530.reg", "");
    SetFileAttributesA((folder + "hidden_20050302_221530.reg").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    PutFile(folder + "readonly_20050302_221530.reg", "");
    SetFileAttributesA((folder + "readonly_20050302_221530.reg").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(CreateDirectoryA((folder + "dir_20050302_221530.reg").c_str(), nullptr));
    auto names = FindBackupFileNames(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"20050302_221530.reg", "Robin_20050302_221530.reg", "Upper_20050302_221530.REG",
                                        "dir_20050302_221530.reg", "hidden_20050302_221530.reg",
                                        "readonly_20050302_221530.reg", "x20050302_221530.reg"}));
    SetFileAttributesA((folder + "readonly_20050302_221530.reg").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(FindBackupFileNames(folder + "missing\\").empty());
}

TEST(BackupFiles, ListingStopsAtANameThatDoesNotDecode) {
    const std::string folder = test::ScratchFolder("backup-list-bad");
    PutFile(folder + "Robin_20051302_221530.reg", "");
    int listed = 0;
    EXPECT_EQ(ErrorOf([&] { ListBackupFiles(folder, [&](const BackupEntry&) { ++listed; }); }),
              "Invalid argument to date encode");
    EXPECT_EQ(listed, 0);
}

}  // namespace
}  // namespace tv
