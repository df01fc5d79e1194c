#pragma once
// The popup button's press state and its transitions under mouse, keyboard, group and switch
// events, as plain values: the window procedure feeds events in and carries out the outcome.
#include <cstdint>

namespace tv {

enum PressState : std::uint8_t { psUp = 0, psDisabled = 1, psPressed = 2, psLatched = 3, psArrowPressed = 4 };

struct ClientSize {
    int width = 0, height = 0;
};

// What the window has to do after an event.
struct PressOutcome {
    bool invalidate = false;
    bool click = false;           // PerformClick(arrow)
    bool arrow = false;           // the click is on the arrow part
    bool announce_group = false;  // tell the group that this button went down
    bool reevaluate_hover = false;
    bool mouse_left = false;  // run the pointer-leaves handling
};

class PopupButtonLogic {
public:
    // Properties that the transitions read.
    bool enabled = true;
    bool flat = false;
    bool use_arrow = false;
    bool is_switch = false;
    bool allow_all_up = false;
    int group_index = 0;
    int arrow_width = 13;  // ArrowWidth, for hover and drag tracking

    // State.
    bool down = false;
    PressState press_state = psUp;
    PressState arrow_press_state = psUp;
    bool pressing = false;
    bool mouse_in_control = false;
    bool arrow_hot = false;
    bool menu_shown = false;
    bool skip_arrow_press = false;

    // Looks down: a switch that is down, or held or latched.
    bool LooksDown() const { return (down && is_switch) || press_state == psPressed || press_state == psLatched; }

    // The fixed arrow band used for presses and releases: the last 11 (flat) or 15 pixels, both ends in.
    bool InPressArrowZone(int x, int width) const;

    // The Down setter; false when nothing changed. Going down wants the group told.
    PressOutcome SetDown(bool value);
    void SetIsSwitch(bool value);

    // A peer of the same group announced that it went down (or changed its AllowAllUp).
    PressOutcome GroupPeerChanged(bool sender_down, bool sender_allow_all_up);

    PressOutcome LeftPress(int x, int y, ClientSize size);
    // After PerformClick(true) of a press on the arrow returned (the menu has closed).
    void AfterArrowPressClick();
    void OtherButtonPress() { skip_arrow_press = false; }
    PressOutcome MouseMove(int x, int y, ClientSize size);
    PressOutcome LeftRelease(int x, int y, ClientSize size);

    PressOutcome SpaceDown();
    PressOutcome SpaceUpOrEnter();

    // The cancel-pulldown message.
    PressOutcome CancelMenu();
    // Paint-time reconciliation with the button's and its parent's enabled flags.
    void Reconcile(bool enabled_here_and_parent);
};

}  // namespace tv
