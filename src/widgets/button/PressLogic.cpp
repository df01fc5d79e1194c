#include "widgets/button/PressLogic.h"

namespace tv {

namespace {

// Inside the client area: the last column and row belong to it, the next ones do not.
bool Inside(int x, int y, ClientSize size) { return x >= 0 && x < size.width && y >= 0 && y < size.height; }

PressOutcome RepaintIf(bool changed) { return changed ? PressOutcome::RepaintLater() : PressOutcome::Nothing(); }

}  // namespace

void PopupButtonLogic::SetDpi(Dpi dpi) {
    const ButtonMetrics m = ButtonMetricsAt(dpi);
    press_band_ = m.press_band;
    flat_press_band_ = m.flat_press_band;
}

bool PopupButtonLogic::InPressArrowZone(int x, int width) const {
    const int band = flat_ ? flat_press_band_ : press_band_;
    return x >= width - band && x <= width;
}

PressState PopupButtonLogic::RestState() const {
    if (!down_) return psUp;
    if (group_index_ != 0) return psLatched;
    return is_switch_ ? psPressed : psUp;
}

PressOutcome PopupButtonLogic::TakeCapture() {
    holds_capture_ = true;
    return PressOutcome::Nothing().TakingCapture();
}

PressOutcome PopupButtonLogic::ReleaseCapture() {
    if (!holds_capture_) return PressOutcome::Nothing();
    holds_capture_ = false;
    return PressOutcome::Nothing().ReleasingCapture();
}

PressOutcome PopupButtonLogic::EndPress() {
    pressing_ = false;
    if (state_ == psPressed || state_ == psArrowPressed) state_ = RestState();
    return PressOutcome::RepaintLater().And(ReleaseCapture());
}

void PopupButtonLogic::SetIsSwitch(bool value) {
    if (value == is_switch_) return;
    is_switch_ = value;
    if (!value) {
        down_ = false;
        state_ = psUp;
    }
}

PressOutcome PopupButtonLogic::SetDown(bool value) {
    if (group_index_ == 0 && !is_switch_) value = false;
    if (value == down_) return PressOutcome::Nothing();
    // A grouped button cannot be raised by setting it up.
    if (down_ && !allow_all_up_ && !is_switch_) return PressOutcome::Nothing();
    down_ = value;
    if (!value) {
        state_ = psUp;
        return PressOutcome::RepaintLater();
    }
    state_ = is_switch_ ? psPressed : psLatched;
    return PressOutcome::RepaintLater().AnnouncingToGroup();
}

PressOutcome PopupButtonLogic::ToggleDown() { return SetDown(!down_); }

PressOutcome PopupButtonLogic::ReapplyDown() {
    if (!down_) return PressOutcome::Nothing();
    down_ = false;
    return SetDown(true);
}

PressOutcome PopupButtonLogic::GroupPeerAnnounced(bool sender_down, bool sender_allow_all_up) {
    allow_all_up_ = sender_allow_all_up;
    if (!(sender_down && down_)) return PressOutcome::Nothing();
    down_ = false;
    state_ = psUp;
    return PressOutcome::RepaintLater();
}

PressOutcome PopupButtonLogic::FocusMoved(bool to_this_button) {
    const bool was = is_active_;
    is_active_ = to_this_button;
    return RepaintIf(was != is_active_);
}

bool PopupButtonLogic::TakeIgnoredPress() {
    const bool ignore = ignore_next_mouse_down_;
    ignore_next_mouse_down_ = false;
    return ignore;
}

PressOutcome PopupButtonLogic::LeftPress(int x, int /*y*/, ClientSize size, bool enabled) {
    press_began_on_arrow_ = false;
    if (!enabled) return PressOutcome::Nothing();
    const bool on_arrow = use_arrow_ && InPressArrowZone(x, size.width);
    if (on_arrow) {
        if (skip_arrow_press_) {
            // The press that closed the menu opens nothing, holds nothing.
            skip_arrow_press_ = false;
            return PressOutcome::Nothing();
        }
        state_ = psArrowPressed;
        press_began_on_arrow_ = true;
        return PressOutcome::RepaintLater().ThenClick(ClickTarget::Arrow);
    }
    pressing_ = true;
    mouse_in_control_ = true;
    if (down_) return TakeCapture();  // pressed on the body while down: the look stays latched
    state_ = psPressed;
    return PressOutcome::RepaintLater().And(TakeCapture());
}

PressOutcome PopupButtonLogic::ArrowClickReturned() {
    // With a menu the menu had the mouse; without one the press goes on like any other.
    if (menu_shown_) return PressOutcome::Nothing();
    pressing_ = true;
    return TakeCapture();
}

PressOutcome PopupButtonLogic::PressAbandoned() { return EndPress(); }

PressOutcome PopupButtonLogic::OtherButtonPress() {
    skip_arrow_press_ = false;
    return PressOutcome::Nothing();
}

PressOutcome PopupButtonLogic::MouseMove(int x, int y, ClientSize size) {
    if (!pressing_) {
        if (!use_arrow_) return PressOutcome::Nothing();
        const bool hot = x > size.width - arrow_width_;
        const bool changed = hot != arrow_hot_ || mouse_in_control_ == hot;
        arrow_hot_ = hot;
        mouse_in_control_ = !hot;
        return RepaintIf(changed);
    }
    PressOutcome out = PressOutcome::Nothing();
    PressState next = down_ ? psLatched : psUp;
    if (Inside(x, y, size)) {
        if (down_) {
            next = psLatched;
        } else if (use_arrow_ && size.width - arrow_width_ <= x && x <= size.width) {
            next = psArrowPressed;
        } else {
            next = psPressed;
        }
    } else if (use_arrow_) {
        arrow_hot_ = false;
        out = PressOutcome::RepaintLater();
    }
    if (next != state_) {
        state_ = next;
        out = out.And(PressOutcome::RepaintLater());
        if (next == psUp) out = out.ReevaluatingHover();
    }
    return out;
}

PressOutcome PopupButtonLogic::LeaveReported() {
    tracking_ = false;
    return pressing_ ? PressOutcome::Nothing() : PressOutcome::Nothing().LeavingPointer();
}

PressOutcome PopupButtonLogic::LeftRelease(int x, int y, ClientSize size) {
    if (!pressing_) return PressOutcome::Nothing();
    pressing_ = false;
    PressOutcome out = PressOutcome::Nothing();
    bool inside = Inside(x, y, size);
    const bool on_arrow = use_arrow_ && InPressArrowZone(x, size.width);
    if (group_index_ != 0) {
        // Through the Down setter, so that the group is told; a button that stays down latches.
        if (inside) out = ToggleDown();
        state_ = down_ ? psLatched : psUp;
        out = out.And(PressOutcome::RepaintLater());
    } else {
        if (is_switch_ && !on_arrow) {
            // Only a release inside toggles; released outside, the switch stays as it was.
            if (inside && !press_began_on_arrow_) out = ToggleDown();
            state_ = RestState();
        } else if (on_arrow && menu_shown_) {
            inside = false;  // the release that closes the menu is no second click
        } else {
            state_ = psUp;
        }
        mouse_in_control_ = Inside(x, y, size);
        if (!mouse_in_control_) out = out.LeavingPointer();
        if (state_ != psPressed && state_ != psLatched && state_ != psArrowPressed) {
            out = out.And(PressOutcome::RepaintLater());
        }
        out = out.ReevaluatingHover();
    }
    out = out.And(ReleaseCapture());
    // A press that began on the arrow clicked it then; its release is no second click.
    if (inside && !press_began_on_arrow_) out = out.ThenClick(on_arrow ? ClickTarget::Arrow : ClickTarget::Body);
    return out;
}

PressOutcome PopupButtonLogic::LinkReleased() {
    if (!pressing_) return ReleaseCapture();
    return EndPress();
}

PressOutcome PopupButtonLogic::CaptureLost() {
    holds_capture_ = false;  // gone already: nothing to give back
    if (!pressing_) return PressOutcome::Nothing();
    return EndPress();
}

PressOutcome PopupButtonLogic::FocusLost() {
    space_held_ = false;
    // A Space press that lost the focus is no click.
    if (state_ == psPressed && !pressing_) state_ = RestState();
    return PressOutcome::RepaintLater();
}

PressOutcome PopupButtonLogic::PointerEntered(int x, ClientSize size, bool enabled) {
    if (!enabled) return PressOutcome::Nothing();
    const bool was_hot = mouse_in_control_, was_arrow_hot = arrow_hot_;
    arrow_hot_ = use_arrow_ && x > size.width - arrow_width_;
    mouse_in_control_ = !arrow_hot_;
    return RepaintIf(was_hot != mouse_in_control_ || was_arrow_hot != arrow_hot_);
}

PressOutcome PopupButtonLogic::PointerLeft() {
    const bool was_hot = Hot();
    mouse_in_control_ = false;
    arrow_hot_ = false;
    return RepaintIf(was_hot);
}

PressOutcome PopupButtonLogic::HoverCleared() {
    const bool was = mouse_in_control_;
    mouse_in_control_ = false;
    return RepaintIf(was);
}

PressOutcome PopupButtonLogic::SpaceDown() {
    space_held_ = true;
    if (state_ == psPressed) return PressOutcome::Nothing();
    state_ = psPressed;
    return PressOutcome::RepaintLater();
}

PressOutcome PopupButtonLogic::SpaceUp() {
    // Only a Space press that began here ends in a click.
    if (!space_held_ || pressing_) return PressOutcome::Nothing();
    return Enter();
}

PressOutcome PopupButtonLogic::Enter() {
    space_held_ = false;
    // A switch toggles through the Down setter, so that its group is told.
    PressOutcome out = is_switch_ ? ToggleDown() : PressOutcome::Nothing();
    state_ = RestState();
    return out.And(PressOutcome::RepaintLater()).ThenClick(ClickTarget::Body);
}

PressOutcome PopupButtonLogic::MenuOpening() {
    menu_shown_ = true;
    if (use_arrow_) return PressOutcome::Nothing();
    // A menu of the whole button shows the button held while it is open.
    state_ = psPressed;
    press_began_on_arrow_ = false;
    return PressOutcome::RepaintLater();
}

PressOutcome PopupButtonLogic::MenuClosed() {
    state_ = psUp;
    return PressOutcome::RepaintLater();
}

PressOutcome PopupButtonLogic::MenuLoopLeft(int x, int y, ClientSize size) {
    pressing_ = true;  // until the cancel message that follows
    // Only a point on the arrow part itself: a choice made in the menu below or above the arrow's
    // column is no click on the button.
    if (Inside(x, y, size) && x >= size.width - arrow_width_) skip_arrow_press_ = true;
    return PressOutcome::Nothing();
}

PressOutcome PopupButtonLogic::CancelMenu() {
    menu_shown_ = false;
    pressing_ = false;
    mouse_in_control_ = false;
    arrow_hot_ = false;
    state_ = RestState();
    return PressOutcome::RepaintLater().And(ReleaseCapture());
}

PressOutcome PopupButtonLogic::AnimatedPress() {
    if (down_) return PressOutcome::Nothing();
    state_ = psPressed;
    return PressOutcome::RepaintNow();
}

PressOutcome PopupButtonLogic::AnimatedRelease() {
    state_ = psUp;
    if (group_index_ == 0) return PressOutcome::RepaintNow().ThenClick(ClickTarget::Body);
    PressOutcome out = ToggleDown();
    state_ = RestState();  // a grouped button that cannot go up stays latched
    return out.And(PressOutcome::RepaintLater()).ThenClick(ClickTarget::Body);
}

PressState PopupButtonLogic::Look(bool usable) const {
    if (!usable) return psDisabled;
    return state_ == psDisabled ? RestState() : state_;
}

PressOutcome PopupButtonLogic::Reconcile(bool enabled) {
    if (!enabled) {
        state_ = psDisabled;
        pressing_ = false;
        return ReleaseCapture();
    }
    if (state_ == psDisabled) state_ = RestState();
    return PressOutcome::Nothing();
}

}  // namespace tv
