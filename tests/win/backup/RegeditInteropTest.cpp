// Backup files and the system's own registry editor: both ways.
#include <windows.h>
#include <gtest/gtest.h>

#include "backup/BackupFiles.h"
#include "backup/BackupReader.h"
#include "platform/LocaleText.h"
#include "stats/StatsStore.h"
#include "support/system/Folders.h"
#include "support/system/Processes.h"
#include "support/system/Registry.h"

namespace tv {
namespace {

int Regedit(const std::string& arguments) {
    return test::RunAndWait("\"" + test::WindowsFolder() + "regedit.exe\" " + arguments, 60000);
}

RawRecord Example() {
    RawRecord raw;
    raw[StatValue::Won] = IntegerToRawBytes(57);
    raw[StatValue::Lost] = IntegerToRawBytes(43);
    raw[StatValue::Wins] = IntegerToRawBytes(9);
    raw[StatValue::Losses] = IntegerToRawBytes(-6);
    raw[StatValue::Streak] = IntegerToRawBytes(300);
    raw[StatValue::SType] = IntegerToRawBytes(1);
    return raw;
}

void ExpectRegistryHolds(const RawRecord& raw) {
    for (StatValue v : kRawRecordOrder) {
        DWORD type = 0;
        const auto bytes = test::ReadGameValue(ValueName(v), &type);
        ASSERT_TRUE(bytes.has_value()) << ValueName(v);
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << ValueName(v);
        EXPECT_EQ(*bytes, std::vector<std::uint8_t>(raw[v].begin(), raw[v].end())) << ValueName(v);
    }
}

class RegeditInterop : public testing::Test {
protected:
    void SetUp() override { test::DeleteGameKey(); }
    void TearDown() override { test::DeleteGameKey(); }
};

TEST_F(RegeditInterop, TheRegistryEditorImportsABackupFile) {
    const std::string path = test::ScratchFolder("regedit-import") + "Robin_20050302_221530.reg";
    WriteBackupFile(path, JoinBackupLines(BackupFileLines(Example())));
    ASSERT_FALSE(test::GameKeyExists());
    ASSERT_EQ(Regedit("/s \"" + path + "\""), 0);
    ExpectRegistryHolds(Example());
}

TEST_F(RegeditInterop, AnExportOfTheRegistryEditorReadsAndRestoresTheSameValues) {
    ASSERT_TRUE(WriteStatisticsRecordAllOrNothing(Example()));
    const std::string path = test::ScratchFolder("regedit-export") + "Exported_20050302_221530.reg";
    ASSERT_EQ(Regedit("/e \"" + path + "\" \"HKEY_CURRENT_USER\\" + test::kGameKey + "\""), 0);
    const std::string bytes = ReadBackupFileBytes(path);
    ASSERT_GE(bytes.size(), 2u);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "expected a UTF-16 export";
    const DecodedRecord f = ReadBackupFigures(ReadBackupFile(path), EqualsIgnoringCaseInLocale);
    EXPECT_EQ(f.Won, 57);
    EXPECT_EQ(f.Lost, 43);
    EXPECT_EQ(f.Wins, 9);
    EXPECT_EQ(f.Losses, -6);
    EXPECT_EQ(f.Streak, 300);
    EXPECT_EQ(f.SType, 1);
}

}  // namespace
}  // namespace tv
