// The order and number of what a button tells the world for each kind of click, recorded as the
// platform's own control tests record theirs: state changes announced to accessibility clients,
// the capture given up, and the click notification to the parent.
#include <gtest/gtest.h>
#include <oleacc.h>

#include "ui/Form.h"
#include "ui/PushButton.h"
#include "widgets/button/VtBtnAccessible.h"
#include "win/button/ButtonHost.h"
#include "win/button/MessageLog.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::MessageLog;
using testing_button::PumpMessages;
using Seq = std::vector<std::string>;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class MessageOrder : public testing::Test {
protected:
    void SetUp() override {
        b = host.Add("&Plain", 10, 10, 97, 25, 100);
        log.Watch(b);
        ASSERT_TRUE(log.HookInstalled());
        log.Take();
    }
    // A press focuses the button first; with the focus there already, only the press is seen.
    void Focus(HWND button) {
        SetFocus(button);
        log.Take();
    }
    ButtonHost host;
    HWND b = nullptr;
    MessageLog log{host.Handle()};
};

TEST_F(MessageOrder, AClick) {
    Focus(b);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(log.Take(), (Seq{"state 100"}));
    SendMessageA(b, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(log.Take(), (Seq{"state 100", "capture lost 100", "clicked 100"}));
}

TEST_F(MessageOrder, APressDraggedOffAndReleasedOutsideThenOneDraggedBack) {
    Focus(b);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(150, 10));
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(160, 10));  // still off: nothing new
    SendMessageA(b, WM_LBUTTONUP, 0, At(160, 10));
    EXPECT_EQ(log.Take(), (Seq{"state 100", "state 100", "capture lost 100"}));

    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(150, 10));
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(20, 10));
    SendMessageA(b, WM_LBUTTONUP, 0, At(20, 10));
    EXPECT_EQ(log.Take(), (Seq{"state 100", "state 100", "state 100", "state 100", "capture lost 100", "clicked 100"}));
}

TEST_F(MessageOrder, Space) {
    SetFocus(b);
    EXPECT_EQ(log.Take(), (Seq{"default style 100", "state 100", "default action 100"}))
        << "the focused button is the window's default";
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 0x40000001);  // auto-repeat: already pressed
    EXPECT_EQ(log.Take(), (Seq{"state 100"}));
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(log.Take(), (Seq{"state 100", "clicked 100"}));
}

TEST_F(MessageOrder, BmClick) {
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(log.Take(), (Seq{"clicked 100"}));
}

TEST_F(MessageOrder, EscapeClicksTheCancelButtonOnly) {
    HWND cancel = host.Add("Cancel", 120, 10, 97, 25, 101);
    TCustomVtPopupButton::FromHandle(cancel)->SetCancel(true);
    log.Watch(cancel);
    SendMessageA(b, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(log.Take(), (Seq{"clicked 101"}));
}

TEST_F(MessageOrder, ALatchedButtonOfAGroup) {
    HWND other = host.Add("Other", 120, 10, 97, 25, 101);
    log.Watch(other);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    auto* peer = TCustomVtPopupButton::FromHandle(other);
    button->SetGroupIndex(1);
    peer->SetGroupIndex(1);
    Focus(b);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(b, WM_LBUTTONUP, 0, At(10, 10));
    // Held, then latched: pressed throughout, so one change only.
    EXPECT_EQ(log.Take(), (Seq{"state 100", "capture lost 100", "clicked 100"}));
    // A press on the other button takes the focus (and the window's default look) with it, then
    // latches it and raises the first, and only then gives the mouse back and clicks.
    SendMessageA(other, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageA(other, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(log.Take(), (Seq{"plain style 100", "state 100", "default action 100", "default style 101", "state 101",
                               "default action 101", "state 101", "state 100", "capture lost 101", "clicked 101"}));
}

TEST_F(MessageOrder, EnablingAndDisabling) {
    EnableWindow(b, FALSE);
    EnableWindow(b, TRUE);
    EXPECT_EQ(log.Take(), (Seq{"state 100", "state 100"}));
}

using UniqueMenu = UniqueResource<NullIsEmpty<HMENU, DestroyMenu>>;

HWND g_menu_button = nullptr;

// Closes every menu that opens (until the test kills the timer), the pointer over the arrow part.
void CALLBACK CloseMenuOverArrow(HWND, UINT, UINT_PTR, DWORD) {
    testing_button::PointerAt(g_menu_button, 92, 12);
    EndMenu();
}

TEST_F(MessageOrder, TheArrowPartOpensItsMenuWithoutHoldingTheMouse) {
    Focus(b);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetUseArrow(true);
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuA(menu.get(), MF_STRING, 1, "Item");
    button->SetPullDownMenu(menu.get());
    int arrow_clicks = 0;
    button->OnArrowClick = [&](TCustomVtPopupButton&) { ++arrow_clicks; };
    g_menu_button = b;
    const UINT_PTR closer = SetTimer(nullptr, 0, 100, &CloseMenuOverArrow);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(92, 12));
    PumpMessages();
    EXPECT_EQ(arrow_clicks, 1);
    // The click that closed the menu arrives afterwards and is swallowed whole.
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(92, 12));
    SendMessageA(b, WM_LBUTTONUP, 0, At(92, 12));
    EXPECT_EQ(log.Take(), Seq{});
    EXPECT_EQ(arrow_clicks, 1);
    KillTimer(nullptr, closer);
    button->SetPullDownMenu(nullptr);
}

// Restore-dialog-like: Delete, OK (default), Cancel (cancel), the focus starting on Cancel.
class DefaultDialog : public Form {
public:
    DefaultDialog() : Form(FormDesign{260, 50}) {}
    std::function<void(DefaultDialog&)> script;
    HWND del = nullptr, ok = nullptr, cancel = nullptr;

protected:
    HWND OnCreate() override {
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        del = CreatePushButton(Handle(), {12, "&Delete", 10, 10, 75, 25}, font);
        ok = CreatePushButton(Handle(), {IDOK, "&OK", 90, 10, 75, 25, ButtonRole::Default}, font);
        cancel = CreatePushButton(Handle(), {IDCANCEL, "&Cancel", 170, 10, 75, 25, ButtonRole::Cancel}, font);
        PostMessageA(Handle(), WM_APP, 0, 0);
        return cancel;
    }
    bool OnCommand(int, int, HWND) override { return true; }
    INT_PTR OnMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
        if (msg != WM_APP) return 0;
        script(*this);
        Close(0);
        handled = true;
        return 0;
    }
};

bool IsDefaultStyled(HWND b) { return (GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

bool ReportsDefault(HWND b) {
    const UniqueCom<IAccessible> acc = CreateButtonAccessible(b);
    if (!acc) return false;
    VARIANT self, state;
    VariantInit(&self);
    VariantInit(&state);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return acc->get_accState(self, &state) == S_OK && (state.lVal & STATE_SYSTEM_DEFAULT);
}

TEST(DefaultButton, ExactlyOneButtonIsTheDefaultAsTheFocusMoves) {
    CoInitialize(nullptr);
    DefaultDialog d;
    std::vector<Seq> moves;
    std::vector<std::string> defaults;
    d.script = [&](DefaultDialog& s) {
        MessageLog log(s.Handle());
        for (HWND b : {s.del, s.ok, s.cancel}) log.Watch(b);
        auto record = [&] {
            std::string which;
            int styled = 0, reported = 0;
            for (HWND b : {s.del, s.ok, s.cancel}) {
                styled += IsDefaultStyled(b);
                reported += ReportsDefault(b);
                if (IsDefaultStyled(b)) which = std::to_string(GetDlgCtrlID(b));
            }
            defaults.push_back(which + (styled == 1 && reported == 1 ? "" : " (not exactly one)"));
        };
        log.Take();
        record();
        for (HWND to : {s.del, s.ok, s.cancel}) {
            SendMessageA(s.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(to), TRUE);
            moves.push_back(log.Take());
            record();
        }
    };
    d.ShowModal(nullptr, "Default");
    CoUninitialize();
    // The focused button is the default one, from the start.
    EXPECT_EQ(defaults, (std::vector<std::string>{"2", "12", "1", "2"}));
    // Each move: the buttons in window order take the look that fits, one event each.
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0], (Seq{"default style 12", "state 12", "default action 12", "plain style 2", "state 2",
                             "default action 2"}));
    EXPECT_EQ(moves[1], (Seq{"plain style 12", "state 12", "default action 12", "default style 1", "state 1",
                             "default action 1"}));
    EXPECT_EQ(moves[2],
              (Seq{"plain style 1", "state 1", "default action 1", "default style 2", "state 2", "default action 2"}));
}

}  // namespace
}  // namespace tv
