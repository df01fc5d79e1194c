#pragma once
// Abstract base of the program's push buttons: caption with access key, transparency, text effect
// and money-flat colours. Actions drive buttons through the link of VtBtnActionLink.h.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/Color.h"
#include "platform/ScopedFlag.h"
#include "widgets/button/VtTextDrawType.h"
#include "widgets/button/VtXPThemedControl.h"

namespace tv {

class TVtAction;
class TVtButtonActionLink;

class TVtButtonControl : public TVtXPThemedControl {
public:
    TVtButtonControl();
    ~TVtButtonControl() override;

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    TVtTextDrawType TextDrawType() const { return FTextDrawType; }
    void SetTextDrawType(TVtTextDrawType value);
    bool ClicksDisabled() const { return FClicksDisabled; }
    std::string Caption() const;
    void SetCaption(const std::string& value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool MoneyFlat() const { return FMoneyFlat; }
    void SetMoneyFlat(bool value);
    TColor MoneyFlatActiveColor() const { return FMoneyFlatActiveColor; }
    TColor MoneyFlatInactiveColor() const { return FMoneyFlatInactiveColor; }
    TColor MoneyFlatDownColor() const { return FMoneyFlatDownColor; }
    void SetMoneyFlatActiveColor(TColor value);
    void SetMoneyFlatInactiveColor(TColor value);
    void SetMoneyFlatDownColor(TColor value);
    TColor Color() const { return FColor; }

    virtual bool CheckedState() const = 0;
    virtual void SetCheckedState(bool value) = 0;

    // Links the button to an action (none to unlink); the action's properties are copied in.
    void SetAction(TVtAction* action);
    TVtAction* Action() const;

    // Enabled and visible, and so is every window it sits in up to its form.
    bool CanFocus() const;
    // The dialog-character rule: the caption's access key (either case) clicks a button that can
    // take the focus; true when it did.
    bool DialogChar(char typed);

protected:
    const wchar_t* ThemeClassName() const override { return L"BUTTON"; }
    // The kind of link this button makes with an action.
    virtual std::unique_ptr<TVtButtonActionLink> CreateActionLink(TVtAction& action);
    virtual void Click();  // the platform's click: the action, or the click notification
    // The platform's click dispatch, which derived buttons route through their own click.
    virtual void DispatchClick() { Click(); }
    virtual void NotifyClick() = 0;
    virtual void Invalidate();
    void ButtonWindowMoved();

    friend class TVtButtonActionLink;
    TColor FColor = clBtnFace;
    TColor FFontColor = clBtnText;
    bool FClicksDisabled = false;

private:
    bool FTransparent = false;
    TVtTextDrawType FTextDrawType = tdtNormal;
    std::string FHint;
    bool FMoneyFlat = false;
    TColor FMoneyFlatActiveColor = 0, FMoneyFlatInactiveColor = 0, FMoneyFlatDownColor = 0;
    std::unique_ptr<TVtButtonActionLink> action_link_;
};

}  // namespace tv
