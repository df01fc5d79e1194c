// The button inside the system's dialog manager: Enter, Escape, access keys, Space, the default
// and cancel buttons, ModalResult, BM_CLICK and what accessibility clients see.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>
#include <vector>

#include "app/ui/ModalDialog.h"
#include "app/ui/PushButton.h"
#include "widgets/button/VtBtnAccessible.h"
#include "win/button/ButtonHost.h"

namespace tv {
namespace {

constexpr int kIdFirst = 10;
constexpr int kIdCancel = 20;  // not IDCANCEL: Escape must find it as the Cancel button

enum class Layout { ThreeButtons, AboutLike };

// A dialog whose script runs once it shows, posting input as the user's keyboard would deliver it.
class ScriptedDialog : public ModalDialog {
public:
    ScriptedDialog(Layout layout, std::function<void(ScriptedDialog&)> script)
        : layout_(layout), script_(std::move(script)) {}

    std::vector<int> commands;
    HWND first = nullptr, ok = nullptr, cancel = nullptr, edit = nullptr;

    void PostKey(HWND to, UINT msg, WPARAM key, LPARAM lp = 1) { PostMessageA(to, msg, key, lp); }

protected:
    HWND OnCreate() override {
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        if (layout_ == Layout::AboutLike) {
            ok = CreatePushButton(Handle(), {IDOK, "OK", 60, 40, 75, 25, ButtonRole::DefaultAndCancel, 4, 1}, font);
            SetTimer(Handle(), 1, 50, nullptr);
            return ok;
        }
        edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 120, 21,
                               Handle(), reinterpret_cast<HMENU>(30), GetModuleHandleA(nullptr), nullptr);
        first = CreatePushButton(Handle(), {kIdFirst, "&First", 10, 40, 75, 25}, font);
        ok = CreatePushButton(Handle(), {IDOK, "&OK", 90, 40, 75, 25, ButtonRole::Default}, font);
        cancel = CreatePushButton(Handle(), {kIdCancel, "Cancel", 170, 40, 75, 25, ButtonRole::Cancel, 3, 2}, font);
        SetTimer(Handle(), 1, 50, nullptr);
        return first;
    }
    bool OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return false;
        commands.push_back(id);
        if (id == kIdFirst || id == IDOK) Close(id);
        return id == kIdFirst || id == IDOK || id == kIdCancel;
    }
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) override {
        if (msg == WM_TIMER && wp == 1) {
            KillTimer(Handle(), 1);
            script_(*this);
            // Whatever the script did, the dialog ends in time.
            SetTimer(Handle(), 2, 3000, nullptr);
            handled = true;
        } else if (msg == WM_TIMER && wp == 2) {
            KillTimer(Handle(), 2);
            Close(-1);
            handled = true;
        }
        return 0;
    }

private:
    Layout layout_;
    std::function<void(ScriptedDialog&)> script_;
};

INT_PTR ShowScripted(ScriptedDialog& dialog) { return dialog.ShowModal(nullptr, "Buttons", 260, 80); }

TEST(ButtonInDialog, EscapeClicksTheCancelButtonWhileAnotherButtonHasTheFocus) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) { s.PostKey(s.first, WM_KEYDOWN, VK_ESCAPE); });
    EXPECT_EQ(ShowScripted(d), 2);  // the Cancel button's ModalResult
    EXPECT_EQ(d.commands, (std::vector<int>{kIdCancel}));
}

TEST(ButtonInDialog, EnterClicksTheFocusedButton) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) { s.PostKey(s.first, WM_KEYDOWN, VK_RETURN); });
    EXPECT_EQ(ShowScripted(d), kIdFirst);
    EXPECT_EQ(d.commands, (std::vector<int>{kIdFirst}));
}

TEST(ButtonInDialog, EnterInAnotherControlClicksTheDefaultButton) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        SetFocus(s.edit);
        s.PostKey(s.edit, WM_KEYDOWN, VK_RETURN);
    });
    EXPECT_EQ(ShowScripted(d), IDOK);
    EXPECT_EQ(d.commands, (std::vector<int>{IDOK}));
}

TEST(ButtonInDialog, AltAccessKeyClicks) {
    ScriptedDialog d(Layout::ThreeButtons,
                     [](ScriptedDialog& s) { s.PostKey(s.first, WM_SYSCHAR, 'o', (1 << 29) | 1); });
    EXPECT_EQ(ShowScripted(d), IDOK);
    EXPECT_EQ(d.commands, (std::vector<int>{IDOK}));
}

TEST(ButtonInDialog, ADisabledButtonsAccessKeyDoesNothing) {
    // The same key that clicks OK while it is enabled (AltAccessKeyClicks), typed while it is not.
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        EnableWindow(s.ok, FALSE);
        s.PostKey(s.first, WM_SYSCHAR, 'o', (1 << 29) | 1);
    });
    EXPECT_EQ(ShowScripted(d), -1);  // ended by its time limit
    EXPECT_TRUE(d.commands.empty());
}

TEST(ButtonInDialog, SpacePressAndReleaseClicks) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        s.PostKey(s.first, WM_KEYDOWN, VK_SPACE);
        s.PostKey(s.first, WM_KEYUP, VK_SPACE, 0xC0000001);
    });
    EXPECT_EQ(ShowScripted(d), kIdFirst);
}

TEST(ButtonInDialog, SpaceReleaseWithoutPressDoesNotClick) {
    ScriptedDialog d(Layout::ThreeButtons,
                     [](ScriptedDialog& s) { s.PostKey(s.first, WM_KEYUP, VK_SPACE, 0xC0000001); });
    EXPECT_EQ(ShowScripted(d), -1);
    EXPECT_TRUE(d.commands.empty());
}

TEST(ButtonInDialog, AboutLikeOkClosesOnEnterEscapeAndClick) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ScriptedDialog d(Layout::AboutLike, [key](ScriptedDialog& s) { s.PostKey(s.ok, WM_KEYDOWN, key); });
        EXPECT_EQ(ShowScripted(d), 1) << key;
    }
    ScriptedDialog d(Layout::AboutLike, [](ScriptedDialog& s) { SendMessageA(s.ok, BM_CLICK, 0, 0); });
    EXPECT_EQ(ShowScripted(d), 1);
}

TEST(ButtonForAutomation, AccessibleAsAPushButtonWithItsCaption) {
    CoInitialize(nullptr);
    testing_button::ButtonHost host;
    HWND b = host.Add("&Clear Statistics", 10, 10);
    char text[64] = {};
    GetWindowTextA(b, text, sizeof(text));
    EXPECT_STREQ(text, "&Clear Statistics");
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON, DLGC_BUTTON);
    // Clients always get an object (the marshalled button object where the platform can marshal
    // IAccessible; this Wine has no type library registered for it and answers with its own).
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    // What a client process gets through WM_GETOBJECT.
    IAccessible* client = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(b, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&client)),
              S_OK);
    ASSERT_NE(client, nullptr);
    VARIANT client_role;
    VariantInit(&client_role);
    ASSERT_EQ(client->get_accRole(self, &client_role), S_OK);
    EXPECT_EQ(client_role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    client->Release();
    IAccessible* acc = nullptr;
    ASSERT_EQ(CreateButtonAccessible(b, &acc), S_OK);
    ASSERT_NE(acc, nullptr);
    VARIANT role;
    VariantInit(&role);
    ASSERT_EQ(acc->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.vt, VT_I4);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    BSTR name = nullptr;
    ASSERT_EQ(acc->get_accName(self, &name), S_OK);
    EXPECT_STREQ(name, L"Clear Statistics");
    SysFreeString(name);
    BSTR shortcut = nullptr;
    ASSERT_EQ(acc->get_accKeyboardShortcut(self, &shortcut), S_OK);
    EXPECT_STREQ(shortcut, L"Alt+C");
    SysFreeString(shortcut);
    VARIANT state;
    VariantInit(&state);
    EnableWindow(b, FALSE);
    ASSERT_EQ(acc->get_accState(self, &state), S_OK);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_UNAVAILABLE);
    EnableWindow(b, TRUE);
    acc->Release();
    CoUninitialize();
}

int g_last_click = 0;

LRESULT CALLBACK RecordClicks(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND && HIWORD(wp) == BN_CLICKED) g_last_click = static_cast<int>(LOWORD(wp));
    return DefWindowProcA(w, m, wp, lp);
}

TEST(ButtonForAutomation, BmClickSendsTheClickNotification) {
    testing_button::ButtonHost host;
    HWND b = host.Add("E&xit", 10, 10, 97, 25, 106);
    SetWindowLongPtrA(host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordClicks));
    g_last_click = 0;
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(g_last_click, 106);
}

}  // namespace
}  // namespace tv
