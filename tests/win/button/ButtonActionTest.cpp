// Actions driving buttons: caption, hint, checked state, enabled, and what a click executes.
#include <gtest/gtest.h>

#include "widgets/button/VtBtnActionLink.h"
#include "win/button/ButtonHost.h"

namespace tv {
namespace {

using testing_button::ButtonHost;

int g_clicks = 0;

LRESULT CALLBACK CountClicks(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++g_clicks;
    return DefWindowProcA(w, m, wp, lp);
}

TEST(ButtonAction, PropertiesFollowTheAction) {
    ButtonHost host;
    HWND b = host.Add("Old", 10, 10);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    TVtAction action;
    action.SetCaption("&New");
    action.SetHint("Does it");
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "&New");
    EXPECT_EQ(button->Hint(), "Does it");
    action.SetCaption("&Newer");
    EXPECT_EQ(button->Caption(), "&Newer");
    action.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(b));
    action.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(b));
}

// An accessibility client that clicks a button whenever its state changes: the clicks it asks for
// while an action pushes a checked state into the button are not the user's and must not happen.
class ClickOnStateChange {
public:
    explicit ClickOnStateChange(TCustomVtPopupButton& button) {
        Button() = &button;
        hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, GetModuleHandleA(nullptr), &Proc,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_INCONTEXT);
    }
    ~ClickOnStateChange() {
        UnhookWinEvent(hook_);
        Button() = nullptr;
    }

private:
    static TCustomVtPopupButton*& Button() {
        static TCustomVtPopupButton* button = nullptr;
        return button;
    }
    static void CALLBACK Proc(HWINEVENTHOOK, DWORD, HWND wnd, LONG, LONG, DWORD, DWORD) {
        if (Button() && wnd == Button()->Handle()) Button()->PerformClick(false);
    }
    HWINEVENTHOOK hook_ = nullptr;
};

TEST(ButtonAction, CheckingTheActionTogglesASwitchWithoutAClick) {
    ButtonHost host;
    HWND b = host.Add("Switch", 10, 10);
    SetWindowLongPtrA(host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountClicks));
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetIsSwitch(true);
    TVtAction action;
    button->SetAction(&action);
    g_clicks = 0;
    {
        const ClickOnStateChange client(*button);
        action.SetChecked(true);
        EXPECT_TRUE(button->Down());
        EXPECT_EQ(button->GetPressState(), psPressed);
        action.SetChecked(false);
        EXPECT_FALSE(button->Down());
        EXPECT_EQ(g_clicks, 0) << "a click while the action pushed its state";
        // The same client's clicks count once the action is done.
        button->SetDown(true);
        EXPECT_EQ(g_clicks, 1);
    }
    // The action's image index is the button's.
    action.SetImageIndex(3);
    EXPECT_EQ(button->ImageIndex(), 3);
}

TEST(ButtonAction, ClickExecutesTheActionInsteadOfTheNotification) {
    ButtonHost host;
    HWND b = host.Add("Run", 10, 10);
    SetWindowLongPtrA(host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountClicks));
    auto* button = TCustomVtPopupButton::FromHandle(b);
    int executed = 0;
    {
        TVtAction action;
        action.OnExecute = [&] { ++executed; };
        button->SetAction(&action);
        g_clicks = 0;
        SendMessageA(b, BM_CLICK, 0, 0);
        EXPECT_EQ(executed, 1);
        EXPECT_EQ(g_clicks, 0);
    }
    // The action is gone: the button is unlinked and notifies its window again.
    EXPECT_EQ(button->Action(), nullptr);
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(g_clicks, 1);
}

TEST(ButtonMouse, DoubleClickIsTwoClicks) {
    ButtonHost host;
    HWND b = host.Add("Twice", 10, 10);
    SetWindowLongPtrA(host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountClicks));
    auto* button = TCustomVtPopupButton::FromHandle(b);
    int double_clicks = 0;
    button->OnDblClick = [&](TCustomVtPopupButton&) { ++double_clicks; };
    g_clicks = 0;
    const LPARAM at = MAKELPARAM(10, 10);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(b, WM_LBUTTONUP, 0, at);
    SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(b, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(g_clicks, 2);
    EXPECT_EQ(double_clicks, 0);
    EXPECT_EQ(button->GetPressState(), psUp);
}

TEST(ButtonGroup, PressingAnotherButtonOfTheGroupRaisesTheFirst) {
    ButtonHost host;
    HWND a = host.Add("A", 10, 10);
    HWND b = host.Add("B", 120, 10);
    HWND other = host.Add("Other group", 230, 10);
    auto* ba = TCustomVtPopupButton::FromHandle(a);
    auto* bb = TCustomVtPopupButton::FromHandle(b);
    auto* bo = TCustomVtPopupButton::FromHandle(other);
    ba->SetGroupIndex(1);
    bb->SetGroupIndex(1);
    bo->SetGroupIndex(2);
    bo->SetDown(true);
    const LPARAM at = MAKELPARAM(10, 10);
    SendMessageA(a, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(a, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(ba->Down());
    EXPECT_EQ(ba->GetPressState(), psLatched);
    // Pressed again it stays down (AllowAllUp is off).
    SendMessageA(a, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(a, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(ba->Down());
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(b, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(bb->Down());
    EXPECT_FALSE(ba->Down());
    EXPECT_EQ(ba->GetPressState(), psUp);
    EXPECT_TRUE(bo->Down()) << "another group is left alone";
    // AllowAllUp is shared by the group.
    bb->SetAllowAllUp(true);
    EXPECT_TRUE(ba->AllowAllUp());
}

TEST(ButtonSetters, UnchangedValuesDoNothingAndRangesAreKept) {
    ButtonHost host;
    HWND b = host.Add("&OK", 10, 10);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetMargin(-5);  // refused
    EXPECT_EQ(button->Margin(), -1);
    button->SetNumGlyphs(9);
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetFlat(true);
    button->SetOldStyled(true);  // refused while flat
    EXPECT_FALSE(button->OldStyled());
    // The same caption again sends no text change at all; a new one always does.
    ValidateRect(b, nullptr);
    button->SetCaption("&OK");
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(b, &dirty, FALSE));
    button->SetCaption("&Yes");
    EXPECT_TRUE(GetUpdateRect(b, &dirty, FALSE));
    // Coloured faces derive their own frame shades.
    button->SetColor(RGB(255, 0, 0));
    EXPECT_EQ(button->ShadowBtnHighlight(), MakeRgb(255, 85, 85));
    EXPECT_EQ(button->ShadowBtnDkShadow(), MakeRgb(128, 0, 0));
}

}  // namespace
}  // namespace tv
