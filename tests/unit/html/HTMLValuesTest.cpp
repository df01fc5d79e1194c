#include <gtest/gtest.h>

#include "widgets/html/HTMLAttributes.h"
#include "widgets/html/HTMLColor.h"
#include "widgets/html/HTMLText.h"

namespace tv {
namespace {

TEST(HTMLValuesTest, IntegerConversion) {
    EXPECT_EQ(TextToInt("65"), 65);
    EXPECT_EQ(TextToInt("  -12"), -12);
    EXPECT_EQ(TextToInt("+2"), 2);
    EXPECT_EQ(TextToInt("$FF"), 255);
    EXPECT_EQ(TextToInt("0x10"), 16);
    EXPECT_EQ(TextToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("-2147483648"), INT32_MIN);
    EXPECT_FALSE(TextToInt("2147483648"));
    EXPECT_FALSE(TextToInt("99999999999999999999999"));
    EXPECT_FALSE(TextToInt(""));
    EXPECT_FALSE(TextToInt("-"));
    EXPECT_FALSE(TextToInt("12px"));
    EXPECT_EQ(TextToIntDef("x", 32), 32);
}

TEST(HTMLValuesTest, ColourValues) {
    const TVtColor fallback = 0x123456, current = 0x654321;
    EXPECT_EQ(ParseHTMLColor("#FF0000", fallback, current), 0x0000FFu);
    EXPECT_EQ(ParseHTMLColor("#102030", fallback, current), 0x302010u);
    EXPECT_EQ(ParseHTMLColor("#F00", fallback, current), 0x000F00u);
    EXPECT_EQ(ParseHTMLColor("# $FF ", fallback, current), 0xFF0000u);
    EXPECT_EQ(ParseHTMLColor("#zz", fallback, current), fallback);
    EXPECT_EQ(ParseHTMLColor("#", fallback, current), fallback);
    EXPECT_EQ(ParseHTMLColor("red", fallback, current), clRed);
    EXPECT_EQ(ParseHTMLColor("clRed", fallback, current), clRed);
    EXPECT_EQ(ParseHTMLColor("RED", fallback, current), clRed);
    EXPECT_EQ(ParseHTMLColor("btnface", fallback, current), clBtnFace);
    EXPECT_EQ(ParseHTMLColor("3DDkShadow", fallback, current), 0x80000015u);
    EXPECT_EQ(ParseHTMLColor("CLRED", fallback, current), current);  // "cl" is matched case-sensitively
    EXPECT_EQ(ParseHTMLColor("mauve", fallback, current), current);
}

TEST(HTMLValuesTest, AttributeTokens) {
    const std::string text = R"( A=1 b="x y  z" c='q>r'  d = 4 /  e=5 a=2>rest)";
    const auto list = ReadAttributes(text, 0);
    ASSERT_TRUE(list.Closed);
    EXPECT_EQ(text.substr(list.Next), "rest");
    EXPECT_EQ(list.Value("a"), "1");  // the first of duplicates wins
    EXPECT_EQ(list.Value("b"), "x y z");
    EXPECT_EQ(list.Value("c"), "q>r");
    EXPECT_EQ(list.Find("d"), nullptr);  // spaces around "=" break the attribute
    EXPECT_EQ(list.Value("e"), "5");

    const auto cut = ReadAttributes(" a=1 b=2", 0);
    EXPECT_FALSE(cut.Closed);
    EXPECT_EQ(cut.Value("a"), "1");
    EXPECT_EQ(cut.Find("b"), nullptr);  // cut off by the end of the text

    EXPECT_EQ(Unquote("\"x\""), "x");
    EXPECT_EQ(Unquote("'x"), "x");
    EXPECT_EQ(Unquote("\"x'"), "x'");
    EXPECT_EQ(Unquote("\""), "");
    EXPECT_EQ(Unquote("x\""), "x\"");
}

}  // namespace
}  // namespace tv
