#include <gtest/gtest.h>

#include "ui/MessageBoxLayout.h"

namespace tv {
namespace {

using namespace msgbox;

// A font whose average character is 6 by 13 pixels (8-point Tahoma at 96 dpi, say).
constexpr DialogUnits kDu{6, 13};

TEST(MessageBoxUnits, ConvertWithRounding) {
    EXPECT_EQ(MulDivRound(8, 6, 4), 12);
    EXPECT_EQ(MulDivRound(10, 7, 4), 18);    // 17.5 rounds up
    EXPECT_EQ(MulDivRound(-10, 7, 4), -18);  // and away from zero when negative
    EXPECT_EQ(MulDivRound(1, 1, 3), 0);
    EXPECT_EQ(MulDivRound(5, 1, 0), -1);
    EXPECT_EQ(HorzUnits(kDu, kMinButtonWidth), 75);
    EXPECT_EQ(VertUnits(kDu, kButtonHeight), 23);  // 22.75
    EXPECT_EQ(VertUnits(kDu, kVertMargin), 13);
    EXPECT_EQ(AverageCharWidth(312), 6);
    EXPECT_EQ(AverageCharWidth(337), 6);  // 6.48
    EXPECT_EQ(AverageCharWidth(338), 7);  // 6.5 rounds up
}

TEST(MessageBoxButtons, WidthIsTheMinimumOrTheWidestCaptionPlusEight) {
    EXPECT_EQ(ButtonWidth(kDu, {}), 75);
    EXPECT_EQ(ButtonWidth(kDu, {20, 17}), 75);
    EXPECT_EQ(ButtonWidth(kDu, {20, 67}), 75);  // 67 + 8 equals the minimum
    EXPECT_EQ(ButtonWidth(kDu, {20, 68, 90}), 98);
    EXPECT_EQ(ButtonWidth(DialogUnits{8, 16}, {10}), 100);
}

TEST(MessageBoxButtons, FixedOrderCaptionsAndIds) {
    const auto shown = ShownButtons(MsgButton::Help | MsgButton::No | MsgButton::Yes | MsgButton::Cancel);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_STREQ(shown[0].caption, "&Yes");
    EXPECT_STREQ(shown[1].caption, "&No");
    EXPECT_STREQ(shown[2].caption, "Cancel");
    EXPECT_STREQ(shown[3].caption, "&Help");
    EXPECT_EQ(shown[0].control_id, kIdYes);
    EXPECT_EQ(shown[1].control_id, kIdNo);
    EXPECT_EQ(shown[2].control_id, kIdCancel);
    EXPECT_EQ(shown[3].result, MsgResult::None);
    EXPECT_STREQ(InfoOf(MsgButton::NoToAll).caption, "N&o to All");
    EXPECT_STREQ(InfoOf(MsgButton::YesToAll).caption, "Yes to &All");
    EXPECT_EQ(ResultOfControlId(kIdNo), MsgResult::No);
    EXPECT_EQ(ResultOfControlId(kIdOk), MsgResult::OK);
    EXPECT_EQ(ResultOfControlId(kIdYesToAll), MsgResult::YesToAll);
    EXPECT_EQ(ResultOfControlId(kIdHelp), MsgResult::None);
    EXPECT_EQ(ResultOfControlId(-1), MsgResult::None);
}

TEST(MessageBoxButtons, DefaultAndCancelForEverySetTheProgramUses) {
    const MsgButtons ok = Buttons(MsgButton::OK);
    EXPECT_EQ(DefaultButton(ok), MsgButton::OK);
    EXPECT_EQ(CancelButton(ok), MsgButton::OK);
    const MsgButtons yes_no = MsgButton::Yes | MsgButton::No;
    EXPECT_EQ(DefaultButton(yes_no), MsgButton::Yes);
    EXPECT_EQ(CancelButton(yes_no), MsgButton::No);
    // A question that must not be answered Yes by accident names No as its default; a default
    // the box does not show leaves the rule in force.
    EXPECT_EQ(DefaultButton(yes_no, MsgButton::No), MsgButton::No);
    EXPECT_EQ(DefaultButton(yes_no, std::nullopt), MsgButton::Yes);
    EXPECT_EQ(DefaultButton(yes_no, MsgButton::OK), MsgButton::Yes);
    // The remaining rules.
    EXPECT_EQ(DefaultButton(MsgButton::Yes | MsgButton::OK), MsgButton::OK);
    EXPECT_EQ(CancelButton(MsgButton::OK | MsgButton::Cancel), MsgButton::Cancel);
    EXPECT_EQ(DefaultButton(MsgButton::Abort | MsgButton::Retry), MsgButton::Retry);
    EXPECT_EQ(CancelButton(MsgButton::No | MsgButton::Cancel), MsgButton::Cancel);
    EXPECT_EQ(DefaultButton(Buttons(MsgButton::Abort)), std::nullopt);
    EXPECT_EQ(CancelButton(Buttons(MsgButton::Ignore)), std::nullopt);
}

TEST(MessageBoxKinds, CaptionsAndIcons) {
    EXPECT_STREQ(KindCaption(MsgKind::Information), "Information");
    EXPECT_STREQ(KindCaption(MsgKind::Warning), "Warning");
    EXPECT_STREQ(KindCaption(MsgKind::Confirmation), "Confirm");
    EXPECT_STREQ(KindCaption(MsgKind::Error), "Error");
    EXPECT_STREQ(KindCaption(MsgKind::Custom), "Tallyvane");
    EXPECT_TRUE(KindHasIcon(MsgKind::Confirmation));
    EXPECT_FALSE(KindHasIcon(MsgKind::Custom));
}

TEST(MessageBoxLayout, WithIcon) {
    // margins 12 x 13, spacing 15 x 16, button height 23, button spacing 6
    const auto l = LayOutMessageBox(kDu, 200, 13, true, {18, 14});
    EXPECT_EQ(l.client_width, 15 + 200 + 32 + 2 * 12);
    EXPECT_EQ(l.client_height, 32 + 23 + 16 + 2 * 13);  // the icon is taller than one text line
    ASSERT_TRUE(l.icon);
    EXPECT_EQ(*l.icon, (LayoutRect{12, 13, 32, 32}));
    EXPECT_EQ(l.text, (LayoutRect{12 + 32 + 15, 13, 200, 13}));
    // The label may paint on into the far margin, where overhanging ink would otherwise be cut.
    EXPECT_EQ(l.text_area, (LayoutRect{12 + 32 + 15, 13, 200 + 6, 13}));
    ASSERT_EQ(l.buttons.size(), 2u);
    const int row = 2 * 75 + 6;
    EXPECT_EQ(l.buttons[0], (LayoutRect{(l.client_width - row) / 2, 32 + 13 + 16, 75, 23}));
    EXPECT_EQ(l.buttons[1].left, l.buttons[0].left + 75 + 6);
    EXPECT_EQ(l.buttons[1].top, l.buttons[0].top);
}

TEST(MessageBoxLayout, TallTextWithIcon) {
    const auto l = LayOutMessageBox(kDu, 300, 65, true, {18});
    EXPECT_EQ(l.client_height, 65 + 23 + 16 + 26);
    EXPECT_EQ(l.buttons[0].top, 65 + 13 + 16);
}

TEST(MessageBoxLayout, WithoutIcon) {
    const auto l = LayOutMessageBox(kDu, 200, 26, false, {14});
    EXPECT_FALSE(l.icon);
    EXPECT_EQ(l.client_width, 200 + 24);
    EXPECT_EQ(l.client_height, 26 + 23 + 16 + 26);
    EXPECT_EQ(l.text, (LayoutRect{12, 13, 200, 26}));
    EXPECT_EQ(l.buttons[0].left, (224 - 75) / 2);
}

TEST(MessageBoxLayout, ButtonRowWiderThanTheText) {
    const auto l = LayOutMessageBox(kDu, 40, 13, false, {14, 14, 14});
    const int row = 3 * 75 + 2 * 6;
    EXPECT_EQ(l.client_width, row + 24);
    EXPECT_EQ(l.buttons[0].left, 12);  // centred: the margin on both sides
    EXPECT_EQ(l.text_area, (LayoutRect{12, 13, 40 + 6, 13}));
    EXPECT_EQ(l.buttons[2].left + l.buttons[2].width, l.client_width - 12);
}

TEST(MessageBoxLayout, OddSpareWidthCentresToTheLeft) {
    const auto l = LayOutMessageBox(kDu, 100, 13, false, {14});  // 124 - 75 = 49 spare pixels
    EXPECT_EQ(l.buttons[0].left, 24);
}

TEST(MessageBoxLayout, RightToLeftMirrorsTheText) {
    const auto l = LayOutMessageBox(kDu, 200, 13, true, {18}, true);
    EXPECT_EQ(l.text.left, l.client_width - (12 + 32 + 15) - 200);
    EXPECT_EQ(l.icon->left, 12);
    EXPECT_EQ(l.text_area.left, l.text.left - 6);
    EXPECT_EQ(l.text_area.left + l.text_area.width, l.text.left + l.text.width);
}

// The message font (8-point Tahoma) as Wine realises it at each scale: its dialog units carry the
// margins, spacings and buttons; the icon and the caption padding are pixels at 96 dpi, scaled.
TEST(MessageBoxLayout, ScalesWithTheFontAndTheDpi) {
    struct Case {
        int dpi;
        DialogUnits du;  // from the 52 letters' width and the line height
        int margin_x, margin_y, icon, button_width, button_height;
    };
    for (const Case& c : {Case{96, {6, 13}, 12, 13, 32, 75, 23}, Case{120, {8, 17}, 16, 17, 40, 100, 30},
                          Case{144, {10, 21}, 20, 21, 48, 125, 37}, Case{192, {12, 27}, 24, 27, 64, 150, 47}}) {
        const auto l = LayOutMessageBox(c.du, 200, c.du.char_height, true, {10, 10}, false, Dpi(c.dpi));
        ASSERT_TRUE(l.icon) << c.dpi;
        EXPECT_EQ(*l.icon, (LayoutRect{c.margin_x, c.margin_y, c.icon, c.icon})) << c.dpi;
        EXPECT_EQ(l.button_width, c.button_width) << c.dpi;
        EXPECT_EQ(l.buttons[0].height, c.button_height) << c.dpi;
        EXPECT_EQ(l.text.left, c.margin_x + c.icon + HorzUnits(c.du, kHorzSpacing)) << c.dpi;
        // The icon is taller than one line of text at every scale: it sets the content height.
        EXPECT_EQ(l.client_height, c.icon + c.button_height + VertUnits(c.du, kVertSpacing) + 2 * c.margin_y) << c.dpi;
    }
}

TEST(MessageBoxButtons, TheCaptionPaddingScales) {
    // "N&o to All" wider than 50 units: 8 pixels at 96 dpi, 12 at 144.
    EXPECT_EQ(ButtonWidth(kDu, {90}, Dpi(96)), 98);
    EXPECT_EQ(ButtonWidth(DialogUnits{10, 21}, {140}, Dpi(144)), 152);
}

TEST(MessageBoxLayout, TextWrapsAtHalfTheScreen) {
    EXPECT_EQ(TextWrapWidth(1024), 512);
    EXPECT_EQ(TextWrapWidth(1279), 639);
}

}  // namespace
}  // namespace tv
