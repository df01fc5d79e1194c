#include "widgets/button/VtPopBtnActionLink.h"

namespace tv {

TVtPopupButtonActionLink::TVtPopupButtonActionLink(TCustomVtPopupButton& client, TVtAction& action)
    : TVtButtonActionLink(client, action), popup_(client) {}

void TVtPopupButtonActionLink::SetChecked(bool value) {
    if (!IsCheckedLinked() || popup_.Down() == value) return;
    const ScopedFlag no_clicks(popup_.popup_clicks_disabled_);
    popup_.SetDown(value);
}

void TVtPopupButtonActionLink::SetImageIndex(int value) { popup_.SetImageIndex(value); }

void TVtPopupButtonActionLink::ActionChange(bool check_defaults) {
    TVtButtonActionLink::ActionChange(check_defaults);
    if (!action_) return;
    if (!check_defaults || popup_.ImageIndex() == -1) popup_.SetImageIndex(action_->ImageIndex());
    if (!check_defaults || !popup_.Down()) {
        const ScopedFlag no_clicks(popup_.popup_clicks_disabled_);
        popup_.SetDown(action_->Checked());
    }
}

}  // namespace tv
