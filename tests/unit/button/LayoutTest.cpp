// Placement of picture and caption for the four layouts, with margin and spacing rules.
#include <gtest/gtest.h>

#include "widgets/button/ArrangeContent.h"
#include "widgets/button/PullDownPlacement.h"

namespace tv {
namespace {

TEST(ArrangeContent, CaptionOnlyIsCentredWhateverTheSpacing) {
    // A 97 x 25 button less the two-pixel inset; a caption measured 80 x 13.
    for (int spacing : {3, 4}) {
        const auto p = PlaceContent({2, 2, 95, 23}, 0, {0, 0}, {80, 13}, blGlyphLeft, -1, spacing, {0, 0}, Dpi());
        EXPECT_EQ(p.caption, (ContentRect{8, 6, 88, 19}));
    }
}

TEST(ArrangeContent, WideCaptionOverflowsBothEdges) {
    const auto p = PlaceContent({2, 2, 95, 23}, 0, {0, 0}, {121, 13}, blGlyphLeft, -1, 3, {0, 0}, Dpi());
    EXPECT_EQ(p.caption.left, 2 - 14);
    EXPECT_EQ(p.caption.right, 95 + 14);
}

TEST(ArrangeContent, FourLayouts) {
    const LayoutSize pic{16, 16}, cap{40, 13};
    auto left = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, -1, 4, {0, 0}, Dpi());
    EXPECT_EQ(left.picture, (LayoutPoint{20, 7}));
    EXPECT_EQ(left.caption, (ContentRect{40, 8, 80, 21}));
    auto right = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphRight, -1, 4, {0, 0}, Dpi());
    EXPECT_EQ(right.picture, (LayoutPoint{64, 7}));
    EXPECT_EQ(right.caption.left, 20);
    auto top = PlaceContent({0, 0, 60, 60}, 0, pic, cap, blGlyphTop, -1, 4, {0, 0}, Dpi());
    EXPECT_EQ(top.picture, (LayoutPoint{22, 13}));
    EXPECT_EQ(top.caption, (ContentRect{10, 33, 50, 46}));
    auto bottom = PlaceContent({0, 0, 60, 60}, 0, pic, cap, blGlyphBottom, -1, 4, {0, 0}, Dpi());
    EXPECT_EQ(bottom.picture, (LayoutPoint{22, 31}));
    EXPECT_EQ(bottom.caption.top, 14);
}

TEST(ArrangeContent, MarginAndSpacingRules) {
    const LayoutSize pic{16, 16}, cap{40, 13};
    auto both_auto = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, -1, -1, {0, 0}, Dpi());
    EXPECT_EQ(both_auto.picture.x, 14);
    EXPECT_EQ(both_auto.caption.left, 44);
    auto spacing_auto = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, 5, -1, {0, 0}, Dpi());
    EXPECT_EQ(spacing_auto.picture.x, 5);
    EXPECT_EQ(spacing_auto.caption.left, 40);
    auto given = PlaceContent({0, 0, 100, 30}, 0, pic, cap, blGlyphLeft, 5, 2, {0, 0}, Dpi());
    EXPECT_EQ(given.caption.left, 23);
    // No caption: spacing drops to 0 and the picture is centred by the margin.
    auto picture_only = PlaceContent({0, 0, 100, 30}, 0, pic, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi());
    EXPECT_EQ(picture_only.picture.x, 42);
}

TEST(ArrangeContent, ArrowWidthOffsetAndRectangleOrigin) {
    auto p = PlaceContent({10, 20, 110, 50}, 13, {0, 0}, {41, 13}, blGlyphLeft, -1, 3, {1, 1}, Dpi());
    // Available width 87: (87 - 41) / 2 = 23, plus origin and offset.
    EXPECT_EQ(p.caption, (ContentRect{34, 29, 75, 42}));
}

TEST(ArrangeContent, OversizedPictureIsShrunkKeepingItsShape) {
    // Too high: two pixels less than the available height, the width in proportion.
    auto tall = PlaceContent({0, 0, 100, 20}, 0, {32, 32}, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi());
    EXPECT_TRUE(tall.scaled);
    EXPECT_EQ(tall.picture_size, (LayoutSize{18, 18}));
    // Too wide: two pixels less than the available width, the height in proportion.
    auto wide = PlaceContent({0, 0, 20, 100}, 0, {40, 20}, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi());
    EXPECT_TRUE(wide.scaled);
    EXPECT_EQ(wide.picture_size, (LayoutSize{18, 9}));
    // Too high and, after that, still too wide.
    auto both = PlaceContent({0, 0, 30, 22}, 0, {64, 32}, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi());
    EXPECT_EQ(both.picture_size, (LayoutSize{28, 14}));
    auto fits = PlaceContent({0, 0, 100, 30}, 0, {16, 16}, {0, 0}, blGlyphLeft, -1, 4, {0, 0}, Dpi());
    EXPECT_FALSE(fits.scaled);
    EXPECT_EQ(fits.picture_size, (LayoutSize{16, 16}));
}

TEST(PullDownMenu, OpensBelowRightOfOrAboveTheButton) {
    const ContentRect button{100, 200, 175, 225};  // 75 x 25 on the screen
    EXPECT_EQ(PullDownPoint(ppDown, button, 3, 19, 2), (LayoutPoint{99, 225}));
    EXPECT_EQ(PullDownPoint(ppRight, button, 3, 19, 2), (LayoutPoint{175, 199}));
    EXPECT_EQ(PullDownPoint(ppTop, button, 3, 19, 2), (LayoutPoint{99, 200 - 57 - 2}));
}

}  // namespace
}  // namespace tv
