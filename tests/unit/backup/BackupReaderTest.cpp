// Reading values back from a backup file's text.
#include <gtest/gtest.h>

#include <string>

#include "backup/BackupReader.h"
#include "platform/Error.h"
#include "shared/WorkedExample.h"
#include "support/ErrorOf.h"

namespace tv {
namespace {

const std::string& kExample = testdata::kWorkedExampleFile;

std::int32_t Value(const std::string& text, const char* quoted) {
    return ReadBackupValue(SplitBackupText(text), quoted, EqualsIgnoringAsciiCase);
}

std::string ErrorOf(const std::string& text, const char* quoted) {
    return test::ErrorOf([&] { Value(text, quoted); });
}

// The text as UTF-16LE code units, with or without the byte-order mark.
std::string Utf16(const std::string& text, bool bom) {
    std::string bytes = bom ? std::string("\xFF\xFE") : std::string();
    for (char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST(BackupReader, ReadsTheWorkedExample) {
    const DecodedRecord f = ReadBackupFigures(SplitBackupText(kExample), EqualsIgnoringAsciiCase);
    EXPECT_EQ(f.Won, 57);
    EXPECT_EQ(f.Lost, 43);
    EXPECT_EQ(f.Wins, 9);
    EXPECT_EQ(f.Losses, 6);
    EXPECT_EQ(f.Streak, 3);
    EXPECT_EQ(f.SType, 1);
}

TEST(BackupReader, SplitsAtEveryKindOfLineEnd) {
    const auto lines = SplitBackupText("a\r\nb\rc\nd\r\n\r\ne");
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(SplitBackupText("  x  \r\n"), (std::vector<std::string>{"  x  "}));  // nothing trimmed
    EXPECT_EQ(Value("\"Won\"=hex:39,00,00,00\r\"Lost\"=hex:2b,00,00,00", kQuotedLost), 43);
    EXPECT_EQ(Value("\"Won\"=hex:39,00,00,00\n\"Lost\"=hex:2b,00,00,00\n", kQuotedWon), 57);
}

TEST(BackupReader, LineRules) {
    EXPECT_EQ(Value("\"Lost\"=hex:2b,00,00,00", kQuotedLost), 43);                // lower-case digits
    EXPECT_EQ(Value("\"lost\"=hex:2B,00,00,00", kQuotedLost), 43);                // name ignores case
    EXPECT_EQ(Value("\"Won\" = hex:39,00,00,00", kQuotedWon), 0);                 // blanks around "="
    EXPECT_EQ(Value("REGEDIT4\r\n\"Wins\"=hex:09,00,00,00\r\n", kQuotedWon), 0);  // missing line
    EXPECT_EQ(Value("\"Won\"=\r\n\"Won\"=hex:39,00,00,00", kQuotedWon), 0);       // first match, empty
    EXPECT_EQ(Value("\"Won\"=hex:05", kQuotedWon), 5);                            // missing high bytes
    EXPECT_EQ(Value("\"Won\"=hex:05,01", kQuotedWon), 261);
    EXPECT_EQ(Value("\"Won\"=hex:01,02,03,04,05,06", kQuotedWon), 0x04030201);  // more than four bytes
    EXPECT_EQ(Value("\"Won\"=hex:FF,FF,FF,FF", kQuotedWon), -1);
    EXPECT_EQ(Value("\"Won\"=hex:00,00,00,80", kQuotedWon), INT32_MIN);
    EXPECT_EQ(Value("\"Won\"=dword:hex:39,00,00,00", kQuotedWon), 57);  // "hex:" found inside
    EXPECT_EQ(Value("\"Won\"=hex:39;00;00;00", kQuotedWon), 57);        // separators unexamined
    EXPECT_EQ(Value("\"Won\"=hex:39,00,00,00=junk", kQuotedWon), 57);   // only the first "=" splits
    EXPECT_EQ(Value("\"Streak\"=hex:03,00,00,00\r\n\"Won\"=hex:39,00,00,00", kQuotedWon), 57);  // order free
}

TEST(BackupReader, ConversionErrors) {
    // "HEX:" is not found, so the pieces start at position 4 of the value text.
    EXPECT_EQ(ErrorOf("\"Won\"=HEX:05,00,00,00", kQuotedWon), "'$,0,0,0:0' is not a valid integer value");
    EXPECT_EQ(ErrorOf("\"Won\"=hex:3G,00,00,00", kQuotedWon), "'$0000003G' is not a valid integer value");
    EXPECT_EQ(ErrorOf("\"Won\"=hex:", kQuotedWon), "'$' is not a valid integer value");
    EXPECT_EQ(ErrorOf("\"Won\"=hex: 5,00,00,00", kQuotedWon), "'$000000 5' is not a valid integer value");
    EXPECT_EQ(ErrorOf("\"Won\"=57", kQuotedWon), "'$' is not a valid integer value");
}

TEST(BackupReader, StopsAtTheFirstNul) {
    std::string text = "\"Won\"=hex:39,00,00,00\r\n";
    text += '\0';
    text += "\"Lost\"=hex:2B,00,00,00\r\n";
    EXPECT_EQ(Value(text, kQuotedWon), 57);
    EXPECT_EQ(Value(text, kQuotedLost), 0);
    // A NUL inside a value line cuts the line there.
    std::string cut = "\"Won\"=hex:39,0";
    cut += '\0';
    cut += "1,00,00";
    EXPECT_EQ(Value(cut, kQuotedWon), 57);
}

TEST(BackupReader, Utf16WithoutByteOrderMarkReadsAsZeros) {
    const DecodedRecord f = ReadBackupFigures(SplitBackupText(Utf16(kExample, false)), EqualsIgnoringAsciiCase);
    EXPECT_EQ(f.Won, 0);
    EXPECT_EQ(f.Lost, 0);
    EXPECT_EQ(f.SType, 0);
}

TEST(BackupReader, Utf16RegistryEditorExportIsDecoded) {
    const std::string exported =
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell]\r\n"
        "\"Won\"=hex:39,00,00,00\r\n"
        "\"Lost\"=hex:2b,00,00,00\r\n"
        "\"Wins\"=hex:09,00,00,00\r\n"
        "\"Losses\"=hex:06,00,00,00\r\n"
        "\"Streak\"=hex:03,00,00,00\r\n"
        "\"SType\"=hex:01,00,00,00\r\n"
        "\r\n";
    const DecodedRecord f = ReadBackupFigures(SplitBackupText(Utf16(exported, true)), EqualsIgnoringAsciiCase);
    EXPECT_EQ(f.Won, 57);
    EXPECT_EQ(f.Lost, 43);
    EXPECT_EQ(f.Wins, 9);
    EXPECT_EQ(f.Losses, 6);
    EXPECT_EQ(f.Streak, 3);
    EXPECT_EQ(f.SType, 1);
    // Characters outside ASCII, and a pair, become one "?" each; an odd last byte is ignored.
    std::string odd = std::string("\xFF\xFE\xE9\x00\x3D\xD8\x00\xDE", 8) + Utf16("=\r\n\"Won\"=hex:07", false) + "x";
    const auto lines = SplitBackupText(odd);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "?"
              "?=");
    EXPECT_EQ(ReadBackupValue(lines, kQuotedWon, EqualsIgnoringAsciiCase), 7);
}

TEST(BackupReader, EmptyFileReadsAsZeros) {
    const DecodedRecord f = ReadBackupFigures(SplitBackupText(""), EqualsIgnoringAsciiCase);
    EXPECT_EQ(f.Won, 0);
    EXPECT_EQ(f.SType, 0);
}

}  // namespace
}  // namespace tv
