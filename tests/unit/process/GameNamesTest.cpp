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
    EXPECT_EQ(GameNotFoundText("C:\\WINDOWS\\system32"), "FreeCell.exe could not be found in C:\\WINDOWS\\system32\\.");
    EXPECT_EQ(GameNotFoundText("C:\\"), "FreeCell.exe could not be found in C:\\.");
    EXPECT_EQ(GameNotFoundText(""), "FreeCell.exe could not be found in \\.");
}

TEST(GameSearch, NtLooksForTheBaseName9xForThePathInTheWindowsFolder) {
    EXPECT_EQ(GameSearchName(PlatformFamily::WindowsNt, "C:\\WINDOWS"), "freecell.exe");
    EXPECT_EQ(GameSearchName(PlatformFamily::Win32s, "C:\\WINDOWS"), "freecell.exe");
    EXPECT_EQ(GameSearchName(PlatformFamily::Windows9x, "C:\\WINDOWS"), "C:\\WINDOWS\\freecell.exe");
    EXPECT_EQ(GameSearchName(PlatformFamily::Windows9x, "C:\\WINDOWS\\"), "C:\\WINDOWS\\freecell.exe");
}

// The finder's comparison is the system locale's, without regard to case, and whole names only:
// the finder's integration test checks it against real processes. Here an exact comparison shows
// which entry is taken.
bool SameName(const std::string& a, const std::string& b) { return a == b; }

TEST(GameSearch, TheFirstEqualEntryInListOrder) {
    const ProcessList list{{"explorer.exe", 4}, {"freecell.exe", 16}, {"freecell.exe", 20}};
    EXPECT_EQ(FindFirstNamed(list, "freecell.exe", SameName), 16u);
    EXPECT_FALSE(FindFirstNamed({{"explorer.exe", 4}}, "freecell.exe", SameName));
    EXPECT_FALSE(FindFirstNamed({}, "freecell.exe", SameName));
}

TEST(GameSearch, TheComparisonGivenDecides) {
    const ProcessList list{{"FreeCell.EXE", 16}, {"freecell.exe", 20}};
    EXPECT_EQ(FindFirstNamed(list, "freecell.exe", SameName), 20u);
    EXPECT_EQ(FindFirstNamed(list, "freecell.exe", [](const std::string&, const std::string&) { return true; }), 16u);
}

}  // namespace
}  // namespace tv
