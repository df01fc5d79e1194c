#include "widgets/button/VtBtnActionLink.h"

#include <algorithm>

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

bool TVtButtonActionLink::IsCheckedLinked() const { return action_ && client_.CheckedState() == action_->Checked(); }

void TVtButtonActionLink::SetChecked(bool value) {
    if (!IsCheckedLinked() || client_.CheckedState() == value) return;
    const ScopedFlag no_clicks(client_.clicks_disabled_);
    client_.SetCheckedState(value);
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
            const ScopedFlag no_clicks(client_.clicks_disabled_);
            client_.SetCheckedState(a.Checked());
        }
    }
    if (!check_defaults || client_.Caption().empty()) client_.SetCaption(a.Caption());
    if (!check_defaults || (client_.Handle() && IsWindowEnabled(client_.Handle()))) SetEnabled(a.Enabled());
    if (!check_defaults || (client_.Handle() && IsWindowVisible(client_.Handle()))) SetVisible(a.Visible());
    if (!check_defaults || client_.Hint().empty()) client_.SetHint(a.Hint());
}

}  // namespace tv
