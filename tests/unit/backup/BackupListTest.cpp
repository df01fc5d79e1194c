// The restore list's order: by text, ignoring case, not by date (here with the ASCII comparison;
// the list's own, the locale's, is checked against a real list box under Wine).
#include <gtest/gtest.h>

#include "backup/BackupList.h"
#include "platform/TextCase.h"

namespace tv {
namespace {

TEST(BackupList, OrdersByTextIgnoringCase) {
    const std::vector<std::string> texts{"3/2/2005 10:15:30 PM - Robin", "10/1/2005 8:00:00 AM",
                                         "12/31/2004 - Ann_B",           "3/2/2005 10:15:30 PM - ann",
                                         "3/2/2005 10:15:30 PM - Bob",   "3/2/2005 10:15:30 PM"};
    std::vector<std::string> sorted;
    for (std::size_t i : ListOrder(texts, LowerAscii)) sorted.push_back(texts[i]);
    EXPECT_EQ(sorted, (std::vector<std::string>{"10/1/2005 8:00:00 AM", "12/31/2004 - Ann_B", "3/2/2005 10:15:30 PM",
                                                "3/2/2005 10:15:30 PM - ann", "3/2/2005 10:15:30 PM - Bob",
                                                "3/2/2005 10:15:30 PM - Robin"}));
}

TEST(BackupList, EqualTextsKeepTheirListingOrder) {
    EXPECT_EQ(ListOrder({"b", "A", "a", "B"}, LowerAscii), (std::vector<std::size_t>{1, 2, 0, 3}));
    EXPECT_TRUE(ListOrder({}, LowerAscii).empty());
    EXPECT_EQ(CompareIgnoringAsciiCase("abc", "ABC"), 0);
    EXPECT_LT(CompareIgnoringAsciiCase("ab", "abc"), 0);
    EXPECT_GT(CompareIgnoringAsciiCase("b", "Abc"), 0);
    EXPECT_GT(CompareIgnoringAsciiCase("\xE9", "z"), 0);  // ANSI letters above 127 sort after ASCII
}

}  // namespace
}  // namespace tv
