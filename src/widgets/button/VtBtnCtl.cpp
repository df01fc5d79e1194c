#include "widgets/button/VtBtnCtl.h"

#include "platform/WindowText.h"
#include "widgets/button/AccessKey.h"
#include "widgets/button/VtBtnActionLink.h"

namespace tv {

TVtButtonControl::TVtButtonControl() = default;
TVtButtonControl::~TVtButtonControl() = default;

void TVtButtonControl::Invalidate() {
    if (wnd_) InvalidateRect(wnd_, nullptr, FALSE);
}

void TVtButtonControl::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    if (wnd_) {
        LONG_PTR ex = GetWindowLongPtrA(wnd_, GWL_EXSTYLE);
        ex = value ? (ex | WS_EX_TRANSPARENT) : (ex & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT));
        SetWindowLongPtrA(wnd_, GWL_EXSTYLE, ex);
        RedrawWindow(wnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
    }
}

void TVtButtonControl::SetTextDrawType(TVtTextDrawType value) {
    if (value == text_draw_type_) return;
    text_draw_type_ = value;
    if (wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::string TVtButtonControl::Caption() const { return wnd_ ? WindowText(wnd_) : std::string(); }

void TVtButtonControl::SetCaption(const std::string& value) {
    if (!wnd_ || value == Caption()) return;
    // Cleared first so that the text-changed notification always fires.
    SetWindowTextA(wnd_, "");
    SetWindowTextA(wnd_, value.c_str());
}

void TVtButtonControl::SetMoneyFlat(bool value) {
    if (value == money_flat_) return;
    money_flat_ = value;
    Invalidate();
}

void TVtButtonControl::SetMoneyFlatActiveColor(TColor value) {
    if (value == money_flat_active_color_) return;
    money_flat_active_color_ = value;
    if (money_flat_) Invalidate();
}

void TVtButtonControl::SetMoneyFlatInactiveColor(TColor value) {
    if (value == money_flat_inactive_color_) return;
    money_flat_inactive_color_ = value;
    if (money_flat_) Invalidate();
}

void TVtButtonControl::SetMoneyFlatDownColor(TColor value) {
    if (value == money_flat_down_color_) return;
    money_flat_down_color_ = value;
    if (money_flat_) Invalidate();
}

void TVtButtonControl::SetAction(TVtAction* action) {
    action_link_.reset();
    if (!action) return;
    action_link_ = CreateActionLink(*action);
    action_link_->ActionChange(false);
}

std::unique_ptr<TVtButtonActionLink> TVtButtonControl::CreateActionLink(TVtAction& action) {
    return std::make_unique<TVtButtonActionLink>(*this, action);
}

TVtAction* TVtButtonControl::Action() const { return action_link_ ? action_link_->Action() : nullptr; }

void TVtButtonControl::Click() {
    TVtAction* action = Action();
    if (action && action->Execute()) return;
    NotifyClick();
}

bool TVtButtonControl::CanFocus() const {
    if (!wnd_) return false;
    for (HWND w = wnd_; w; w = GetParent(w)) {
        if (!IsWindowEnabled(w) || !(GetWindowLongPtrA(w, GWL_STYLE) & WS_VISIBLE)) return false;
        if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD)) break;  // the form itself
    }
    return true;
}

bool TVtButtonControl::DialogChar(char typed) {
    if (!wnd_ || !IsAccelerator(typed, Caption()) || !CanFocus()) return false;
    DispatchClick();
    return true;
}

void TVtButtonControl::ButtonWindowMoved() {
    if (transparent_ && wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace tv
