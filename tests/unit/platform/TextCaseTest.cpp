// The ASCII rules of case and blanks, shared by every place whose rules say ASCII.
#include <gtest/gtest.h>

#include "platform/TextCase.h"

namespace tv {
namespace {

TEST(TextCase, OnlyAsciiLettersFold) {
    EXPECT_TRUE(EqualsIgnoringAsciiCase("Won", "wON"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC9", "\xE9"));  // accented letters are the locale's business
    EXPECT_FALSE(EqualsIgnoringAsciiCase("ab", "abc"));
    EXPECT_EQ(LowerAscii("BR \xC9"), "br \xC9");
    EXPECT_EQ(CompareIgnoringAsciiCase("abc", "ABC"), 0);
    EXPECT_LT(CompareIgnoringAsciiCase("ab", "abc"), 0);
    EXPECT_GT(CompareIgnoringAsciiCase("b", "Abc"), 0);
    EXPECT_GT(CompareIgnoringAsciiCase("\xE9", "z"), 0);  // bytes above 127 sort after ASCII
    // Letters fold to the small ones, which come after "[".
    EXPECT_LT(CompareIgnoringAsciiCase("[", "A"), 0);
}

TEST(TextCase, TrimmingTakesBlanksAndControlCharactersFromBothEnds) {
    EXPECT_EQ(TrimBlanks("  Robin  "), "Robin");
    EXPECT_EQ(TrimBlanks("\t\x01Robin Hood\x1f "), "Robin Hood");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimRightBlanks(" x \r\n"), " x");
    EXPECT_EQ(TrimBlanks("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space (160) is no blank here
}

}  // namespace
}  // namespace tv
