#include "platform/Dpi.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

TEST(Dpi, ScalesTheMainWindowsLayoutAsMulDivRounds) {
    const Dpi dpi(144);
    // The client area 387 x 168 and btnLaunch at 174, 12 with 97 x 25.
    EXPECT_EQ(dpi.Scale(387), 581);  // 580.5
    EXPECT_EQ(dpi.Scale(168), 252);
    EXPECT_EQ(ScaleRect({174, 12, 97, 25}, dpi), (DesignRect{261, 18, 146, 38}));  // 145.5 x 37.5
    EXPECT_EQ(Dpi(120).Scale(387), 484);                                           // 483.75
    EXPECT_EQ(Dpi(192).Scale(387), 774);
    EXPECT_EQ(Dpi(96).Scale(387), 387);
}

TEST(Dpi, FontHeightFollowsThePointSizeRuleNotTheScaledPixelHeight) {
    EXPECT_EQ(Dpi(96).FontHeight(8), -11);
    EXPECT_EQ(Dpi(120).FontHeight(8), -13);
    EXPECT_EQ(Dpi(144).FontHeight(8), -16);  // -11 scaled would be -17
    EXPECT_EQ(Dpi(192).FontHeight(8), -21);
}

TEST(Dpi, AFailedQueryMeansTheDesignDpi) {
    EXPECT_EQ(Dpi(0).Value(), kDesignDpi);
    EXPECT_EQ(Dpi(-5).Scale(75), 75);
    EXPECT_EQ(Dpi{}.Value(), kDesignDpi);
}

}  // namespace
}  // namespace tv
