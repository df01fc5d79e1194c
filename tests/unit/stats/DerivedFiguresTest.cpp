#include <gtest/gtest.h>

#include "stats/DerivedFigures.h"

namespace tv {
namespace {

// The plain search: w = won + 1, won + 2, ... until the percentage reaches one point more.
std::int64_t WinsNeededByLoop(std::int32_t won, std::int32_t lost) {
    if (won <= 0 || lost <= 0) return 0;
    const std::int64_t p = *WinPercent(won, lost);
    if (p >= 100) return 0;
    std::int64_t w = won;
    std::int64_t q;
    do {
        ++w;
        q = ExtendedPercent(w, w + lost);
    } while (q < p + 1);
    return w - won;
}

struct FigureRow {
    std::int32_t won, lost;
    const char* percent;
    std::int64_t needed;
};

TEST(DerivedFigures, PercentageAndWinsNeededTable) {
    const FigureRow rows[] = {
        {0, 0, "0%", 0},     {0, 5, "0%", 0},     {5, 0, "100%", 0},   {1, 1, "50%", 1},   {1, 2, "33%", 1},
        {2, 1, "67%", 1},    {1, 7, "12%", 1},    {3, 5, "38%", 1},    {1, 39, "2%", 1},   {1, 199, "0%", 1},
        {199, 1, "100%", 0}, {23, 17, "58%", 1},  {59, 141, "29%", 1}, {51, 49, "51%", 2}, {57, 43, "57%", 2},
        {99, 1, "99%", 100}, {100, 1, "99%", 99},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.won << "/" << r.lost);
        EXPECT_EQ(GetPercentText(r.won, r.lost), r.percent);
        EXPECT_EQ(WinsNeeded(r.won, r.lost), r.needed);
    }
}

TEST(DerivedFigures, StreakTextTable) {
    EXPECT_EQ(GetStreakText(1, 1, 9), "1 win");
    EXPECT_EQ(GetStreakText(1, 3, 9), "3 wins");
    EXPECT_EQ(GetStreakText(1, 0, 9), "0 wins");
    EXPECT_EQ(GetStreakText(0, 1, 4), "1 loss");
    EXPECT_EQ(GetStreakText(0, 2, 4), "2 losses");
    EXPECT_EQ(GetStreakText(0, 2, 0), "2");
    EXPECT_EQ(GetStreakText(2, 7, 9), "7");
    EXPECT_EQ(GetStreakText(5, 7, 9), "0");
    EXPECT_EQ(GetStreakText(1, -1, 0), "-1 wins");  // plural for everything but exactly 1
    EXPECT_EQ(GetStreakText(0, 0, 3), "0 losses");
}

TEST(DerivedFigures, NegativeCountsNeverFail) {
    // won + lost is 0 while one count is positive: a plain text, no error.
    EXPECT_EQ(GetPercentText(5, -5), kUndefinedPercentText);
    EXPECT_EQ(GetPercentText(-5, 5), kUndefinedPercentText);
    EXPECT_EQ(GetPercentText(-5, 10), "-100%");
    EXPECT_EQ(GetPercentText(-5, -5), "0%");
    EXPECT_EQ(WinsNeeded(5, -5), 0);
    EXPECT_EQ(WinsNeeded(-5, 5), 0);
    // The 32-bit sum wraps: 2^31-1 + 2^31-1 is -2.
    EXPECT_EQ(WinPercent(INT32_MAX, INT32_MAX), ExtendedPercent(INT32_MAX, -2));
}

TEST(DerivedFigures, WinsNeededMatchesTheLoopOnEveryPairUpTo2000) {
    for (std::int32_t won = 0; won <= 2000; ++won)
        for (std::int32_t lost = 0; lost <= 2000; ++lost)
            ASSERT_EQ(WinsNeeded(won, lost), WinsNeededByLoop(won, lost)) << won << "/" << lost;
}

std::uint64_t NextRandom(std::uint64_t& state) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

TEST(DerivedFigures, WinsNeededMatchesTheLoopOnRandomMidSizedInputs) {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 300; ++i) {
        // Up to 20,000 losses keeps the plain loop itself quick enough to compare against.
        const auto lost = static_cast<std::int32_t>(NextRandom(state) % 20'000 + 1);
        const auto won = static_cast<std::int32_t>(NextRandom(state) % (static_cast<std::uint64_t>(lost) * 100) + 1);
        ASSERT_EQ(WinsNeeded(won, lost), WinsNeededByLoop(won, lost)) << won << "/" << lost;
    }
}

// For counts where the loop would take minutes: the answer is the first w that reaches the target.
void ExpectFirstWinThatReaches(std::int32_t won, std::int32_t lost) {
    SCOPED_TRACE(testing::Message() << won << "/" << lost);
    const std::int64_t n = WinsNeeded(won, lost);
    const std::int64_t target = *WinPercent(won, lost) + 1;
    ASSERT_GT(n, 0);
    const std::int64_t w = static_cast<std::int64_t>(won) + n;
    EXPECT_GE(ExtendedPercent(w, w + lost), target);
    if (n > 1) {
        EXPECT_LT(ExtendedPercent(w - 1, w - 1 + lost), target);
    }
}

TEST(DerivedFigures, WinsNeededOnLargeRandomInputsIsTheFirstWinThatReaches) {
    std::uint64_t state = 0x1234567887654321ull;
    int checked = 0;
    while (checked < 2000) {
        const auto won = static_cast<std::int32_t>(NextRandom(state) % 0x7FFFFFFF + 1);
        const auto lost = static_cast<std::int32_t>(NextRandom(state) % 0x7FFFFFFF + 1);
        if (static_cast<std::int64_t>(won) + lost > INT32_MAX) continue;  // keep the displayed sum unwrapped
        const auto p = *WinPercent(won, lost);
        if (p >= 100) continue;
        ExpectFirstWinThatReaches(won, lost);
        ++checked;
    }
}

TEST(DerivedFigures, WinsNeededEndsForTheLargestCounts) {
    // 99% with 21 million losses needs about 200 wins per loss: past 32 bits, so 64-bit sums.
    ExpectFirstWinThatReaches(2'100'000'000, 21'000'000);
    ExpectFirstWinThatReaches(1, INT32_MAX - 1);
    ExpectFirstWinThatReaches(1'000'000'000, 10'000'000);
    EXPECT_GT(2'100'000'000 + WinsNeeded(2'100'000'000, 21'000'000), static_cast<std::int64_t>(INT32_MAX));
}

}  // namespace
}  // namespace tv
