// Date texts in the test prefix's United States locale.
#include <gtest/gtest.h>

#include "backup/DateText.h"

namespace tv {
namespace {

TEST(DateText, ShortDateBlankLongTime) {
    EXPECT_EQ(DateText({2005, 3, 2, 22, 15, 30}), "3/2/2005 10:15:30 PM");
    EXPECT_EQ(DateText({2005, 10, 1, 8, 0, 0}), "10/1/2005 8:00:00 AM");
    EXPECT_EQ(DateText({2005, 10, 1, 0, 0, 1}), "10/1/2005 12:00:01 AM");
}

TEST(DateText, MidnightShowsTheDateAlone) { EXPECT_EQ(DateText({2004, 12, 31, 0, 0, 0}), "12/31/2004"); }

}  // namespace
}  // namespace tv
