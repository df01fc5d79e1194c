// The integer hue-lightness-saturation conversion and the frame shades derived from a face colour.
#include <gtest/gtest.h>

#include "platform/Color.h"

namespace tv {
namespace {

struct HlsCase {
    TColor rgb;
    Hls hls;
};

TEST(HueLightnessSaturation, KnownColours) {
    const HlsCase cases[] = {
        {MakeRgb(255, 0, 0), {0, 126, 252}},    {MakeRgb(0, 255, 0), {84, 126, 252}},
        {MakeRgb(0, 0, 255), {168, 126, 252}},  {MakeRgb(255, 255, 255), {168, 252, 0}},
        {MakeRgb(0, 0, 0), {168, 0, 0}},        {MakeRgb(192, 192, 192), {168, 190, 0}},
        {MakeRgb(255, 255, 0), {42, 126, 252}}, {MakeRgb(128, 0, 0), {0, 63, 252}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RgbToHls(c.rgb), c.hls) << std::hex << c.rgb;
        EXPECT_EQ(HlsToRgb(c.hls), c.rgb) << std::hex << c.rgb;
    }
}

TEST(HueLightnessSaturation, RoundTripStaysWithinOneStepPerChannel) {
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 51) {
            for (int b = 0; b < 256; b += 85) {
                const TColor back = HlsToRgb(RgbToHls(MakeRgb(r, g, b)));
                EXPECT_NEAR(RedOf(back), r, 3);
                EXPECT_NEAR(GreenOf(back), g, 3);
                EXPECT_NEAR(BlueOf(back), b, 3);
            }
        }
    }
}

TEST(HueLightnessSaturation, PacksHueLightnessSaturationFromTheLowByte) {
    EXPECT_EQ(PackHls({0x12, 0x34, 0x56}), 0x563412u);
}

TEST(ShadowColours, DerivedFromRed) {
    const auto shades = DeriveShadowColors(MakeRgb(255, 0, 0));
    ASSERT_TRUE(shades.has_value());
    EXPECT_EQ(shades->highlight, MakeRgb(255, 85, 85));
    EXPECT_EQ(shades->dark_shadow, MakeRgb(128, 0, 0));
    EXPECT_EQ(shades->shadow, MakeRgb(170, 0, 0));
}

TEST(ShadowColours, KnownShadesOfATableOfFaces) {
    // Worked by hand from the conversion: lightness L + L div 3, L - L div 2 and L - L div 3 at the
    // face's own hue and saturation (for grey (120, 120, 120), L = 119: 158, 60 and 80).
    struct Case {
        TColor face;
        ShadowColors shades;
    };
    const Case cases[] = {
        {MakeRgb(0, 0, 128), {MakeRgb(0, 0, 170), MakeRgb(0, 0, 65), MakeRgb(0, 0, 85)}},
        {MakeRgb(200, 180, 40), {MakeRgb(224, 208, 96), MakeRgb(101, 91, 20), MakeRgb(135, 121, 27)}},
        {MakeRgb(40, 160, 90), {MakeRgb(61, 206, 119), MakeRgb(20, 81, 45), MakeRgb(26, 107, 59)}},
        {MakeRgb(120, 120, 120), {MakeRgb(159, 159, 159), MakeRgb(60, 60, 60), MakeRgb(80, 80, 80)}},
        // Light enough that the highlight meets the ceiling of 239.
        {MakeRgb(250, 250, 250), {MakeRgb(241, 241, 241), MakeRgb(125, 125, 125), MakeRgb(166, 166, 166)}},
    };
    for (const Case& c : cases) {
        const auto shades = DeriveShadowColors(c.face);
        ASSERT_TRUE(shades.has_value()) << std::hex << c.face;
        EXPECT_EQ(*shades, c.shades) << std::hex << c.face << ": " << shades->highlight << " " << shades->dark_shadow
                                     << " " << shades->shadow;
    }
}

TEST(ShadowColours, BlackFaceFallsBackToSystemShades) { EXPECT_FALSE(DeriveShadowColors(MakeRgb(0, 0, 0))); }

}  // namespace
}  // namespace tv
