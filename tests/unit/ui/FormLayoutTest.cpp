// The forms' layouts at 96, 120, 144 and 192 dpi: positions and sizes scaled as MulDiv rounds,
// fonts by their point size, nothing overlapping at any scale.
#include <gtest/gtest.h>

#include "app/AboutFMLayout.h"
#include "app/MainFMLayout.h"
#include "backup/RestoreFMLayout.h"
#include "ui/FormDesign.h"

namespace tv {
namespace {

const PlacedControl& Control(const FormLayout& layout, int id) {
    for (const PlacedControl& c : layout.controls)
        if (c.id == id) return c;
    ADD_FAILURE() << "no control " << id;
    static const PlacedControl none{};
    return none;
}

const PlacedLabel& LabelOf(const FormLayout& layout, int id) {
    for (const PlacedLabel& l : layout.labels)
        if (l.id == id) return l;
    ADD_FAILURE() << "no label " << id;
    static const PlacedLabel none{};
    return none;
}

constexpr int kDpis[] = {96, 120, 144, 192};

TEST(MainWindowLayout, At144DpiIsTheDesignTimesOneAndAHalfRoundedAsMulDiv) {
    const FormLayout l = LayOutForm(mainfm::kDesign, Dpi(144));
    EXPECT_EQ(l.client_width, 581);  // 580.5
    EXPECT_EQ(l.client_height, 252);
    EXPECT_EQ(Control(l, mainfm::IdBtnLaunch).rect, (LayoutRect{261, 18, 146, 38}));  // 145.5 x 37.5
    EXPECT_EQ(Control(l, mainfm::IdBtnAbout).rect, (LayoutRect{414, 153, 146, 38}));
    EXPECT_EQ(LabelOf(l, mainfm::IdLabel3), (PlacedLabel{mainfm::IdLabel3, 261, 210, LabelAnchor::Left, 0}));
    // The percentage keeps growing to the left of its right edge.
    EXPECT_EQ(LabelOf(l, mainfm::IdLblPercent), (PlacedLabel{mainfm::IdLblPercent, 192, 18, LabelAnchor::Right, 0}));
    EXPECT_EQ(LabelOf(l, mainfm::IdLabel14).font, kBoldFont);
    EXPECT_EQ(l.font_heights, (std::vector<int>{-16, -16}));  // 8 points, not -11 scaled (-17)
}

TEST(MainWindowLayout, At120And192Dpi) {
    const FormLayout at120 = LayOutForm(mainfm::kDesign, Dpi(120));
    EXPECT_EQ(at120.client_width, 484);  // 483.75
    EXPECT_EQ(at120.client_height, 210);
    EXPECT_EQ(Control(at120, mainfm::IdBtnLaunch).rect, (LayoutRect{218, 15, 121, 31}));  // 217.5, 121.25, 31.25
    EXPECT_EQ(at120.font_heights.front(), -13);
    const FormLayout at192 = LayOutForm(mainfm::kDesign, Dpi(192));
    EXPECT_EQ(at192.client_width, 774);
    EXPECT_EQ(at192.client_height, 336);
    EXPECT_EQ(Control(at192, mainfm::IdBtnKill).rect, (LayoutRect{552, 24, 194, 50}));
    EXPECT_EQ(LabelOf(at192, mainfm::IdLblNextUp).x, 672);
    EXPECT_EQ(at192.font_heights.front(), -21);
}

TEST(MainWindowLayout, At96DpiIsTheDesignItself) {
    const FormLayout l = LayOutForm(mainfm::kDesign, Dpi(96));
    EXPECT_EQ(l.client_width, 387);
    EXPECT_EQ(l.client_height, 168);
    ASSERT_EQ(l.controls.size(), std::size(mainfm::kButtons));
    for (std::size_t i = 0; i < l.controls.size(); ++i) {
        const DesignRect& d = mainfm::kButtons[i].rect;
        EXPECT_EQ(l.controls[i].rect, (LayoutRect{d.x, d.y, d.width, d.height})) << l.controls[i].id;
    }
    ASSERT_EQ(l.labels.size(), std::size(mainfm::kLabels));
    for (std::size_t i = 0; i < l.labels.size(); ++i) {
        EXPECT_EQ(l.labels[i].x, mainfm::kLabels[i].x);
        EXPECT_EQ(l.labels[i].y, mainfm::kLabels[i].y);
    }
    EXPECT_EQ(l.font_heights.front(), -11);
}

TEST(AboutBoxLayout, TheIconAndTheFontsScaleWithTheBox) {
    const FormLayout l = LayOutForm(aboutfm::kDesign, Dpi(144));
    EXPECT_EQ(l.client_width, 431);   // 430.5
    EXPECT_EQ(l.client_height, 200);  // 199.5
    EXPECT_EQ(Control(l, aboutfm::IdImageIcon).rect, (LayoutRect{18, 27, 48, 48}));
    EXPECT_EQ(Control(l, aboutfm::IdImageIcon).font, kNoFont);
    EXPECT_EQ(Control(l, aboutfm::IdBtnOK).rect, (LayoutRect{288, 135, 113, 38}));  // 112.5 x 37.5
    EXPECT_EQ(LabelOf(l, aboutfm::IdLblEmail).y, 135);
    // Arial Black 14 point is -19 at 96 dpi, -28 at 144; the links are the window font underlined.
    EXPECT_EQ(l.font_heights, (std::vector<int>{-16, -28, -16}));
    EXPECT_EQ(LayOutForm(aboutfm::kDesign, Dpi(96)).font_heights, (std::vector<int>{-11, -19, -11}));
    EXPECT_TRUE(aboutfm::kFonts[aboutfm::kLinkFont].underline);
}

TEST(RestoreDialogLayout, TheListAndTheButtonsAt120Dpi) {
    const FormLayout l = LayOutForm(restorefm::kDesign, Dpi(120));
    EXPECT_EQ(l.client_width, 490);
    EXPECT_EQ(l.client_height, 291);                                                        // 291.25
    EXPECT_EQ(Control(l, restorefm::IdListBoxFiles).rect, (LayoutRect{15, 38, 275, 181}));  // 37.5, 181.25
    EXPECT_EQ(Control(l, restorefm::IdBtnCancel).rect, (LayoutRect{375, 245, 94, 31}));     // 93.75, 31.25
    // The percentage's right edge: 362 at 96 dpi.
    EXPECT_EQ(LabelOf(l, restorefm::IdLblPercent).x, 453);  // 452.5
}

TEST(RestoreDialogLayout, ItemHeightScalesButNeverCutsALineOfTheFont) {
    EXPECT_EQ(restorefm::ListItemHeight(Dpi(96), 13), 13);
    EXPECT_EQ(restorefm::ListItemHeight(Dpi(120), 16), 16);  // 16.25
    EXPECT_EQ(restorefm::ListItemHeight(Dpi(144), 20), 20);  // 19.5
    EXPECT_EQ(restorefm::ListItemHeight(Dpi(192), 20), 26);
    // A font that comes out taller than the scale (a substitute face) gets its line.
    EXPECT_EQ(restorefm::ListItemHeight(Dpi(96), 16), 16);
}

// Rounding each edge by itself could make neighbours touch or overlap; it must not at any scale.
TEST(FormLayouts, NoTwoControlsTouchOrOverlapAtAnyScale) {
    for (const FormDesign* design : {&mainfm::kDesign, &aboutfm::kDesign, &restorefm::kDesign}) {
        for (int dpi = 96; dpi <= 288; dpi += 4) {
            const FormLayout l = LayOutForm(*design, Dpi(dpi));
            for (std::size_t i = 0; i < l.controls.size(); ++i) {
                const LayoutRect& a = l.controls[i].rect;
                EXPECT_LE(a.left + a.width, l.client_width) << dpi << " dpi, control " << l.controls[i].id;
                EXPECT_LE(a.top + a.height, l.client_height) << dpi << " dpi, control " << l.controls[i].id;
                for (std::size_t j = i + 1; j < l.controls.size(); ++j) {
                    const LayoutRect& b = l.controls[j].rect;
                    const bool apart = a.left + a.width < b.left || b.left + b.width < a.left ||
                                       a.top + a.height < b.top || b.top + b.height < a.top;
                    EXPECT_TRUE(apart) << dpi << " dpi: controls " << l.controls[i].id << " and " << l.controls[j].id;
                }
            }
        }
    }
}

TEST(FormLayouts, EveryFontFollowsThePointRuleAtEveryScale) {
    for (int dpi : kDpis) {
        const FormLayout l = LayOutForm(mainfm::kDesign, Dpi(dpi));
        EXPECT_EQ(l.font_heights.front(), -MulDivRound(8, dpi, 72)) << dpi;
    }
    EXPECT_EQ(LayOutForm(mainfm::kDesign, Dpi(0)).client_width, 387) << "a failed query lays out at 96 dpi";
}

TEST(LabelRect, ALeftLabelGrowsRightARightLabelGrowsLeft) {
    EXPECT_EQ(LabelRect(54, 36, LabelAnchor::Left, 33, 20), (LayoutRect{54, 36, 33, 20}));
    EXPECT_EQ(LabelRect(192, 18, LabelAnchor::Right, 23, 20), (LayoutRect{169, 18, 23, 20}));
}

TEST(FormDesign, ControlsAreFoundByTheirIds) {
    ASSERT_NE(FindLabel(mainfm::kDesign, mainfm::IdLabel3), nullptr);
    EXPECT_STREQ(FindLabel(mainfm::kDesign, mainfm::IdLabel3)->caption, "# of wins needed to increase %:");
    ASSERT_NE(FindControl(restorefm::kDesign, restorefm::IdBtnDelete), nullptr);
    EXPECT_EQ(FindControl(restorefm::kDesign, restorefm::IdBtnDelete)->rect, (DesignRect{12, 196, 75, 25}));
    EXPECT_EQ(FindControl(mainfm::kDesign, restorefm::IdBtnDelete), nullptr);
}

}  // namespace
}  // namespace tv
