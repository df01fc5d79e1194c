// The press-state transitions of the popup button, driven as events through its logic, one
// scenario each: what the state becomes and what the window is asked to do.
#include <gtest/gtest.h>

#include <ostream>
#include <utility>

#include "widgets/button/PressLogic.h"

namespace tv {

// Readable outcomes in failure messages.
void PrintTo(const PressOutcome& o, std::ostream* os) {
    *os << "{repaint " << static_cast<int>(o.Repaints()) << ", group " << o.AnnouncesToGroup() << ", capture "
        << static_cast<int>(o.Capture()) << ", left " << o.LeavesPointer() << ", hover " << o.ReevaluatesHover()
        << ", click " << static_cast<int>(o.Clicks()) << "}";
}

namespace {

constexpr ClientSize kSize{75, 25};
constexpr bool kEnabled = true;

PopupButtonLogic ArrowButton() {
    PopupButtonLogic b;
    b.SetUseArrow(true);
    return b;
}

PopupButtonLogic GroupedButton(int group = 1) {
    PopupButtonLogic b;
    b.SetGroupIndex(group);
    return b;
}

PopupButtonLogic Switch() {
    PopupButtonLogic b;
    b.SetIsSwitch(true);
    return b;
}

TEST(PressState, PressDragOffAndBackThenRelease) {
    PopupButtonLogic b;
    auto out = b.LeftPress(10, 10, kSize, kEnabled);
    EXPECT_EQ(b.State(), psPressed);
    EXPECT_EQ(out, PressOutcome::RepaintLater().TakingCapture());
    out = b.MouseMove(100, 10, kSize);  // off the button
    EXPECT_EQ(b.State(), psUp);
    EXPECT_TRUE(out.ReevaluatesHover());
    out = b.MouseMove(20, 24, kSize);  // back inside: the bottom row is the button's
    EXPECT_EQ(b.State(), psPressed);
    out = b.LeftRelease(20, 10, kSize);
    EXPECT_EQ(b.State(), psUp);
    EXPECT_EQ(out.Capture(), CaptureChange::Release);
    EXPECT_EQ(out.Clicks(), ClickTarget::Body);
    EXPECT_FALSE(b.HoldsCapture());
}

TEST(PressState, ReleaseOutsideGivesNoClickAndLeavesTheButton) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize, kEnabled);
    b.MouseMove(-5, 10, kSize);
    const auto out = b.LeftRelease(-5, 10, kSize);
    EXPECT_EQ(out.Clicks(), ClickTarget::None);
    EXPECT_EQ(out.Capture(), CaptureChange::Release);
    EXPECT_TRUE(out.LeavesPointer());
    EXPECT_EQ(b.State(), psUp);
    EXPECT_FALSE(b.Pressing());
    // A release without a press is nothing.
    EXPECT_EQ(b.LeftRelease(10, 10, kSize), PressOutcome::Nothing());
}

TEST(PressState, TheRowAndColumnJustPastTheButtonAreOutside) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize, kEnabled);
    b.MouseMove(10, 25, kSize);
    EXPECT_EQ(b.State(), psUp) << "the row below";
    EXPECT_EQ(b.LeftRelease(10, 25, kSize).Clicks(), ClickTarget::None);
    b.LeftPress(10, 10, kSize, kEnabled);
    EXPECT_EQ(b.LeftRelease(75, 10, kSize).Clicks(), ClickTarget::None) << "the column right of it";
    b.LeftPress(10, 10, kSize, kEnabled);
    EXPECT_EQ(b.LeftRelease(74, 24, kSize).Clicks(), ClickTarget::Body) << "the last pixel inside";
}

TEST(PressState, ADisabledButtonIgnoresPressesAndReconcilesWhenPainted) {
    PopupButtonLogic b;
    EXPECT_EQ(b.LeftPress(10, 10, kSize, !kEnabled), PressOutcome::Nothing());
    EXPECT_FALSE(b.Pressing());
    b.Reconcile(false);
    EXPECT_EQ(b.State(), psDisabled);
    b.Reconcile(true);
    EXPECT_EQ(b.State(), psUp);
}

TEST(PressState, DisabledWhileHeldTheButtonGivesTheMouseBack) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize, kEnabled);
    EXPECT_EQ(b.Reconcile(false).Capture(), CaptureChange::Release);
    EXPECT_FALSE(b.Pressing());
    EXPECT_EQ(b.LeftRelease(10, 10, kSize), PressOutcome::Nothing());
}

TEST(PressState, ALatchedButtonRegainsItsLookWhenEnabledAgain) {
    auto b = GroupedButton();
    b.SetDown(true);
    // A disabled parent: painted disabled, the state untouched.
    EXPECT_EQ(b.Look(false), psDisabled);
    EXPECT_EQ(b.State(), psLatched);
    b.Reconcile(false);
    EXPECT_EQ(b.Look(true), psLatched) << "enabled again before the button heard of it";
    EXPECT_EQ(b.State(), psDisabled);
    b.Reconcile(true);
    EXPECT_EQ(b.State(), psLatched);
}

TEST(Capture, AnotherWindowTakingTheMouseEndsThePressWithoutAClick) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize, kEnabled);
    const auto out = b.CaptureLost();
    EXPECT_EQ(out.Capture(), CaptureChange::Keep) << "nothing to give back";
    EXPECT_EQ(out.Repaints(), Repaint::Later);
    EXPECT_EQ(b.State(), psUp);
    EXPECT_FALSE(b.HoldsCapture());
    EXPECT_EQ(b.LeftRelease(10, 10, kSize), PressOutcome::Nothing());
    // Losing a capture it never had is nothing.
    EXPECT_EQ(b.CaptureLost(), PressOutcome::Nothing());
}

TEST(Capture, ASwitchThatLosesTheMouseKeepsItsDownLook) {
    auto b = Switch();
    b.SetDown(true);
    b.LeftPress(10, 10, kSize, kEnabled);
    b.CaptureLost();
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psPressed);
}

TEST(Focus, ASpacePressThatLosesTheFocusIsNoClick) {
    PopupButtonLogic b;
    b.SpaceDown();
    EXPECT_EQ(b.FocusLost(), PressOutcome::RepaintLater());
    EXPECT_EQ(b.State(), psUp);
    EXPECT_EQ(b.SpaceUp(), PressOutcome::Nothing());
}

TEST(Keyboard, SpacePressedThenReleasedClicksOnce) {
    PopupButtonLogic b;
    EXPECT_EQ(b.SpaceDown(), PressOutcome::RepaintLater());
    EXPECT_EQ(b.State(), psPressed);
    EXPECT_EQ(b.SpaceDown(), PressOutcome::Nothing()) << "auto-repeat: already pressed";
    const auto out = b.SpaceUp();
    EXPECT_EQ(out.Clicks(), ClickTarget::Body);
    EXPECT_EQ(b.State(), psUp);
    EXPECT_EQ(b.SpaceUp(), PressOutcome::Nothing()) << "a release without its press";
}

TEST(Keyboard, EnterClicksAnIdleButton) {
    PopupButtonLogic b;
    const auto out = b.Enter();
    EXPECT_EQ(out.Clicks(), ClickTarget::Body);
    EXPECT_EQ(out.Capture(), CaptureChange::Keep);
    EXPECT_EQ(b.State(), psUp);
}

TEST(Keyboard, ALatchedButtonClickedByKeyStaysLatched) {
    auto b = GroupedButton();
    b.SetDown(true);
    b.SpaceDown();
    b.SpaceUp();
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psLatched);
}

TEST(Switch, TogglesOnClickSpaceAndEnterAndItsLookFollows) {
    auto b = Switch();
    b.LeftPress(5, 5, kSize, kEnabled);
    auto out = b.LeftRelease(5, 5, kSize);
    EXPECT_EQ(out.Clicks(), ClickTarget::Body);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psPressed);
    EXPECT_TRUE(b.LooksDown());
    b.SpaceDown();
    b.SpaceUp();
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(b.State(), psUp);
    b.Enter();
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psPressed);
    // Switching IsSwitch off raises it without a repaint of its own.
    b.SetIsSwitch(false);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(b.State(), psUp);
}

TEST(Switch, PressedDraggedOffAndReleasedOutsideStaysAsItWas) {
    auto b = Switch();
    b.LeftPress(5, 5, kSize, kEnabled);
    b.MouseMove(200, 5, kSize);
    auto out = b.LeftRelease(200, 5, kSize);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(out.Clicks(), ClickTarget::None);
    b.SetDown(true);
    b.LeftPress(5, 5, kSize, kEnabled);
    b.MouseMove(5, 60, kSize);
    out = b.LeftRelease(5, 60, kSize);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psPressed);
    EXPECT_EQ(out.Clicks(), ClickTarget::None);
}

TEST(Switch, KeysToggleThroughTheSetterSoTheGroupIsTold) {
    auto b = Switch();
    b.SetGroupIndex(2);
    b.SetAllowAllUp(true);
    auto out = b.Enter();
    EXPECT_TRUE(b.Down());
    EXPECT_TRUE(out.AnnouncesToGroup());
    b.SpaceDown();
    out = b.SpaceUp();
    EXPECT_FALSE(b.Down());
    EXPECT_FALSE(out.AnnouncesToGroup()) << "going up is not announced";
}

TEST(Down, IsForcedFalseWithoutGroupOrSwitch) {
    PopupButtonLogic b;
    EXPECT_EQ(b.SetDown(true), PressOutcome::Nothing());
    EXPECT_FALSE(b.Down());
}

TEST(Down, ReappliedAfterLoadingItIsAnnouncedAgain) {
    auto b = GroupedButton();
    b.SetDown(true);
    const auto out = b.ReapplyDown();
    EXPECT_TRUE(out.AnnouncesToGroup());
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psLatched);
    EXPECT_EQ(GroupedButton().ReapplyDown(), PressOutcome::Nothing()) << "a button loaded up";
}

TEST(Group, PressedButtonLatchesAndStaysDownUnlessAllowAllUp) {
    auto b = GroupedButton(3);
    b.LeftPress(5, 5, kSize, kEnabled);
    auto out = b.LeftRelease(5, 5, kSize);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psLatched);
    EXPECT_TRUE(out.AnnouncesToGroup());
    EXPECT_EQ(out.Clicks(), ClickTarget::Body);
    // Pressed again while down: stays down and latched, and holds the mouse meanwhile.
    EXPECT_EQ(b.LeftPress(5, 5, kSize, kEnabled).Capture(), CaptureChange::Take);
    EXPECT_EQ(b.State(), psLatched);
    b.LeftRelease(5, 5, kSize);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(b.State(), psLatched);
    // With AllowAllUp the next press raises it.
    b.SetAllowAllUp(true);
    b.LeftPress(5, 5, kSize, kEnabled);
    b.LeftRelease(5, 5, kSize);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(b.State(), psUp);
}

TEST(Group, ADownButtonReleasedOutsideReturnsToItsLatchedLook) {
    auto b = GroupedButton();
    b.SetDown(true);
    b.LeftPress(5, 5, kSize, kEnabled);
    b.MouseMove(5, 80, kSize);
    const auto out = b.LeftRelease(5, 80, kSize);
    EXPECT_EQ(b.State(), psLatched);
    EXPECT_EQ(out.Clicks(), ClickTarget::None);
}

TEST(Group, PeerGoingDownRaisesTheOtherAndSharesAllowAllUp) {
    auto a = GroupedButton(), b = GroupedButton();
    a.SetDown(true);
    EXPECT_TRUE(b.SetDown(true).AnnouncesToGroup());
    EXPECT_EQ(a.GroupPeerAnnounced(b.Down(), true), PressOutcome::RepaintLater());
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(a.State(), psUp);
    EXPECT_TRUE(a.AllowAllUp());
    // A peer that is up only passes on AllowAllUp.
    EXPECT_EQ(b.GroupPeerAnnounced(false, false), PressOutcome::Nothing());
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(b.AllowAllUp());
}

TEST(Group, SetDownFalseCannotRaiseAGroupedButton) {
    auto b = GroupedButton();
    b.SetDown(true);
    EXPECT_EQ(b.SetDown(false), PressOutcome::Nothing());
    EXPECT_TRUE(b.Down());
}

TEST(Arrow, PressOnTheArrowClicksItWithoutTakingTheMouse) {
    auto b = ArrowButton();
    const auto out = b.LeftPress(70, 10, kSize, kEnabled);  // within the last 15 pixels
    EXPECT_EQ(out, PressOutcome::RepaintLater().ThenClick(ClickTarget::Arrow));
    EXPECT_EQ(b.State(), psArrowPressed);
    EXPECT_TRUE(b.PressBeganOnArrow());
    EXPECT_FALSE(b.HoldsCapture());
}

TEST(Arrow, WithoutAMenuThePressGoesOnAfterTheArrowClickAndItsReleaseClicksNoMore) {
    for (const int release_x : {70, 10}) {  // on the arrow, dragged onto the body
        auto b = ArrowButton();
        b.LeftPress(70, 10, kSize, kEnabled);
        EXPECT_EQ(b.ArrowClickReturned(), PressOutcome::Nothing().TakingCapture());
        EXPECT_TRUE(b.Pressing());
        const auto out = b.LeftRelease(release_x, 10, kSize);
        EXPECT_EQ(out.Capture(), CaptureChange::Release);
        EXPECT_EQ(out.Clicks(), ClickTarget::None) << "the press clicked the arrow already; released at " << release_x;
        EXPECT_EQ(b.State(), psUp);
    }
}

TEST(Arrow, AFailedArrowClickEndsThePress) {
    auto b = ArrowButton();
    b.LeftPress(70, 10, kSize, kEnabled);
    b.ArrowClickReturned();
    const auto out = b.PressAbandoned();
    EXPECT_EQ(out.Capture(), CaptureChange::Release);
    EXPECT_EQ(b.State(), psUp);
    EXPECT_EQ(b.LeftRelease(70, 10, kSize), PressOutcome::Nothing());
}

TEST(Arrow, TheClickThatClosesTheMenuIsSwallowedAndHoldsNothing) {
    auto b = ArrowButton();
    b.LeftPress(70, 10, kSize, kEnabled);
    // The click shows the menu; the user clicks the arrow again to close it.
    EXPECT_EQ(b.MenuOpening(), PressOutcome::Nothing()) << "the arrow's menu leaves the body alone";
    EXPECT_TRUE(b.MenuShown());
    EXPECT_EQ(b.MenuLoopLeft(70, 10, kSize), PressOutcome::Nothing());
    EXPECT_TRUE(b.SkipArrowPress());
    b.MenuClosed();
    EXPECT_EQ(b.ArrowClickReturned(), PressOutcome::Nothing()) << "the menu had the mouse";
    EXPECT_EQ(b.CancelMenu(), PressOutcome::RepaintLater());
    EXPECT_FALSE(b.Pressing());
    EXPECT_FALSE(b.MenuShown());
    // The closing click arrives afterwards.
    EXPECT_EQ(b.LeftPress(70, 10, kSize, kEnabled), PressOutcome::Nothing());
    EXPECT_FALSE(b.SkipArrowPress());
    EXPECT_FALSE(b.HoldsCapture());
    EXPECT_EQ(b.LeftRelease(70, 10, kSize), PressOutcome::Nothing());
    // The next one opens the menu again.
    EXPECT_EQ(b.LeftPress(70, 10, kSize, kEnabled).Clicks(), ClickTarget::Arrow);
}

TEST(Arrow, LeavingTheMenuOffTheArrowSkipsNothing) {
    // Over the body, and in the arrow's column above and below the button (a menu placed there).
    for (const auto& [x, y] : {std::pair{10, 10}, std::pair{70, 40}, std::pair{70, -3}}) {
        auto b = ArrowButton();
        b.LeftPress(70, 10, kSize, kEnabled);
        b.MenuOpening();
        b.MenuLoopLeft(x, y, kSize);
        EXPECT_FALSE(b.SkipArrowPress()) << x << ", " << y;
        b.MenuClosed();
        b.CancelMenu();
        EXPECT_EQ(b.LeftPress(70, 10, kSize, kEnabled).Clicks(), ClickTarget::Arrow) << x << ", " << y;
    }
}

TEST(Arrow, ARightOrMiddlePressForgetsTheSkip) {
    auto b = ArrowButton();
    b.MenuLoopLeft(70, 10, kSize);
    b.CancelMenu();
    b.OtherButtonPress();
    EXPECT_EQ(b.LeftPress(70, 10, kSize, kEnabled).Clicks(), ClickTarget::Arrow);
}

TEST(Arrow, AMenuOfTheWholeButtonShowsItHeldUntilItCloses) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize, kEnabled);
    b.LeftRelease(10, 10, kSize);  // the click shows the menu
    EXPECT_EQ(b.MenuOpening(), PressOutcome::RepaintLater());
    EXPECT_EQ(b.State(), psPressed);
    EXPECT_EQ(b.MenuClosed(), PressOutcome::RepaintLater());
    EXPECT_EQ(b.State(), psUp);
}

TEST(Arrow, BandsForPressesAndReleases) {
    auto b = ArrowButton();
    b.SetFlat(true);  // flat buttons have an 11-pixel band
    EXPECT_FALSE(b.InPressArrowZone(63, 75));
    EXPECT_TRUE(b.InPressArrowZone(64, 75));
    b.SetFlat(false);
    EXPECT_FALSE(b.InPressArrowZone(59, 75));
    EXPECT_TRUE(b.InPressArrowZone(60, 75));
    EXPECT_TRUE(b.InPressArrowZone(75, 75));
}

TEST(Arrow, AReleaseOnTheArrowWhileItsMenuIsShownIsNoSecondClick) {
    auto b = ArrowButton();
    b.LeftPress(10, 10, kSize, kEnabled);  // on the body
    b.MenuOpening();                       // the menu is shown meanwhile
    EXPECT_EQ(b.LeftRelease(70, 10, kSize).Clicks(), ClickTarget::None);
}

TEST(Hover, EnteringAndLeavingTrackTheArrowPart) {
    auto b = ArrowButton();
    EXPECT_EQ(b.PointerEntered(70, kSize, kEnabled), PressOutcome::RepaintLater());
    EXPECT_TRUE(b.ArrowHot());
    EXPECT_FALSE(b.MouseInControl());
    EXPECT_EQ(b.MouseMove(10, 5, kSize), PressOutcome::RepaintLater());
    EXPECT_FALSE(b.ArrowHot());
    EXPECT_TRUE(b.MouseInControl());
    EXPECT_EQ(b.MouseMove(12, 5, kSize), PressOutcome::Nothing()) << "still over the body";
    EXPECT_EQ(b.PointerLeft(), PressOutcome::RepaintLater());
    EXPECT_FALSE(b.Hot());
    EXPECT_EQ(b.PointerLeft(), PressOutcome::Nothing());
}

TEST(Hover, ADisabledButtonIsNeverHot) {
    PopupButtonLogic b;
    EXPECT_EQ(b.PointerEntered(10, kSize, !kEnabled), PressOutcome::Nothing());
    EXPECT_FALSE(b.Hot());
    b.PointerEntered(10, kSize, kEnabled);
    b.HoverCleared();
    EXPECT_FALSE(b.MouseInControl());
}

TEST(Hover, DraggingABodyPressOntoTheArrowShowsTheArrowHeld) {
    auto b = ArrowButton();
    b.LeftPress(10, 5, kSize, kEnabled);
    b.MouseMove(70, 5, kSize);
    EXPECT_EQ(b.State(), psArrowPressed);
    b.MouseMove(90, 5, kSize);  // off the button entirely
    EXPECT_FALSE(b.ArrowHot());
    EXPECT_EQ(b.State(), psUp);
}

TEST(Link, AReleaseOverALinkEndsThePressWithoutAClick) {
    PopupButtonLogic b;
    b.LeftPress(10, 10, kSize, kEnabled);
    const auto out = b.LinkReleased();
    EXPECT_EQ(out.Capture(), CaptureChange::Release);
    EXPECT_EQ(out.Clicks(), ClickTarget::None);
    EXPECT_EQ(b.State(), psUp);
    EXPECT_FALSE(b.Pressing());
}

TEST(Animated, PressShowsTheButtonHeldAndReleaseClicks) {
    PopupButtonLogic b;
    EXPECT_EQ(b.AnimatedPress(), PressOutcome::RepaintNow());
    EXPECT_EQ(b.State(), psPressed);
    const auto out = b.AnimatedRelease();
    EXPECT_EQ(out, PressOutcome::RepaintNow().ThenClick(ClickTarget::Body));
    EXPECT_EQ(b.State(), psUp);
}

TEST(Animated, AGroupedButtonGoesDownAndStaysSo) {
    auto b = GroupedButton();
    b.AnimatedPress();
    auto out = b.AnimatedRelease();
    EXPECT_TRUE(b.Down());
    EXPECT_TRUE(out.AnnouncesToGroup());
    EXPECT_EQ(out.Clicks(), ClickTarget::Body);
    EXPECT_EQ(b.State(), psLatched);
    // Down already: no held look, and it stays latched.
    EXPECT_EQ(b.AnimatedPress(), PressOutcome::Nothing());
    b.AnimatedRelease();
    EXPECT_EQ(b.State(), psLatched);
}

}  // namespace
}  // namespace tv
