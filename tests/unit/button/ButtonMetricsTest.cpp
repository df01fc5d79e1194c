// The button's measures at 96, 120, 144 and 192 dpi: what is given at 96 dpi scales as MulDiv
// rounds (half away from zero), the lines of one pixel stay one pixel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "widgets/button/ArrangeContent.h"
#include "widgets/button/ButtonMetrics.h"
#include "widgets/button/PressLogic.h"

namespace tv {
namespace {

struct AtDpi {
    int dpi;
    int arrow_width, press_band, flat_press_band, focus_inset, glyph_rows, shadow, raised;
};

// 13 x 1.25 = 16.25, x 1.5 = 19.5 (20), x 2 = 26; 15 gives 18.75 (19), 22.5 (23); 11 gives 13.75
// (14), 16.5 (17); 2 gives 2.5 (3); 1 gives 1.25 (1) and 1.5 (2).
const AtDpi kScales[] = {
    {96, 13, 15, 11, 2, 4, 2, 1},
    {120, 16, 19, 14, 3, 5, 3, 1},
    {144, 20, 23, 17, 3, 6, 3, 2},
    {192, 26, 30, 22, 4, 8, 4, 2},
};

TEST(ButtonMetrics, MeasuresScaleAsMulDivRoundsAndLinesStayOnePixel) {
    for (const AtDpi& s : kScales) {
        const ButtonMetrics m = ButtonMetricsAt(Dpi(s.dpi));
        EXPECT_EQ(m.arrow_width, s.arrow_width) << s.dpi;
        EXPECT_EQ(m.press_band, s.press_band) << s.dpi;
        EXPECT_EQ(m.flat_press_band, s.flat_press_band) << s.dpi;
        EXPECT_EQ(m.focus_inset, s.focus_inset) << s.dpi;
        EXPECT_EQ(m.arrow_glyph_rows, s.glyph_rows) << s.dpi;
        EXPECT_EQ(m.shadow_offset, s.shadow) << s.dpi;
        EXPECT_EQ(m.raised_offset, s.raised) << s.dpi;
        EXPECT_EQ(m.frame_line, 1) << s.dpi;
        EXPECT_EQ(m.relief_offset, 1) << s.dpi;
        EXPECT_EQ(m.pressed_offset, 1) << s.dpi;
    }
}

TEST(ButtonMetrics, TheArrowGlyphAt96DpiIsSevenByFourCentredAsBefore) {
    const ButtonMetrics m = ButtonMetricsAt(Dpi(96));
    // The 13 x 25 arrow part of a 97 x 25 button: width div 2 - 3, height div 2 - 2.
    const ArrowGlyphPlace p = PlaceArrowGlyph(13, 25, m);
    ASSERT_TRUE(p.shown);
    EXPECT_EQ(p.Width(), 7);
    EXPECT_EQ(p.rows, 4);
    EXPECT_EQ(p.left, 3);
    EXPECT_EQ(p.top, 10);
    // Under 6 x 3 pixels nothing is drawn.
    EXPECT_FALSE(PlaceArrowGlyph(5, 25, m).shown);
    EXPECT_FALSE(PlaceArrowGlyph(13, 2, m).shown);
    EXPECT_TRUE(PlaceArrowGlyph(6, 3, m).shown);
    // A part smaller than the glyph puts it at the corner.
    EXPECT_EQ(PlaceArrowGlyph(6, 3, m).left, 0);
    EXPECT_EQ(PlaceArrowGlyph(6, 3, m).top, 0);
}

TEST(ButtonMetrics, TheArrowGlyphGrowsWithTheDpiAndStaysCentredInItsPart) {
    // The part of a button 25 pixels high at 96 dpi, at each scale.
    struct Case {
        int dpi, part_width, part_height, width, rows, left, top;
    };
    const Case cases[] = {
        {120, 16, 31, 9, 5, 4, 13},
        {144, 20, 38, 11, 6, 5, 16},
        {192, 26, 50, 15, 8, 6, 21},
    };
    for (const Case& c : cases) {
        const ArrowGlyphPlace p = PlaceArrowGlyph(c.part_width, c.part_height, ButtonMetricsAt(Dpi(c.dpi)));
        ASSERT_TRUE(p.shown) << c.dpi;
        EXPECT_EQ(p.Width(), c.width) << c.dpi;
        EXPECT_EQ(p.rows, c.rows) << c.dpi;
        EXPECT_EQ(p.left, c.left) << c.dpi;
        EXPECT_EQ(p.top, c.top) << c.dpi;
        // Centred: as much space on the left as on the right, give or take the odd pixel.
        EXPECT_LE(std::abs((c.part_width - p.left - p.Width()) - p.left), 1) << c.dpi;
    }
    // The smallest part that shows a glyph scales too: 6 x 3 at 96 dpi is 9 x 5 at 144.
    const ButtonMetrics m144 = ButtonMetricsAt(Dpi(144));
    EXPECT_FALSE(PlaceArrowGlyph(8, 20, m144).shown);
    EXPECT_FALSE(PlaceArrowGlyph(20, 4, m144).shown);
    EXPECT_TRUE(PlaceArrowGlyph(9, 5, m144).shown);
}

TEST(ButtonMetrics, TextEffectsMoveTheirCopyAndGrowTheCaptionRectangle) {
    const ButtonMetrics at96 = ButtonMetricsAt(Dpi(96));
    const TextEffectPlace normal = PlaceTextEffect(tdtNormal, at96);
    const TextEffectPlace shadowed = PlaceTextEffect(tdtShadowed, at96);
    const TextEffectPlace raised = PlaceTextEffect(tdtRaised, at96);
    EXPECT_EQ(normal.grow, 1);
    EXPECT_EQ(shadowed.dx, 2);
    EXPECT_EQ(shadowed.dy, 2);
    EXPECT_EQ(shadowed.grow, 3);
    EXPECT_EQ(raised.dx, -1);
    EXPECT_EQ(raised.dy, -1);
    EXPECT_EQ(raised.grow, 2);

    const ButtonMetrics at144 = ButtonMetricsAt(Dpi(144));
    EXPECT_EQ(PlaceTextEffect(tdtNormal, at144).grow, 1);
    EXPECT_EQ(PlaceTextEffect(tdtShadowed, at144).dx, 3);
    EXPECT_EQ(PlaceTextEffect(tdtShadowed, at144).grow, 4);
    EXPECT_EQ(PlaceTextEffect(tdtRaised, at144).dy, -2);
    EXPECT_EQ(PlaceTextEffect(tdtRaised, at144).grow, 3);
}

TEST(ButtonMetrics, ThePressBandOverTheArrowScalesWithTheLogic) {
    for (const AtDpi& s : kScales) {
        PopupButtonLogic b;
        b.SetUseArrow(true);
        b.SetDpi(Dpi(s.dpi));
        const int width = Dpi(s.dpi).Scale(75);
        EXPECT_TRUE(b.InPressArrowZone(width - s.press_band, width)) << s.dpi;
        EXPECT_FALSE(b.InPressArrowZone(width - s.press_band - 1, width)) << s.dpi;
        b.SetFlat(true);
        EXPECT_TRUE(b.InPressArrowZone(width - s.flat_press_band, width)) << s.dpi;
        EXPECT_FALSE(b.InPressArrowZone(width - s.flat_press_band - 1, width)) << s.dpi;
    }
}

TEST(ArrangeContentAtDpi, At96DpiEveryPlacementIsAsBefore) {
    // The same cases as the 96-dpi tests, through the DPI-taking call.
    const LayoutSize pic{16, 16}, cap{40, 13};
    const auto left = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, -1, 4, {0, 0}, Dpi(96));
    EXPECT_EQ(left.picture, (LayoutPoint{20, 7}));
    EXPECT_EQ(left.caption, (ContentRect{40, 8, 80, 21}));
    const auto given = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, 5, 2, {0, 0}, Dpi(96));
    EXPECT_EQ(given.caption.left, 23);
}

TEST(ArrangeContentAtDpi, MarginAndSpacingScaleButSharedSpaceStaysShared) {
    // A 16-pixel picture and a 40-pixel caption in 200 pixels: margin 5 and spacing 2 at 96 dpi.
    const LayoutSize pic{16, 16}, cap{40, 13};
    struct Case {
        int dpi, picture_x, caption_x;
    };
    // Margin 5 gives 6, 8, 10; spacing 2 gives 3, 3, 4.
    const Case cases[] = {{96, 5, 23}, {120, 6, 25}, {144, 8, 27}, {192, 10, 30}};
    for (const Case& c : cases) {
        const auto p = PlaceContent({0, 0, 200, 40}, 0, pic, cap, blGlyphLeft, 5, 2, {0, 0}, Dpi(c.dpi));
        EXPECT_EQ(p.picture.x, c.picture_x) << c.dpi;
        EXPECT_EQ(p.caption.left, c.caption_x) << c.dpi;
    }
    // Margin -1 and spacing -1 share the space in thirds at every DPI.
    for (int dpi : {96, 144, 192}) {
        const auto p = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, -1, -1, {0, 0}, Dpi(dpi));
        EXPECT_EQ(p.picture.x, 14) << dpi;
        EXPECT_EQ(p.caption.left, 44) << dpi;
    }
    // A caption-only button stays centred whatever its spacing scales to.
    for (int dpi : {120, 144, 192}) {
        const auto p = PlaceContent({2, 2, 144, 36}, 0, {0, 0}, {80, 20}, blGlyphLeft, -1, 3, {0, 0}, Dpi(dpi));
        EXPECT_EQ(p.caption.left, 2 + (142 - 80) / 2) << dpi;
    }
}

TEST(ArrangeContentAtDpi, AnOversizedPictureKeepsAScaledGap) {
    // Too high for a 20-pixel space: 2 pixels less at 96 dpi, 3 at 144.
    auto at96 = PlaceContent({0, 0, 100, 20}, 0, {32, 32}, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi(96));
    EXPECT_EQ(at96.picture_size, (LayoutSize{18, 18}));
    auto at144 = PlaceContent({0, 0, 100, 20}, 0, {32, 32}, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi(144));
    EXPECT_EQ(at144.picture_size, (LayoutSize{17, 17}));
}

}  // namespace
}  // namespace tv
