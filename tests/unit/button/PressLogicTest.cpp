// The press-state transitions of the popup button, driven as events through its logic.
#include <gtest/gtest.h>

#include "widgets/button/PressLogic.h"

namespace tv {
namespace {

constexpr ClientSize kSize{75, 25};

TEST(PressState, PressDragOffAndBackThenRelease) {
    PopupButtonLogic b;
    auto out = b.LeftPress(10, 10, kSize);
    EXPECT_EQ(b.press_state, psPressed);
    EXPECT_TRUE(out.invalidate);
    EXPECT_FALSE(out.click);
    out = b.MouseMove(100, 10, kSize);  // off the button
    EXPECT_EQ(b.press_state, psUp);
    EXPECT_TRUE(out.reevaluate_hover);
    out = b.MouseMove(20, 24, kSize);  // back inside (the bottom edge row counts as inside)
    EXPECT_EQ(b.press_state, psPressed);
    out = b.LeftRelease(20, 10, kSize);
    EXPECT_EQ(b.press_state, psUp);
    EXPECT_TRUE(out.click);
    EXPECT_FALSE(out.arrow);
}

TEST(PressState, ReleaseOutsideGivesNoClick) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize);
    b.MouseMove(-5, 10, kSize);
    const auto out = b.LeftRelease(-5, 10, kSize);
    EXPECT_FALSE(out.click);
    EXPECT_EQ(b.press_state, psUp);
    EXPECT_FALSE(b.pressing);
    EXPECT_TRUE(out.mouse_left);
    // A release without a press is nothing.
    EXPECT_FALSE(b.LeftRelease(10, 10, kSize).click);
}

TEST(PressState, DisabledButtonIgnoresPressesAndReconciles) {
    PopupButtonLogic b;
    b.enabled = false;
    EXPECT_FALSE(b.LeftPress(10, 10, kSize).invalidate);
    b.Reconcile(false);
    EXPECT_EQ(b.press_state, psDisabled);
    b.Reconcile(true);
    EXPECT_EQ(b.press_state, psUp);
    // A grouped button that is down regains its latched look.
    b.enabled = true;
    b.group_index = 1;
    b.SetDown(true);
    b.Reconcile(false);
    EXPECT_EQ(b.press_state, psDisabled);
    EXPECT_FALSE(b.pressing);
    b.Reconcile(true);
    EXPECT_EQ(b.press_state, psLatched);
}

TEST(PressState, KeyboardSpaceAndEnter) {
    PopupButtonLogic b;
    EXPECT_TRUE(b.SpaceDown().invalidate);
    EXPECT_EQ(b.press_state, psPressed);
    EXPECT_FALSE(b.SpaceDown().invalidate);  // already pressed
    auto out = b.SpaceUpOrEnter();
    EXPECT_TRUE(out.click);
    EXPECT_EQ(b.press_state, psUp);
    out = b.SpaceUpOrEnter();  // Enter on an idle button
    EXPECT_TRUE(out.click);
    EXPECT_EQ(b.press_state, psUp);
}

TEST(PressState, SwitchTogglesOnClickSpaceAndEnter) {
    PopupButtonLogic b;
    b.SetIsSwitch(true);
    b.LeftPress(5, 5, kSize);
    auto out = b.LeftRelease(5, 5, kSize);
    EXPECT_TRUE(out.click);
    EXPECT_TRUE(b.down);
    EXPECT_EQ(b.press_state, psPressed);
    EXPECT_TRUE(b.LooksDown());
    out = b.SpaceUpOrEnter();
    EXPECT_FALSE(b.down);
    EXPECT_EQ(b.press_state, psUp);
    b.SpaceUpOrEnter();
    EXPECT_TRUE(b.down);
    EXPECT_EQ(b.press_state, psPressed);
    // Switching IsSwitch off raises it without a repaint of its own.
    b.SetIsSwitch(false);
    EXPECT_FALSE(b.down);
    EXPECT_EQ(b.press_state, psUp);
}

TEST(PressState, DownIsForcedFalseWithoutGroupOrSwitch) {
    PopupButtonLogic b;
    const auto out = b.SetDown(true);
    EXPECT_FALSE(b.down);
    EXPECT_FALSE(out.invalidate);
}

TEST(Group, PressedButtonLatchesAndStaysDownUnlessAllowAllUp) {
    PopupButtonLogic b;
    b.group_index = 3;
    b.LeftPress(5, 5, kSize);
    auto out = b.LeftRelease(5, 5, kSize);
    EXPECT_TRUE(b.down);
    EXPECT_EQ(b.press_state, psLatched);
    EXPECT_TRUE(out.announce_group);
    EXPECT_TRUE(out.click);
    // Pressed again while down: stays down and latched.
    b.LeftPress(5, 5, kSize);
    EXPECT_EQ(b.press_state, psLatched);
    out = b.LeftRelease(5, 5, kSize);
    EXPECT_TRUE(b.down);
    EXPECT_EQ(b.press_state, psLatched);
    // With AllowAllUp the second press raises it.
    b.allow_all_up = true;
    b.LeftPress(5, 5, kSize);
    b.LeftRelease(5, 5, kSize);
    EXPECT_FALSE(b.down);
    EXPECT_EQ(b.press_state, psUp);
}

TEST(Group, PeerGoingDownRaisesTheOtherAndSharesAllowAllUp) {
    PopupButtonLogic a, b;
    a.group_index = b.group_index = 1;
    a.SetDown(true);
    const auto announce = b.SetDown(true);
    EXPECT_TRUE(announce.announce_group);
    const auto out = a.GroupPeerChanged(b.down, true);
    EXPECT_FALSE(a.down);
    EXPECT_EQ(a.press_state, psUp);
    EXPECT_TRUE(out.invalidate);
    EXPECT_TRUE(a.allow_all_up);
    // A peer that is up only passes on AllowAllUp.
    b.allow_all_up = false;
    EXPECT_FALSE(b.GroupPeerChanged(false, false).invalidate);
    EXPECT_TRUE(b.down);
}

TEST(Group, SetDownFalseCannotRaiseAGroupedButton) {
    PopupButtonLogic b;
    b.group_index = 1;
    b.SetDown(true);
    EXPECT_FALSE(b.SetDown(false).invalidate);
    EXPECT_TRUE(b.down);
}

TEST(Arrow, PressOnArrowClicksTheArrowAndSkipsAfterMenuClose) {
    PopupButtonLogic b;
    b.use_arrow = true;
    auto out = b.LeftPress(70, 10, kSize);  // within the last 15 pixels
    EXPECT_TRUE(out.click);
    EXPECT_TRUE(out.arrow);
    EXPECT_EQ(b.press_state, psArrowPressed);
    b.menu_shown = true;
    b.AfterArrowPressClick();
    EXPECT_FALSE(b.pressing);
    b.CancelMenu();
    EXPECT_EQ(b.press_state, psUp);
    // The click that closed the menu is swallowed once.
    b.skip_arrow_press = true;
    out = b.LeftPress(70, 10, kSize);
    EXPECT_FALSE(out.click);
    EXPECT_FALSE(b.skip_arrow_press);
    // Flat buttons have an 11-pixel band.
    b.flat = true;
    EXPECT_FALSE(b.InPressArrowZone(63, 75));
    EXPECT_TRUE(b.InPressArrowZone(64, 75));
    b.flat = false;
    EXPECT_TRUE(b.InPressArrowZone(60, 75));
    EXPECT_TRUE(b.InPressArrowZone(75, 75));
}

TEST(Arrow, HoverTracksTheArrowPart) {
    PopupButtonLogic b;
    b.use_arrow = true;
    b.arrow_width = 13;
    b.MouseMove(70, 5, kSize);
    EXPECT_TRUE(b.arrow_hot);
    EXPECT_FALSE(b.mouse_in_control);
    b.MouseMove(10, 5, kSize);
    EXPECT_FALSE(b.arrow_hot);
    EXPECT_TRUE(b.mouse_in_control);
    // Dragging a body press onto the arrow shows the arrow pressed.
    b.LeftPress(10, 5, kSize);
    b.MouseMove(70, 5, kSize);
    EXPECT_EQ(b.press_state, psArrowPressed);
}

}  // namespace
}  // namespace tv
