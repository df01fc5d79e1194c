#pragma once
// Actions for buttons: the least an action needs here (its properties, their changes pushed to
// every linked button, what executing it does) and the link that binds a button to one.
#include <functional>
#include <string>
#include <vector>

#include "widgets/button/VtBtnCtl.h"

namespace tv {

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
