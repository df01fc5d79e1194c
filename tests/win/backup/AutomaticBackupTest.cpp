// The automatic backup that Clear and Restore write first, against the real registry and files.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "backup/AutomaticBackup.h"
#include "backup/BackupFiles.h"
#include "shared/WorkedExample.h"
#include "support/system/Folders.h"
#include "support/system/Registry.h"

namespace tv {
namespace {

using test::FilesMatching;
using test::ReadWholeFile;

constexpr BackupStamp kAt{2026, 8, 12, 1, 30, 0};

std::vector<std::uint8_t> Bytes(std::int32_t value) {
    const RawValue raw = IntegerToRawBytes(value);
    return {raw.begin(), raw.end()};
}

void WriteFigures(const test::GameFigures& f) {
    test::WriteGameValue("Won", REG_BINARY, Bytes(f.Won));
    test::WriteGameValue("Lost", REG_BINARY, Bytes(f.Lost));
    test::WriteGameValue("Wins", REG_BINARY, Bytes(f.Wins));
    test::WriteGameValue("Losses", REG_BINARY, Bytes(f.Losses));
    test::WriteGameValue("Streak", REG_BINARY, Bytes(f.Streak));
    test::WriteGameValue("SType", REG_BINARY, Bytes(f.SType));
}

std::set<std::string> FilesIn(const std::string& folder) {
    const auto names = FilesMatching(folder, "*");
    return {names.begin(), names.end()};
}

class AutomaticBackup : public testing::Test {
protected:
    void SetUp() override { test::DeleteGameKey(); }
    void TearDown() override { test::DeleteGameKey(); }
};

TEST_F(AutomaticBackup, NothingToSaveWithoutTheKeyOrWithoutAnyOfTheSixValues) {
    const std::string folder = test::ScratchFolder("auto-nothing");
    for (OverwritingCommand command : {OverwritingCommand::Clear, OverwritingCommand::Restore}) {
        EXPECT_EQ(WriteAutomaticBackup(folder, command, kAt).outcome, BackupFirstOutcome::NothingToSave);
        test::WriteGameValue("Options", REG_DWORD, {1, 0, 0, 0});  // the key, but none of the six
        EXPECT_EQ(WriteAutomaticBackup(folder, command, kAt).outcome, BackupFirstOutcome::NothingToSave);
        test::DeleteGameKey();
    }
    EXPECT_TRUE(FilesIn(folder).empty());
}

TEST_F(AutomaticBackup, WritesTheBackupTheBackupCommandWouldUnderTheCommandsName) {
    const std::string folder = test::ScratchFolder("auto-written");
    WriteFigures({57, 43, 9, 6, 3, 1});
    const BackupFirstResult clear = WriteAutomaticBackup(folder, OverwritingCommand::Clear, kAt);
    EXPECT_EQ(clear.outcome, BackupFirstOutcome::Written);
    EXPECT_EQ(clear.detail, folder + "Before Clear_20260812_013000.reg");
    const BackupFirstResult restore = WriteAutomaticBackup(folder, OverwritingCommand::Restore, kAt);
    EXPECT_EQ(restore.detail, folder + "Before Restore_20260812_013000.reg");
    EXPECT_EQ(FilesIn(folder),
              (std::set<std::string>{"Before Clear_20260812_013000.reg", "Before Restore_20260812_013000.reg"}));
    EXPECT_EQ(ReadWholeFile(clear.detail), testdata::kWorkedExampleFile);
    EXPECT_EQ(ReadWholeFile(restore.detail), testdata::kWorkedExampleFile);
}

TEST_F(AutomaticBackup, OneValueIsEnoughAndTheOthersAreWrittenAsZeros) {
    const std::string folder = test::ScratchFolder("auto-one-value");
    test::WriteGameValue("Won", REG_BINARY, {0x05, 0x01});  // two bytes: 261
    const BackupFirstResult result = WriteAutomaticBackup(folder, OverwritingCommand::Clear, kAt);
    ASSERT_EQ(result.outcome, BackupFirstOutcome::Written);
    const std::string text = ReadWholeFile(result.detail);
    EXPECT_NE(text.find("\"Won\"=hex:05,01,00,00\r\n"), std::string::npos) << text;
    // No preset: a missing SType is saved as 0, as the backup command saves it.
    EXPECT_NE(text.find("\"SType\"=hex:00,00,00,00\r\n"), std::string::npos) << text;
}

TEST_F(AutomaticBackup, NeverReplacesAFileOfItsSecondButTakesTheNextFreeOne) {
    const std::string folder = test::ScratchFolder("auto-next-second");
    WriteFigures({57, 43, 9, 6, 3, 1});
    const BackupFirstResult first = WriteAutomaticBackup(folder, OverwritingCommand::Restore, kAt);
    ASSERT_EQ(first.outcome, BackupFirstOutcome::Written);
    // The same second again, with other values: the first file stays as it was.
    WriteFigures({1, 2, 3, 4, 5, 0});
    const BackupFirstResult second = WriteAutomaticBackup(folder, OverwritingCommand::Restore, kAt);
    ASSERT_EQ(second.outcome, BackupFirstOutcome::Written);
    EXPECT_EQ(second.detail, folder + "Before Restore_20260812_013001.reg");
    EXPECT_EQ(ReadWholeFile(first.detail), testdata::kWorkedExampleFile);
    const std::string second_text = ReadWholeFile(second.detail);
    EXPECT_NE(second_text.find("\"Won\"=hex:01,00,00,00\r\n"), std::string::npos) << second_text;
    // A folder of the next name, and a file of the one after in other letters, are taken too.
    ASSERT_TRUE(CreateDirectoryA((folder + "Before Restore_20260812_013002.reg").c_str(), nullptr));
    test::WriteWholeFile(folder + "BEFORE RESTORE_20260812_013003.REG", "the user's");
    const BackupFirstResult third = WriteAutomaticBackup(folder, OverwritingCommand::Restore, kAt);
    EXPECT_EQ(third.detail, folder + "Before Restore_20260812_013004.reg");
    EXPECT_EQ(ReadWholeFile(folder + "BEFORE RESTORE_20260812_013003.REG"), "the user's");
    EXPECT_EQ(FilesIn(folder).size(), 5u);
}

TEST_F(AutomaticBackup, AFileThatCannotBeWrittenOrAValueThatCannotBeReadIsAFailureWithItsReason) {
    const std::string folder = test::ScratchFolder("auto-failed");
    WriteFigures({57, 43, 9, 6, 3, 1});
    const std::string missing = folder + "missing\\";
    const BackupFirstResult no_folder = WriteAutomaticBackup(missing, OverwritingCommand::Clear, kAt);
    EXPECT_EQ(no_folder.outcome, BackupFirstOutcome::Failed);
    EXPECT_EQ(no_folder.detail, "Cannot create file " + missing + "Before Clear_20260812_013000.reg");

    test::WriteGameValue("Lost", REG_SZ, {'4', '3', 0});
    const BackupFirstResult bad_value = WriteAutomaticBackup(folder, OverwritingCommand::Restore, kAt);
    EXPECT_EQ(bad_value.outcome, BackupFirstOutcome::Failed);
    EXPECT_EQ(bad_value.detail, "Invalid data type for 'Lost'");
    EXPECT_TRUE(FilesIn(folder).empty());
}

}  // namespace
}  // namespace tv
