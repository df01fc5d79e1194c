#pragma once
// The popup button's link to an action: a checked state pushed by the action swallows the click
// notifications it causes, and the action's image index becomes the button's.
#include "widgets/button/VtBtnActionLink.h"
#include "widgets/button/VtPopBtn.h"

namespace tv {

class TVtPopupButtonActionLink : public TVtButtonActionLink {
public:
    TVtPopupButtonActionLink(TCustomVtPopupButton& client, TVtAction& action);
    void SetChecked(bool value) override;
    void SetImageIndex(int value) override;
    void ActionChange(bool check_defaults) override;

private:
    TCustomVtPopupButton& popup_;
};

}  // namespace tv
