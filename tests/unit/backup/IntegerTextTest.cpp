// Text-to-integer rules shared by file names and value lines.
#include <gtest/gtest.h>

#include "backup/IntegerText.h"
#include "platform/Error.h"

namespace tv {
namespace {

TEST(IntegerText, DecimalWithBlanksAndSign) {
    EXPECT_EQ(TryTextToInteger("2005"), 2005);
    EXPECT_EQ(TryTextToInteger("  07"), 7);
    EXPECT_EQ(TryTextToInteger("+12"), 12);
    EXPECT_EQ(TryTextToInteger("-12"), -12);
    EXPECT_EQ(TryTextToInteger("2147483647"), 2147483647);
    EXPECT_EQ(TryTextToInteger("-2147483648"), INT32_MIN);
}

TEST(IntegerText, HexadecimalPrefixesAndWrap) {
    EXPECT_EQ(TryTextToInteger("$1F"), 31);
    EXPECT_EQ(TryTextToInteger("x1f"), 31);
    EXPECT_EQ(TryTextToInteger("X1F"), 31);
    EXPECT_EQ(TryTextToInteger("0x1f"), 31);
    EXPECT_EQ(TryTextToInteger(" $10"), 16);
    EXPECT_EQ(TryTextToInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(TryTextToInteger("$80000000"), INT32_MIN);
    EXPECT_EQ(TryTextToInteger("$000000001"), 1);  // leading zeros do not count against the limit
}

TEST(IntegerText, RejectsWhatDoesNotConvert) {
    for (const char* bad : {"", "   ", "-", "+", "$", "0x", "12 ", "1 2", "1a", "2147483648", "-2147483649",
                            "$100000000", "$G", "+$1", "0X1", "--1", "\t1"}) {
        EXPECT_FALSE(TryTextToInteger(bad).has_value()) << "'" << bad << "'";
    }
}

TEST(IntegerText, ErrorNamesTheText) {
    try {
        TextToInteger("2O05");
        FAIL() << "no error";
    } catch (const TvError& e) {
        EXPECT_STREQ(e.what(), "'2O05' is not a valid integer value");
    }
}

}  // namespace
}  // namespace tv
