// The button inside the system's dialog manager: Enter, Escape, access keys, Space, the default
// and cancel buttons, ModalResult, BM_CLICK and what accessibility clients see.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "ui/Form.h"
#include "ui/PushButton.h"
#include "widgets/button/VtBtnAccessible.h"
#include "widgets/button/VtBtnActionLink.h"
#include "win/button/ButtonHost.h"

namespace tv {
namespace {

constexpr int kIdFirst = 10;
constexpr int kIdCancel = 20;  // not IDCANCEL: Escape must find it as the Cancel button
constexpr int kIdEdit = 30;
constexpr UINT kFinish = WM_APP + 1;

enum class Layout { ThreeButtons, AboutLike };

std::vector<PushButtonSpec> ButtonsOf(Layout layout) {
    if (layout == Layout::AboutLike) return {{IDOK, "OK", 60, 40, 75, 25, ButtonRole::DefaultAndCancel, 4, 1}};
    return {{kIdFirst, "&First", 10, 40, 75, 25},
            {IDOK, "&OK", 90, 40, 75, 25, ButtonRole::Default},
            {kIdCancel, "Cancel", 170, 40, 75, 25, ButtonRole::Cancel, 3, 2}};
}

// A dialog whose script runs once it shows, posting input as the user's keyboard would deliver it.
// The buttons are made as the program makes its own; an edit field comes first when asked for.
class ScriptedDialog : public Form {
public:
    ScriptedDialog(std::vector<PushButtonSpec> buttons, bool with_edit, std::function<void(ScriptedDialog&)> script)
        : Form(FormDesign{260, 80}), specs_(std::move(buttons)), with_edit_(with_edit), script_(std::move(script)) {}
    ScriptedDialog(Layout layout, std::function<void(ScriptedDialog&)> script)
        : ScriptedDialog(ButtonsOf(layout), layout == Layout::ThreeButtons, std::move(script)) {}

    std::vector<int> commands;
    std::vector<HWND> buttons;
    HWND first = nullptr, ok = nullptr, cancel = nullptr, edit = nullptr;
    // Ids whose click notification closes the dialog with the id as its result.
    std::vector<int> closing_ids{kIdFirst, IDOK};
    std::function<void(int id)> on_command;
    // The parent the buttons go into (the dialog itself unless the script's setup says otherwise).
    std::function<HWND(HWND dialog)> make_parent;

    void PostKey(HWND to, UINT msg, WPARAM key, LPARAM lp = 1) { PostMessageA(to, msg, key, lp); }
    // Ends the dialog with -1 once everything posted before has been handled.
    void Finish() { PostMessageA(Handle(), kFinish, 0, 0); }
    TCustomVtPopupButton* Button(HWND wnd) const { return TCustomVtPopupButton::FromHandle(wnd); }

protected:
    HWND OnCreate() override {
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        if (with_edit_) {
            edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 120, 21,
                                   Handle(), reinterpret_cast<HMENU>(kIdEdit), GetModuleHandleA(nullptr), nullptr);
        }
        HWND parent = make_parent ? make_parent(Handle()) : Handle();
        for (const PushButtonSpec& spec : specs_) buttons.push_back(CreatePushButton(parent, spec, font));
        first = buttons.empty() ? nullptr : buttons.front();
        ok = GetDlgItem(parent, IDOK);
        cancel = GetDlgItem(parent, kIdCancel);
        SetTimer(Handle(), 1, 50, nullptr);
        return first;
    }
    bool OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return false;
        commands.push_back(id);
        if (on_command) on_command(id);
        const bool closes = std::find(closing_ids.begin(), closing_ids.end(), id) != closing_ids.end();
        if (closes) Close(id);
        return closes || id == kIdCancel;
    }
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) override {
        if (msg == WM_TIMER && wp == 1) {
            KillTimer(Handle(), 1);
            script_(*this);
            // Whatever the script did, the dialog ends in time.
            SetTimer(Handle(), 2, 3000, nullptr);
            handled = true;
        } else if ((msg == WM_TIMER && wp == 2) || msg == kFinish) {
            KillTimer(Handle(), 2);
            Close(-1);
            handled = true;
        }
        return 0;
    }

private:
    std::vector<PushButtonSpec> specs_;
    bool with_edit_;
    std::function<void(ScriptedDialog&)> script_;
};

INT_PTR ShowScripted(ScriptedDialog& dialog) { return dialog.ShowModal(nullptr, "Buttons"); }

TEST(ButtonInDialog, EscapeClicksTheCancelButtonWhileAnotherButtonHasTheFocus) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) { s.PostKey(s.first, WM_KEYDOWN, VK_ESCAPE); });
    EXPECT_EQ(ShowScripted(d), 2);  // the Cancel button's ModalResult
    EXPECT_EQ(d.commands, (std::vector<int>{kIdCancel}));
}

TEST(ButtonInDialog, EscapeInAnotherControlClicksTheCancelButton) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        SetFocus(s.edit);
        s.PostKey(s.edit, WM_KEYDOWN, VK_ESCAPE);
    });
    EXPECT_EQ(ShowScripted(d), 2);
    EXPECT_EQ(d.commands, (std::vector<int>{kIdCancel}));
}

TEST(ButtonInDialog, EscapeDoesNothingWhileTheCancelButtonIsDisabled) {
    for (bool from_edit : {false, true}) {
        ScriptedDialog d(Layout::ThreeButtons, [from_edit](ScriptedDialog& s) {
            EnableWindow(s.cancel, FALSE);
            HWND focus = from_edit ? s.edit : s.first;
            SetFocus(focus);
            s.PostKey(focus, WM_KEYDOWN, VK_ESCAPE);
            s.Finish();
        });
        EXPECT_EQ(ShowScripted(d), -1) << (from_edit ? "from the edit field" : "from a button");
        EXPECT_TRUE(d.commands.empty());
    }
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

constexpr int kIdYesButton = 11;

// A dialog whose default button is not IDOK and ends the dialog only through its ModalResult.
std::vector<PushButtonSpec> DefaultWithModalResult() {
    return {{kIdFirst, "&First", 10, 40, 75, 25},
            {kIdYesButton, "&Yes", 90, 40, 75, 25, ButtonRole::Default, 3, IDYES},
            {kIdCancel, "Cancel", 170, 40, 75, 25, ButtonRole::Cancel, 3, 2}};
}

TEST(ButtonInDialog, EnterInAnotherControlIsTheDefaultButtonsOwnClick) {
    ScriptedDialog d(DefaultWithModalResult(), true, [](ScriptedDialog& s) {
        SetFocus(s.edit);
        s.PostKey(s.edit, WM_KEYDOWN, VK_RETURN);
        s.Finish();
    });
    EXPECT_EQ(ShowScripted(d), IDYES) << "the default button's ModalResult";
    EXPECT_EQ(d.commands, (std::vector<int>{kIdYesButton}));

    // With an action, Enter runs the action as a click would.
    int executed = 0;
    TVtAction action;
    action.SetCaption("&Yes");
    action.OnExecute = [&] { ++executed; };
    ScriptedDialog with_action(DefaultWithModalResult(), true, [&](ScriptedDialog& s) {
        s.Button(s.buttons[1])->SetAction(&action);
        SetFocus(s.edit);
        s.PostKey(s.edit, WM_KEYDOWN, VK_RETURN);
        s.Finish();
    });
    EXPECT_EQ(ShowScripted(with_action), IDYES);
    EXPECT_EQ(executed, 1);
}

TEST(ButtonInDialog, DefaultSetToFalseGivesUpTheDialogsDefaultId) {
    LRESULT before = 0, after = 0;
    ScriptedDialog d(DefaultWithModalResult(), true, [&](ScriptedDialog& s) {
        SetFocus(s.edit);
        before = SendMessageA(s.Handle(), DM_GETDEFID, 0, 0);
        s.Button(s.buttons[1])->SetDefault(false);
        after = SendMessageA(s.Handle(), DM_GETDEFID, 0, 0);
        // Enter no longer reaches it.
        s.PostKey(s.edit, WM_KEYDOWN, VK_RETURN);
        s.Finish();
    });
    d.closing_ids = {};
    ShowScripted(d);
    EXPECT_EQ(before, MAKELRESULT(kIdYesButton, DC_HASDEFID));
    EXPECT_NE(LOWORD(after), kIdYesButton);
    EXPECT_EQ(std::count(d.commands.begin(), d.commands.end(), kIdYesButton), 0);
}

TEST(ButtonInDialog, TheModalResultIsSetBeforeTheClickSoTheHandlerHasTheLastWord) {
    ScriptedDialog d(DefaultWithModalResult(), true,
                     [](ScriptedDialog& s) { s.PostKey(s.buttons[1], BM_CLICK, 0, 0); });
    d.closing_ids = {};
    d.on_command = [&d](int id) {
        if (id == kIdYesButton) EndDialog(d.Handle(), IDRETRY);
    };
    EXPECT_EQ(ShowScripted(d), IDRETRY);
}

LRESULT CALLBACK PanelProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

TEST(ButtonInDialog, AButtonInsideAPanelOfTheDialogEndsTheDialog) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ButtonTestPanel";
    RegisterClassA(&wc);
    ScriptedDialog d(DefaultWithModalResult(), false, [](ScriptedDialog& s) {
        s.PostKey(s.buttons[1], BM_CLICK, 0, 0);
        s.Finish();
    });
    d.make_parent = [](HWND dialog) {
        return CreateWindowExA(WS_EX_CONTROLPARENT, "ButtonTestPanel", "", WS_CHILD | WS_VISIBLE, 0, 0, 260, 80, dialog,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    EXPECT_EQ(ShowScripted(d), IDYES);
}

TEST(ButtonInDialog, AccessKeysInEitherCaseWithAndWithoutAlt) {
    const std::pair<UINT, WPARAM> keys[] = {{WM_SYSCHAR, 'o'}, {WM_CHAR, 'o'}, {WM_CHAR, 'O'}};
    for (const auto& [msg, key] : keys) {
        ScriptedDialog d(Layout::ThreeButtons, [msg, key](ScriptedDialog& s) {
            s.PostKey(s.first, msg, key, msg == WM_SYSCHAR ? (1 << 29) | 1 : 1);
            s.Finish();
        });
        EXPECT_EQ(ShowScripted(d), IDOK) << static_cast<char>(key);
        EXPECT_EQ(d.commands, (std::vector<int>{IDOK}));
    }
    for (bool hide : {false, true}) {
        ScriptedDialog d(Layout::ThreeButtons, [hide](ScriptedDialog& s) {
            if (hide) {
                ShowWindow(s.ok, SW_HIDE);
            } else {
                EnableWindow(s.ok, FALSE);
            }
            s.PostKey(s.first, WM_SYSCHAR, 'o', (1 << 29) | 1);
            s.Finish();
        });
        EXPECT_EQ(ShowScripted(d), -1) << (hide ? "hidden" : "disabled");
        EXPECT_TRUE(d.commands.empty());
    }
}

TEST(ButtonInDialog, ASystemColourChangeReachesTheButtonsGlyphs) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        auto* button = s.Button(s.first);
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        HBITMAP glyph = CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ old = SelectObject(mem, glyph);
        RECT all{0, 0, 16, 16};
        FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        SelectObject(mem, old);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
        button->SetGlyph(glyph);
        DeleteObject(glyph);
        testing_button::CaptureButton(s.first);
        EXPECT_NE(button->Glyph().CachedIndex(psUp), -1) << "the painted state image is kept";
        SendMessageA(s.Handle(), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(button->Glyph().CachedIndex(psUp), -1) << "the dialog did not pass the change on";
        s.Finish();
    });
    ShowScripted(d);
}

TEST(ButtonInDialog, SpacePressAndReleaseClicks) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        s.PostKey(s.first, WM_KEYDOWN, VK_SPACE);
        s.PostKey(s.first, WM_KEYUP, VK_SPACE, 0xC0000001);
    });
    EXPECT_EQ(ShowScripted(d), kIdFirst);
}

TEST(ButtonInDialog, SpaceReleaseWithoutPressDoesNotClick) {
    ScriptedDialog d(Layout::ThreeButtons, [](ScriptedDialog& s) {
        s.PostKey(s.first, WM_KEYUP, VK_SPACE, 0xC0000001);
        s.Finish();
    });
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
    const testing_button::ComApartment com;  // outlives the objects below
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
    UniqueCom<IAccessible> client;
    ASSERT_EQ(AccessibleObjectFromWindow(b, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, client.put_void()),
              S_OK);
    ASSERT_TRUE(client);
    VARIANT client_role;
    VariantInit(&client_role);
    ASSERT_EQ(client->get_accRole(self, &client_role), S_OK);
    EXPECT_EQ(client_role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    const UniqueCom<IAccessible> acc = CreateButtonAccessible(b);
    ASSERT_TRUE(acc);
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
}

}  // namespace
}  // namespace tv
