#include "widgets/button/PressLogic.h"

namespace tv {

bool PopupButtonLogic::InPressArrowZone(int x, int width) const {
    const int band = flat ? 11 : 15;
    return x >= width - band && x <= width;
}

PressOutcome PopupButtonLogic::SetDown(bool value) {
    PressOutcome out;
    if (group_index == 0 && !is_switch) value = false;
    if (value == down) return out;
    // A grouped button cannot be raised by setting it up.
    if (down && !allow_all_up && !is_switch) return out;
    down = value;
    if (value) {
        press_state = is_switch ? psPressed : psLatched;
        out.announce_group = true;
    } else {
        press_state = psUp;
    }
    out.invalidate = true;
    return out;
}

void PopupButtonLogic::SetIsSwitch(bool value) {
    if (value == is_switch) return;
    is_switch = value;
    if (!value) {
        down = false;
        press_state = psUp;
    }
}

PressOutcome PopupButtonLogic::GroupPeerChanged(bool sender_down, bool sender_allow_all_up) {
    PressOutcome out;
    if (sender_down && down) {
        down = false;
        press_state = psUp;
        out.invalidate = true;
    }
    allow_all_up = sender_allow_all_up;
    return out;
}

PressOutcome PopupButtonLogic::LeftPress(int x, int /*y*/, ClientSize size) {
    PressOutcome out;
    arrow_press_state = psUp;
    if (!enabled) return out;
    const bool on_arrow = use_arrow && InPressArrowZone(x, size.width);
    if (!down && !on_arrow) {
        press_state = psPressed;
        out.invalidate = true;
        pressing = true;
        mouse_in_control = true;
    } else if (on_arrow) {
        if (skip_arrow_press) {
            // The press that closed the menu does not open it again.
            skip_arrow_press = false;
            return out;
        }
        press_state = psArrowPressed;
        arrow_press_state = psArrowPressed;
        out.invalidate = true;
        out.click = true;
        out.arrow = true;
    } else {
        pressing = true;
        mouse_in_control = true;
    }
    return out;
}

void PopupButtonLogic::AfterArrowPressClick() {
    if (!menu_shown) pressing = true;
}

PressOutcome PopupButtonLogic::MouseMove(int x, int y, ClientSize size) {
    PressOutcome out;
    if (pressing) {
        PressState next = down ? psLatched : psUp;
        if (x >= 0 && x < size.width && y >= 0 && y <= size.height) {
            if (down) {
                next = psLatched;
            } else if (use_arrow && size.width - arrow_width <= x && x <= size.width) {
                next = psArrowPressed;
            } else {
                next = psPressed;
            }
        } else if (use_arrow) {
            arrow_hot = false;
            out.invalidate = true;
        }
        if (next != press_state) {
            press_state = next;
            if (next == psUp) out.reevaluate_hover = true;
            out.invalidate = true;
        }
    } else if (use_arrow) {
        const bool hot = x > size.width - arrow_width;
        if (hot != arrow_hot || mouse_in_control == hot) out.invalidate = true;
        arrow_hot = hot;
        mouse_in_control = !hot;
    }
    return out;
}

PressOutcome PopupButtonLogic::LeftRelease(int x, int y, ClientSize size) {
    PressOutcome out;
    if (!pressing) return out;
    pressing = false;
    bool inside = x >= 0 && x < size.width && y >= 0 && y <= size.height;
    const bool on_arrow = use_arrow && InPressArrowZone(x, size.width);
    if (group_index != 0) {
        if (inside) {
            const PressOutcome set = SetDown(!down);
            out.announce_group = set.announce_group;
            // A grouped button that cannot go up returns to its latched look.
            if (down) press_state = psLatched;
        } else if (down) {
            press_state = psLatched;
        }
        if (!down && press_state != psUp) press_state = psUp;
        out.invalidate = true;
    } else {
        if (is_switch && !on_arrow) {
            if (arrow_press_state != psArrowPressed) {
                down = !down;
                press_state = down ? psPressed : psUp;
            } else {
                press_state = psUp;
            }
        } else if (on_arrow && menu_shown) {
            inside = false;  // the release that closes the menu is no second click
        } else {
            press_state = psUp;
        }
        mouse_in_control = x >= 0 && x < size.width && y >= 0 && y < size.height;
        if (!mouse_in_control) out.mouse_left = true;
        if (press_state != psPressed && press_state != psLatched && press_state != psArrowPressed) {
            out.invalidate = true;
        }
        out.reevaluate_hover = true;
    }
    if (inside) {
        out.click = true;
        out.arrow = on_arrow;
    }
    return out;
}

PressOutcome PopupButtonLogic::SpaceDown() {
    PressOutcome out;
    if (press_state != psPressed) {
        press_state = psPressed;
        out.invalidate = true;
    }
    return out;
}

PressOutcome PopupButtonLogic::SpaceUpOrEnter() {
    PressOutcome out;
    bool went_down = false;
    if (is_switch) {
        down = !down;
        went_down = down;
    }
    press_state = went_down ? psPressed : psUp;
    out.invalidate = true;
    out.click = true;
    return out;
}

PressOutcome PopupButtonLogic::CancelMenu() {
    menu_shown = false;
    pressing = false;
    mouse_in_control = false;
    arrow_hot = false;
    press_state = psUp;
    PressOutcome out;
    out.invalidate = true;
    return out;
}

void PopupButtonLogic::Reconcile(bool enabled_here_and_parent) {
    if (!enabled_here_and_parent) {
        press_state = psDisabled;
        pressing = false;
    } else if (press_state == psDisabled) {
        press_state = (down && group_index != 0) ? psLatched : psUp;
    }
}

}  // namespace tv
