// Where the game is looked for, what counts as the game, and what the user is told.
#include <gtest/gtest.h>

#include "process/GameNames.h"

namespace tv {
namespace {

TEST(GamePath, AddsASeparatorOnlyWhereMissing) {
    EXPECT_EQ(GamePathIn("C:\\WINDOWS\\system32"), "C:\\WINDOWS\\system32\\freecell.exe");
    EXPECT_EQ(GamePathIn("C:\\"), "C:\\freecell.exe");
    EXPECT_EQ(GamePathIn(""), "\\freecell.exe");
}

TEST(GamePath, NotFoundTextEndsWithTheFolderItsSeparatorAndAFullStop) {
    EXPECT_EQ(GameNotFoundText("C:\\WINDOWS\\system32"),
              "FreeCell.exe could not be found in C:\\WINDOWS\\system32\\.");
    EXPECT_EQ(GameNotFoundText("C:\\"), "FreeCell.exe could not be found in C:\\.");
    EXPECT_EQ(GameNotFoundText(""), "FreeCell.exe could not be found in \\.");
}

TEST(GameSearch, NtLooksForTheBaseName9xForThePathInTheWindowsFolder) {
    EXPECT_EQ(GameSearchName(PlatformFamily::WindowsNt, "C:\\WINDOWS"), "freecell.exe");
    EXPECT_EQ(GameSearchName(PlatformFamily::Win32s, "C:\\WINDOWS"), "freecell.exe");
    EXPECT_EQ(GameSearchName(PlatformFamily::Windows9x, "C:\\WINDOWS"), "C:\\WINDOWS\\freecell.exe");
    EXPECT_EQ(GameSearchName(PlatformFamily::Windows9x, "C:\\WINDOWS\\"), "C:\\WINDOWS\\freecell.exe");
}

TEST(GameSearch, WholeNameWithoutRegardToCase) {
    const ProcessList list{{"explorer.exe", 4}, {"freecell.exe.bak", 8}, {"myfreecell.exe", 12},
                           {"FreeCell.EXE", 16}, {"freecell.exe", 20}};
    EXPECT_EQ(FindFirstNamed(list, "freecell.exe"), 16u);
    EXPECT_FALSE(FindFirstNamed({{"freecell.exe.bak", 8}, {"myfreecell.exe", 12}, {"freecell", 3}}, "freecell.exe"));
    EXPECT_FALSE(FindFirstNamed({}, "freecell.exe"));
}

TEST(GameSearch, On9xOnlyTheWindowsFolderCounts) {
    const std::string name = "C:\\WINDOWS\\FREECELL.EXE";
    EXPECT_FALSE(FindFirstNamed({{"C:\\GAMES\\FREECELL.EXE", 40}}, name));
    EXPECT_EQ(FindFirstNamed({{"C:\\GAMES\\FREECELL.EXE", 40}, {"C:\\Windows\\FreeCell.exe", 44}}, name), 44u);
}

TEST(GameSearch, AsciiComparisonLeavesOtherBytesAlone) {
    EXPECT_TRUE(AsciiNameEquals("ABC.exe", "abc.EXE"));
    EXPECT_FALSE(AsciiNameEquals("abc", "abcd"));
    EXPECT_FALSE(AsciiNameEquals("\xC4.exe", "\xE4.exe"));  // no locale here: only ASCII letters fold
    EXPECT_FALSE(AsciiNameEquals("[", "{"));                // neighbours of the letter ranges
}

}  // namespace
}  // namespace tv
