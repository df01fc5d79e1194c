// Backup file names and contents, and decoding a listed name.
#include <gtest/gtest.h>

#include "backup/BackupFormat.h"
#include "platform/Error.h"
#include "shared/WorkedExample.h"
#include "support/ErrorOf.h"

namespace tv {
namespace {

RawRecord Record(std::int32_t won, std::int32_t lost, std::int32_t wins, std::int32_t losses, std::int32_t streak,
                 std::int32_t stype) {
    RawRecord raw;
    raw[StatValue::Won] = IntegerToRawBytes(won);
    raw[StatValue::Lost] = IntegerToRawBytes(lost);
    raw[StatValue::Wins] = IntegerToRawBytes(wins);
    raw[StatValue::Losses] = IntegerToRawBytes(losses);
    raw[StatValue::Streak] = IntegerToRawBytes(streak);
    raw[StatValue::SType] = IntegerToRawBytes(stype);
    return raw;
}

std::string ErrorOf(const std::string& file_name) {
    return test::ErrorOf([&] { ParseBackupFileName(file_name); });
}

constexpr BackupStamp kExampleStamp{2005, 3, 2, 22, 15, 30};

TEST(BackupFormat, WorkedExampleByteForByte) {
    const std::string text = JoinBackupLines(BackupFileLines(Record(57, 43, 9, 6, 3, 1)));
    const std::string& expected = testdata::kWorkedExampleFile;
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size(), 242u);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    const std::vector<std::size_t> lengths{8, 0, 78, 22, 24, 21, 22, 24, 23, 0};
    const auto lines = BackupFileLines(Record(57, 43, 9, 6, 3, 1));
    ASSERT_EQ(lines.size(), lengths.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;
}

TEST(BackupFormat, RawBytesInStoredOrderUpperCase) {
    const auto lines = BackupFileLines(Record(-1, 300, 0, 0x7FABCDEF, 0, 0));
    EXPECT_EQ(lines[5], "\"Won\"=hex:FF,FF,FF,FF");
    EXPECT_EQ(lines[6], "\"Lost\"=hex:2C,01,00,00");
    EXPECT_EQ(lines[4], "\"Losses\"=hex:EF,CD,AB,7F");
    // The Raw record's bytes are written as held, whatever they encode.
    RawRecord raw;
    raw[StatValue::SType] = {0x05, 0x01, 0x00, 0x00};
    EXPECT_EQ(BackupFileLines(raw)[8], "\"SType\"=hex:05,01,00,00");
}

TEST(BackupFormat, FileNameWithAndWithoutBackupName) {
    EXPECT_EQ(BackupFileName("C:\\Games\\", "Robin", kExampleStamp), "C:\\Games\\Robin_20050302_221530.reg");
    EXPECT_EQ(BackupFileName("C:\\Games\\", "", kExampleStamp), "C:\\Games\\20050302_221530.reg");
    EXPECT_EQ(BackupFileName("C:\\", "Ann B", {2010, 11, 9, 1, 2, 3}), "C:\\Ann B_20101109_010203.reg");
    EXPECT_EQ(BackupFileName("", "", {2005, 3, 2, 0, 0, 0}).size(), 19u);
}

TEST(BackupFormat, ParsesNamesAndStamps) {
    const BackupEntry robin = ParseBackupFileName("Robin_20050302_221530.reg");
    EXPECT_EQ(robin.BackupName, "Robin");
    EXPECT_EQ(robin.FileName, "Robin_20050302_221530.reg");
    EXPECT_EQ(robin.Stamp, kExampleStamp);
    EXPECT_EQ(ParseBackupFileName("Ann_B_20050302_221530.reg").BackupName, "Ann_B");
    EXPECT_EQ(ParseBackupFileName("20050302_221530.reg").BackupName, "");
    EXPECT_EQ(ParseBackupFileName("x20050302_221530.reg").BackupName, "");  // the one character is dropped
    EXPECT_EQ(ParseBackupFileName("ab20050302_221530.reg").BackupName, "a");
    // The separator and the extension are not examined.
    EXPECT_EQ(ParseBackupFileName("Robin_20050302-221530.REG").Stamp, kExampleStamp);
    // Leap days, midnight and the last second of a day.
    EXPECT_EQ(ParseBackupFileName("20040229_000000.reg").Stamp, (BackupStamp{2004, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(ParseBackupFileName("20040229_000000.reg").Stamp.IsMidnight());
    EXPECT_EQ(ParseBackupFileName("20001231_235959.reg").Stamp, (BackupStamp{2000, 12, 31, 23, 59, 59}));
}

TEST(BackupFormat, RoundTripsWhatTheWriterNames) {
    for (const char* name : {"", "Robin", "Ann_B", "two words", "x", "_", "20050302_221530"}) {
        const BackupStamp stamp{1999, 12, 31, 23, 59, 58};
        const std::string file = BackupFileName("", name, stamp);
        const BackupEntry entry = ParseBackupFileName(file);
        EXPECT_EQ(entry.BackupName, name);
        EXPECT_EQ(entry.Stamp, stamp);
    }
}

TEST(BackupFormat, ImpossibleDatesAndTimes) {
    EXPECT_EQ(ErrorOf("Robin_20051302_221530.reg"), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf("Robin_20050230_221530.reg"), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf("Robin_20050229_221530.reg"), "Invalid argument to date encode");  // not a leap year
    EXPECT_EQ(ErrorOf("Robin_19000229_221530.reg"), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf("Robin_20050002_221530.reg"), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf("Robin_20050300_221530.reg"), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf("Robin_00000302_221530.reg"), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf("Robin_20050302_241530.reg"), "Invalid argument to time encode");
    EXPECT_EQ(ErrorOf("Robin_20050302_226030.reg"), "Invalid argument to time encode");
    EXPECT_EQ(ErrorOf("Robin_20050302_221560.reg"), "Invalid argument to time encode");
}

TEST(BackupFormat, GroupsThatAreNotIntegers) {
    EXPECT_EQ(ErrorOf("Robin_2005O302_221530.reg"), "'O3' is not a valid integer value");
    EXPECT_EQ(ErrorOf("Robin_20050302_2 1530.reg"), "'2 ' is not a valid integer value");
    EXPECT_EQ(ErrorOf("Robin_abcd0302_221530.reg"), "'abcd' is not a valid integer value");
    // A leading blank is skipped, so " 3" is month 3.
    EXPECT_EQ(ParseBackupFileName("Robin_2005 302_221530.reg").Stamp.month, 3);
    // Hexadecimal groups convert too: "$7D5" is 2005.
    EXPECT_EQ(ParseBackupFileName("$7D50302_221530.reg").Stamp.year, 2005);
}

TEST(BackupFormat, ShortNamesFailWithoutReadingOutside) {
    EXPECT_NE(ErrorOf(""), "");
    EXPECT_NE(ErrorOf(".reg"), "");
    EXPECT_NE(ErrorOf("abc.reg"), "");
    // Groups before the start are taken from the start, as far as the text goes.
    EXPECT_EQ(ParseBackupFileName("0302_221530.reg").Stamp, (BackupStamp{302, 3, 2, 22, 15, 30}));
}

TEST(BackupFormat, ListingMask) {
    for (const char* name :
         {"Robin_20050302_221530.reg", "20050302_221530.reg", "x20050302_221530.reg", "Up_20050302_221530.REG",
          "a_b_c_20050302_221530.Reg", "abcdefgh_ijklmn.reg", "????????_??????.reg"})
        EXPECT_TRUE(MatchesMask(name, kBackupListingMask)) << name;
    for (const char* name :
         {"notes.reg", "0302_221530.reg", "2005030_221530.reg", "20050302-221530.reg", "Robin_20050302_221530.reg.bak",
          "Robin_20050302_221530.txt", "20050302_221530reg", "", "Robin_20050302_2215301.reg"})
        EXPECT_FALSE(MatchesMask(name, kBackupListingMask)) << name;
    EXPECT_TRUE(MatchesMask("abc", "*"));
    EXPECT_TRUE(MatchesMask("", "*"));
    EXPECT_TRUE(MatchesMask("aXbXc", "a*b*c"));
    EXPECT_FALSE(MatchesMask("aXbX", "a*b*c"));
    EXPECT_TRUE(MatchesMask("a__b", "*_?"));
}

TEST(BackupFormat, TrimsBlanksAndControlCharacters) {
    EXPECT_EQ(TrimBackupName("  Robin  "), "Robin");
    EXPECT_EQ(TrimBackupName("\t\x01Robin Hood\x1f "), "Robin Hood");
    EXPECT_EQ(TrimBackupName("    "), "");
    EXPECT_EQ(TrimBackupName(""), "");
    EXPECT_EQ(TrimBackupName("\xE9t\xE9"), "\xE9t\xE9");  // ANSI letters above 127 stay
}

TEST(BackupFormat, NamesThatWouldLeaveTheFolder) {
    EXPECT_TRUE(IsSafeBackupName("Robin"));
    EXPECT_TRUE(IsSafeBackupName(""));
    EXPECT_TRUE(IsSafeBackupName("Ann_B. Smith"));
    EXPECT_FALSE(IsSafeBackupName("..\\Robin"));
    EXPECT_FALSE(IsSafeBackupName("sub/Robin"));
    EXPECT_FALSE(IsSafeBackupName("sub\\Robin"));
    EXPECT_FALSE(IsSafeBackupName("C:Robin"));
    // Dots alone cannot leave the folder: they stay part of one file name beside the program.
    EXPECT_TRUE(IsSafeBackupName("J..R"));
    EXPECT_TRUE(IsSafeBackupName(".."));
    EXPECT_EQ(BackupFileName("C:\\Games\\", "J..R", {2005, 3, 2, 22, 15, 30}), "C:\\Games\\J..R_20050302_221530.reg");
}

}  // namespace
}  // namespace tv
