#pragma once
// Abstract base of the program's push buttons: caption with access key, transparency, text effect,
// money-flat colours, and the link that lets an action drive a button.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "widgets/button/VtXPThemedControl.h"

namespace tv {

enum TVtTextDrawType { tdtNormal, tdtShadowed, tdtRaised };

class TVtButtonActionLink;

// The least an action needs here: its properties, their change pushed to every linked button, and
// what executing it does.
class TVtAction {
public:
    TVtAction() = default;
    ~TVtAction();
    TVtAction(const TVtAction&) = delete;
    TVtAction& operator=(const TVtAction&) = delete;

    const std::string& Caption() const { return caption_; }
    const std::string& Hint() const { return hint_; }
    bool Checked() const { return checked_; }
    bool Enabled() const { return enabled_; }
    bool Visible() const { return visible_; }
    int HelpContext() const { return help_context_; }
    int ImageIndex() const { return image_index_; }
    void SetCaption(const std::string& value);
    void SetHint(const std::string& value);
    void SetChecked(bool value);
    void SetEnabled(bool value);
    void SetVisible(bool value);
    void SetHelpContext(int value) { help_context_ = value; }
    void SetImageIndex(int value);
    // Runs OnExecute; false when there is none (the button then raises its own click).
    bool Execute() const;

    std::function<void()> OnExecute;

private:
    friend class TVtButtonActionLink;
    std::string caption_, hint_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    int help_context_ = 0;
    int image_index_ = -1;
    std::vector<TVtButtonActionLink*> links_;
};

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

protected:
    const wchar_t* ThemeClassName() const override { return L"BUTTON"; }
    // The kind of link this button makes with an action.
    virtual std::unique_ptr<TVtButtonActionLink> CreateActionLink(TVtAction& action);
    virtual void Click();  // the platform's click: the action, or the click notification
    virtual void NotifyClick() = 0;
    virtual void Invalidate();
    // The dialog-character rule: the caption's access key clicks a focusable button.
    bool DialogChar(char typed);
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

class TVtButtonActionLink {
public:
    TVtButtonActionLink(TVtButtonControl& client, TVtAction& action);
    virtual ~TVtButtonActionLink();
    TVtButtonActionLink(const TVtButtonActionLink&) = delete;
    TVtButtonActionLink& operator=(const TVtButtonActionLink&) = delete;

    TVtAction* Action() const { return action_; }
    void ActionDestroyed() { action_ = nullptr; }
    // Copies the action's properties in; with check_defaults only where the button keeps its default.
    virtual void ActionChange(bool check_defaults);
    virtual void SetCaption(const std::string& value);
    virtual void SetHint(const std::string& value);
    virtual void SetChecked(bool value);
    virtual void SetEnabled(bool value);
    virtual void SetVisible(bool value);
    virtual void SetImageIndex(int value);
    bool IsCheckedLinked() const;
    bool IsImageIndexLinked() const { return true; }

protected:
    TVtButtonControl& client_;
    TVtAction* action_;
};

}  // namespace tv
