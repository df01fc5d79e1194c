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

    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    TVtTextDrawType TextDrawType() const { return text_draw_type_; }
    void SetTextDrawType(TVtTextDrawType value);
    bool ClicksDisabled() const { return clicks_disabled_; }
    std::string Caption() const;
    void SetCaption(const std::string& value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool MoneyFlat() const { return money_flat_; }
    void SetMoneyFlat(bool value);
    TColor MoneyFlatActiveColor() const { return money_flat_active_color_; }
    TColor MoneyFlatInactiveColor() const { return money_flat_inactive_color_; }
    TColor MoneyFlatDownColor() const { return money_flat_down_color_; }
    void SetMoneyFlatActiveColor(TColor value);
    void SetMoneyFlatInactiveColor(TColor value);
    void SetMoneyFlatDownColor(TColor value);
    TColor Color() const { return color_; }

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
    // Runs the linked action, or else tells the parent of the click.
    virtual void Click();
    // The click an access key gives; a derived button routes it through its own click, which also
    // sets the modal result and opens the menu.
    virtual void DispatchClick() { Click(); }
    virtual void NotifyClick() = 0;
    virtual void Invalidate();
    void ButtonWindowMoved();

    friend class TVtButtonActionLink;
    TColor color_ = clBtnFace;
    TColor font_color_ = clBtnText;
    bool clicks_disabled_ = false;

private:
    bool transparent_ = false;
    TVtTextDrawType text_draw_type_ = tdtNormal;
    std::string hint_;
    bool money_flat_ = false;
    TColor money_flat_active_color_ = 0, money_flat_inactive_color_ = 0, money_flat_down_color_ = 0;
    std::unique_ptr<TVtButtonActionLink> action_link_;
};

}  // namespace tv
