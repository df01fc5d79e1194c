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
    // The focused button of its form, which carries the default look.
    bool IsActive() const { return is_active_; }
    // The system was asked to report the pointer leaving; asked again on the next entry.
    bool Tracking() const { return tracking_; }
    // A switch that is down, or held or latched.
    bool LooksDown() const { return LooksDownIn(state_); }
    bool LooksDownIn(PressState look) const { return (down_ && is_switch_) || look == psPressed || look == psLatched; }
    // The state painted: disabled while the button may not be used (itself, a window between it and
    // its form, or the form being disabled by the program), else the state, which a disabling that
    // gave no notice to the button (its parent's) has left as it was.
    PressState Look(bool usable) const;
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

    // The window was created: the Default button starts as the active one.
    void WindowCreated(bool is_default) { is_active_ = is_default; }
    // The form's focus moved, to this button or elsewhere.
    PressOutcome FocusMoved(bool to_this_button);

    // The mouse.
    // A click on the unfocused button asked for the focus and did not get it: that press is ignored.
    void FocusRefused() { ignore_next_mouse_down_ = true; }
    // True, once, for the press to ignore.
    bool TakeIgnoredPress();
    PressOutcome LeftPress(int x, int y, ClientSize size, bool enabled);
    // A press on the arrow clicked the arrow part; the click (and its menu, if any) is over.
    PressOutcome ArrowClickReturned();
    // The click of a press failed: the press ends as if the mouse had been taken away.
    PressOutcome PressAbandoned();
    PressOutcome OtherButtonPress();
    PressOutcome MouseMove(int x, int y, ClientSize size);
    // Asked the system to report the pointer leaving: granted or not.
    void TrackingAsked(bool granted) { tracking_ = granted; }
    // The system reported the pointer gone: the hover ends, unless a press holds the mouse.
    PressOutcome LeaveReported();
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
    // The menu loop ended with the pointer at (x, y): over the arrow part, the click that closed
    // the menu reaches the button next and is swallowed.
    PressOutcome MenuLoopLeft(int x, int y, ClientSize size);
    // The cancel-pulldown message that leaving the menu loop posted.
    PressOutcome CancelMenu();

    // AnimateClick's two halves, around its pause.
    PressOutcome AnimatedPress();
    PressOutcome AnimatedRelease();

    // The button's own enabled flag changed: disabled, it holds nothing (a press it held gives the
    // mouse back); enabled again, it returns to its rest look.
    PressOutcome Reconcile(bool enabled);

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
    // The press clicked the arrow when it began: its release clicks nothing more.
    bool press_began_on_arrow_ = false;
    bool pressing_ = false;
    bool mouse_in_control_ = false;
    bool arrow_hot_ = false;
    bool menu_shown_ = false;
    bool skip_arrow_press_ = false;
    bool space_held_ = false;
    bool holds_capture_ = false;
    bool is_active_ = false;
    bool tracking_ = false;
    bool ignore_next_mouse_down_ = false;
};

}  // namespace tv
