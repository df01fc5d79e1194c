#include <gtest/gtest.h>

#include <vector>

#include "widgets/html/VtStack.h"

namespace tv {
namespace {

TEST(VtStackTest, GrowthSequence) {
    TVtStack<int> stack;
    int value = 0;
    std::vector<int> capacities;
    for (int i = 0; i < 100; ++i) {
        const int before = stack.Capacity();
        stack.Push(&value);
        if (stack.Capacity() != before) capacities.push_back(stack.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
}

TEST(VtStackTest, PopsInReverseOrderAndShrinks) {
    TVtStack<int> stack;
    int a = 1, b = 2;
    stack.Push(&a);
    stack.Push(&b);
    EXPECT_EQ(stack.Items(stack.Count() - 1), &b);
    EXPECT_EQ(stack.Pop(), &b);
    EXPECT_EQ(stack.Capacity(), 2);  // 1 is below 4 div 2
    EXPECT_EQ(stack.Pop(), &a);
    EXPECT_EQ(stack.Capacity(), 1);
    EXPECT_EQ(stack.Count(), 0);

    TVtStack<int> single;
    single.Push(&a);
    EXPECT_EQ(single.Capacity(), 4);
    single.Pop();
    EXPECT_EQ(single.Capacity(), 2);
}

TEST(VtStackTest, ErrorsKeepTheState) {
    TVtStack<int> stack;
    try {
        stack.Pop();
        FAIL() << "no error";
    } catch (const EVtStackError& e) {
        EXPECT_STREQ(e.what(), "VtStack is empty.");
    }
    int a = 0;
    stack.Push(&a);
    stack.Push(&a);
    try {
        stack.SetCapacity(1);
        FAIL() << "no error";
    } catch (const EVtStackError& e) {
        EXPECT_STREQ(e.what(), "Invalid VtStack capacity.");
    }
    EXPECT_THROW(stack.SetCapacity(134217728), EVtStackError);
    EXPECT_EQ(stack.Count(), 2);
    EXPECT_EQ(stack.Capacity(), 4);
}

}  // namespace
}  // namespace tv
