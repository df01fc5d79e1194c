// The restore list's order: by text, ignoring case, not by date.
#include <gtest/gtest.h>

#include "backup/BackupList.h"

namespace tv {
namespace {

TEST(BackupList, OrdersByTextIgnoringCase) {
    const std::vector<std::string> texts{"3/2/2005 10:15:30 PM - Robin", "10/1/2005 8:00:00 AM", "12/31/2004 - Ann_B",
                                         "3/2/2005 10:15:30 PM - ann", "3/2/2005 10:15:30 PM - Bob",
                                         "3/2/2005 10:15:30 PM"};
    std::vector<std::string> sorted;
    for (std::size_t i : ListOrder(texts)) sorted.push_back(texts[i]);
    EXPECT_EQ(sorted, (std::vector<std::string>{"10/1/2005 8:00:00 AM", "12/31/2004 - Ann_B", "3/2/2005 10:15:30 PM",
                                                "3/2/2005 10:15:30 PM - ann", "3/2/2005 10:15:30 PM - Bob",
                                                "3/2/2005 10:15:30 PM - Robin"}));
}

TEST(BackupList, EqualTextsKeepTheirListingOrder) {
    EXPECT_EQ(ListOrder({"b", "A", "a", "B"}), (std::vector<std::size_t>{1, 2, 0, 3}));
    EXPECT_TRUE(ListOrder({}).empty());
    EXPECT_EQ(CompareListText("abc", "ABC"), 0);
    EXPECT_LT(CompareListText("ab", "abc"), 0);
    EXPECT_GT(CompareListText("b", "Abc"), 0);
    EXPECT_GT(CompareListText("\xE9", "z"), 0);  // ANSI letters above 127 sort after ASCII
}

}  // namespace
}  // namespace tv
