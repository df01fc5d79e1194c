#pragma once
// The popup button's press, latch, arrow, hover and menu state and its transitions, as plain
// values. The window layer feeds each event in, passing what it knows of the window (size,
// enabled), and carries out the outcome; nothing else writes this state. The logic also decides
// who holds the mouse: it asks for the capture when a press begins and gives it back when the
// press ends, whichever way it ends.
#include <cstdint>

#include "platform/Dpi.h"
#include "widgets/button/ButtonMetrics.h"
#include "widgets/button/PressOutcome.h"

namespace tv {

enum PressState : std::uint8_t { psUp = 0, psDisabled = 1, psPressed = 2, psLatched = 3, psArrowPressed = 4 };

struct ClientSize {
    int width = 0, height = 0;
};

class PopupButtonLogic {
public:
    // Properties that the transitions read.
    bool Flat() const { return flat_; }
    void SetFlat(bool value) { flat_ = value; }
    bool UseArrow() const { return use_arrow_; }
    void SetUseArrow(bool value) { use_arrow_ = value; }
    // ArrowWidth, for hover tracking and dragging (presses and releases use the fixed band).
    int ArrowWidth() const { return arrow_width_; }
    void SetArrowWidth(int value) { arrow_width_ = value; }
    // The DPI the fixed band of presses and releases scales with.
    void SetDpi(Dpi dpi);
    bool AllowAllUp() const { return allow_all_up_; }
    void SetAllowAllUp(bool value) { allow_all_up_ = value; }
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int value) { group_index_ = value; }
    bool IsSwitch() const { return is_switch_; }
    // Switching off also raises the button, without a repaint of its own.
    void SetIsSwitch(bool value);

    // State, for painting and for the tests.
    PressState State() const { return state_; }
    bool Down() const { return down_; }
    bool Pressing() const { return pressing_; }
    bool MouseInControl() const { return mouse_in_control_; }
    bool ArrowHot() const { return arrow_hot_; }
    bool Hot() const { return mouse_in_control_ || arrow_hot_; }
    bool MenuShown() const { return menu_shown_; }
    bool SkipArrowPress() const { return skip_arrow_press_; }
    bool PressBeganOnArrow() const { return press_began_on_arrow_; }
    bool HoldsCapture() const { return holds_capture_; }
    // A switch that is down, or held or latched.
    bool LooksDown() const { return (down_ && is_switch_) || state_ == psPressed || state_ == psLatched; }
    // The fixed arrow band used for presses and releases: the last 11 (flat) or 15 pixels at 96 dpi,
    // both ends in.
    bool InPressArrowZone(int x, int width) const;

    // The Down setter. Going down wants the group told.
    PressOutcome SetDown(bool value);
    // After loading: a button loaded down goes down once more through the setter, so that its
    // group is told.
    PressOutcome ReapplyDown();
    // A peer of the same group announced that it went down (or changed its AllowAllUp).
    PressOutcome GroupPeerAnnounced(bool sender_down, bool sender_allow_all_up);

    // The mouse.
    PressOutcome LeftPress(int x, int y, ClientSize size, bool enabled);
    // A press on the arrow clicked the arrow part; the click (and its menu, if any) is over.
    PressOutcome ArrowClickReturned();
    // The click of a press failed: the press ends as if the mouse had been taken away.
    PressOutcome PressAbandoned();
    PressOutcome OtherButtonPress();
    PressOutcome MouseMove(int x, int y, ClientSize size);
    PressOutcome LeftRelease(int x, int y, ClientSize size);
    // A release over a link of a markup caption: the link acts, the press ends without a click.
    PressOutcome LinkReleased();
    // Another window took the mouse.
    PressOutcome CaptureLost();
    PressOutcome FocusLost();

    // Hover.
    PressOutcome PointerEntered(int x, ClientSize size, bool enabled);
    PressOutcome PointerLeft();
    // A disabled button is never hot.
    PressOutcome HoverCleared();

    // The keyboard; the window checks that the button can take the focus.
    PressOutcome SpaceDown();
    PressOutcome SpaceUp();
    PressOutcome Enter();

    // The pull-down menu.
    PressOutcome MenuOpening();
    PressOutcome MenuClosed();
    PressOutcome MenuLoopLeft(bool pointer_over_arrow);
    // The cancel-pulldown message that leaving the menu loop posted.
    PressOutcome CancelMenu();

    // AnimateClick's two halves, around its pause.
    PressOutcome AnimatedPress();
    PressOutcome AnimatedRelease();

    // Paint-time reconciliation with the button's and its parent's enabled flags.
    PressOutcome Reconcile(bool enabled_here_and_parent);

private:
    // The look a button returns to when nothing holds it: latched when down in a group, pressed
    // when a down switch of no group, else up.
    PressState RestState() const;
    // Ends a press (capture given back if held); the look returns to rest from held or arrow-held.
    PressOutcome EndPress();
    PressOutcome ToggleDown();
    PressOutcome TakeCapture();
    PressOutcome ReleaseCapture();

    bool flat_ = false;
    bool use_arrow_ = false;
    int arrow_width_ = ButtonMetrics{}.arrow_width;
    int press_band_ = ButtonMetrics{}.press_band;
    int flat_press_band_ = ButtonMetrics{}.flat_press_band;
    bool allow_all_up_ = false;
    int group_index_ = 0;
    bool is_switch_ = false;

    bool down_ = false;
    PressState state_ = psUp;
    bool press_began_on_arrow_ = false;  // ArrowPressState = psArrowPressed
    bool pressing_ = false;
    bool mouse_in_control_ = false;
    bool arrow_hot_ = false;
    bool menu_shown_ = false;
    bool skip_arrow_press_ = false;
    bool space_held_ = false;
    bool holds_capture_ = false;
};

}  // namespace tv
