#include "widgets/button/VtBtnCtl.h"

#include <algorithm>

#include "widgets/button/GlyphRules.h"

namespace tv {

TVtAction::~TVtAction() {
    for (TVtButtonActionLink* link : links_) link->ActionDestroyed();
}

void TVtAction::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    for (TVtButtonActionLink* link : links_) link->SetCaption(value);
}

void TVtAction::SetHint(const std::string& value) {
    if (value == hint_) return;
    hint_ = value;
    for (TVtButtonActionLink* link : links_) link->SetHint(value);
}

void TVtAction::SetChecked(bool value) {
    if (value == checked_) return;
    // Links compare the button with the old value: only a button that followed the action follows it.
    for (TVtButtonActionLink* link : links_) link->SetChecked(value);
    checked_ = value;
}

void TVtAction::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    for (TVtButtonActionLink* link : links_) link->SetEnabled(value);
}

void TVtAction::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    for (TVtButtonActionLink* link : links_) link->SetVisible(value);
}

void TVtAction::SetImageIndex(int value) {
    if (value == image_index_) return;
    image_index_ = value;
    for (TVtButtonActionLink* link : links_) link->SetImageIndex(value);
}

bool TVtAction::Execute() const {
    if (!OnExecute) return false;
    OnExecute();
    return true;
}

TVtButtonControl::TVtButtonControl() = default;
TVtButtonControl::~TVtButtonControl() = default;

void TVtButtonControl::Invalidate() {
    if (wnd_) InvalidateRect(wnd_, nullptr, FALSE);
}

void TVtButtonControl::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    if (wnd_) {
        LONG_PTR ex = GetWindowLongPtrA(wnd_, GWL_EXSTYLE);
        ex = value ? (ex | WS_EX_TRANSPARENT) : (ex & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT));
        SetWindowLongPtrA(wnd_, GWL_EXSTYLE, ex);
        RedrawWindow(wnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
    }
}

void TVtButtonControl::SetTextDrawType(TVtTextDrawType value) {
    if (value == FTextDrawType) return;
    FTextDrawType = value;
    if (wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::string TVtButtonControl::Caption() const {
    if (!wnd_) return {};
    const int length = GetWindowTextLengthA(wnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(wnd_, text.data(), length + 1)));
    return text;
}

void TVtButtonControl::SetCaption(const std::string& value) {
    if (!wnd_ || value == Caption()) return;
    // Cleared first so that the text-changed notification always fires.
    SetWindowTextA(wnd_, "");
    SetWindowTextA(wnd_, value.c_str());
}

void TVtButtonControl::SetMoneyFlat(bool value) {
    if (value == FMoneyFlat) return;
    FMoneyFlat = value;
    Invalidate();
}

void TVtButtonControl::SetMoneyFlatActiveColor(TColor value) {
    if (value == FMoneyFlatActiveColor) return;
    FMoneyFlatActiveColor = value;
    if (FMoneyFlat) Invalidate();
}

void TVtButtonControl::SetMoneyFlatInactiveColor(TColor value) {
    if (value == FMoneyFlatInactiveColor) return;
    FMoneyFlatInactiveColor = value;
    if (FMoneyFlat) Invalidate();
}

void TVtButtonControl::SetMoneyFlatDownColor(TColor value) {
    if (value == FMoneyFlatDownColor) return;
    FMoneyFlatDownColor = value;
    if (FMoneyFlat) Invalidate();
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

bool TVtButtonControl::DialogChar(char typed) {
    if (!wnd_ || !IsAccelerator(typed, Caption())) return false;
    if (!IsWindowEnabled(wnd_) || !IsWindowVisible(wnd_)) return false;
    Click();
    return true;
}

void TVtButtonControl::ButtonWindowMoved() {
    if (FTransparent && wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TVtButtonActionLink::TVtButtonActionLink(TVtButtonControl& client, TVtAction& action)
    : client_(client), action_(&action) {
    action.links_.push_back(this);
}

TVtButtonActionLink::~TVtButtonActionLink() {
    if (action_) {
        auto& links = action_->links_;
        links.erase(std::remove(links.begin(), links.end(), this), links.end());
    }
}

void TVtButtonActionLink::SetCaption(const std::string& value) { client_.SetCaption(value); }

void TVtButtonActionLink::SetHint(const std::string& value) { client_.SetHint(value); }

bool TVtButtonActionLink::IsCheckedLinked() const {
    return action_ && client_.CheckedState() == action_->Checked();
}

void TVtButtonActionLink::SetChecked(bool value) {
    if (!IsCheckedLinked() || client_.CheckedState() == value) return;
    client_.FClicksDisabled = true;
    try {
        client_.SetCheckedState(value);
    } catch (...) {
        client_.FClicksDisabled = false;
        throw;
    }
    client_.FClicksDisabled = false;
}

void TVtButtonActionLink::SetEnabled(bool value) {
    if (client_.Handle()) EnableWindow(client_.Handle(), value);
}

void TVtButtonActionLink::SetVisible(bool value) {
    if (client_.Handle()) ShowWindow(client_.Handle(), value ? SW_SHOWNA : SW_HIDE);
}

void TVtButtonActionLink::SetImageIndex(int) {}

void TVtButtonActionLink::ActionChange(bool check_defaults) {
    if (!action_) return;
    const TVtAction& a = *action_;
    if (!check_defaults || !client_.CheckedState()) {
        if (client_.CheckedState() != a.Checked()) {
            client_.FClicksDisabled = true;
            client_.SetCheckedState(a.Checked());
            client_.FClicksDisabled = false;
        }
    }
    if (!check_defaults || client_.Caption().empty()) client_.SetCaption(a.Caption());
    if (!check_defaults || (client_.Handle() && IsWindowEnabled(client_.Handle()))) SetEnabled(a.Enabled());
    if (!check_defaults || (client_.Handle() && IsWindowVisible(client_.Handle()))) SetVisible(a.Visible());
    if (!check_defaults || client_.Hint().empty()) client_.SetHint(a.Hint());
}

}  // namespace tv
