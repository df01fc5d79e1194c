// The integer percentage against the x87 extended format itself (64-bit significand), where the
// compiler's long double is that format.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "stats/DerivedFigures.h"

namespace tv {
namespace {

#if LDBL_MANT_DIG == 64
constexpr bool kHaveExtended = true;
std::int64_t X87Percent(std::int32_t won, std::int32_t lost) {
    const auto d = static_cast<std::int32_t>(static_cast<std::uint32_t>(won) + static_cast<std::uint32_t>(lost));
    volatile long double q = static_cast<long double>(won) / static_cast<long double>(d);
    volatile long double p = q * 100.0L;
    return static_cast<std::int64_t>(std::nearbyintl(p));  // default mode: nearest, ties to even
}
#else
constexpr bool kHaveExtended = false;
std::int64_t X87Percent(std::int32_t, std::int32_t) { return 0; }
#endif

TEST(WinPercentProof, DoubleAndExactArithmeticWouldDiffer) {
    EXPECT_EQ(*WinPercent(23, 17), 58);   // double gives 57
    EXPECT_EQ(*WinPercent(59, 141), 29);  // exact and double give 30
    EXPECT_EQ(*WinPercent(1, 7), 12);
    EXPECT_EQ(*WinPercent(1, 199), 0);
    EXPECT_EQ(*WinPercent(199, 1), 100);
}

TEST(WinPercentProof, EveryPairUpTo2000) {
    if (!kHaveExtended) GTEST_SKIP() << "no 64-bit-significand long double on this compiler";
    for (std::int32_t won = 0; won <= 2000; ++won)
        for (std::int32_t lost = 0; lost <= 2000; ++lost) {
            if (won + lost == 0) continue;
            ASSERT_EQ(*WinPercent(won, lost), X87Percent(won, lost)) << won << "/" << lost;
        }
}

TEST(WinPercentProof, TenMillionRandomPairsOverThe32BitRange) {
    if (!kHaveExtended) GTEST_SKIP() << "no 64-bit-significand long double on this compiler";
    std::uint64_t state = 0x2545F4914F6CDD1Dull;
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(state >> 16));
    };
    for (int i = 0; i < 10'000'000; ++i) {
        std::int32_t won = next();
        std::int32_t lost = next();
        if (i % 4 == 1) won = static_cast<std::int32_t>(static_cast<std::uint32_t>(won) >> 8);  // mid-sized counts
        if (i % 4 == 2) lost = won ^ 1;                                                         // sums near zero
        const auto d = static_cast<std::int32_t>(static_cast<std::uint32_t>(won) + static_cast<std::uint32_t>(lost));
        if (d == 0) continue;
        ASSERT_EQ(*WinPercent(won, lost), X87Percent(won, lost)) << won << "/" << lost;
    }
}

}  // namespace
}  // namespace tv
