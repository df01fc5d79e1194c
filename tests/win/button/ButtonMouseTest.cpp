// The mouse on buttons, message by message: who holds the capture after each press, the arrow
// part's menu, the link cursor and links at negative screen positions.
#include <gtest/gtest.h>

#include <algorithm>

#include "widgets/html/LinkCursor.h"
#include "win/button/ButtonHost.h"
#include "win/button/MessageLog.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::CaptureButton;
using testing_button::MessageLog;
using testing_button::PointerAt;
using testing_button::PumpMessages;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

using UniqueMenu = UniqueResource<NullIsEmpty<HMENU, DestroyMenu>>;

UniqueMenu OneItemMenu() {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuA(menu.get(), MF_STRING, 1, "Item");
    return menu;
}

// Closes every menu that a press opens, with the pointer over the arrow part as a click there
// leaves it; the test stops it when done.
class MenuCloser {
public:
    explicit MenuCloser(HWND button) : timer_(SetTimer(nullptr, 0, 100, &Close)) { Button() = button; }
    ~MenuCloser() { KillTimer(nullptr, timer_); }

private:
    static HWND& Button() {
        static HWND button = nullptr;
        return button;
    }
    static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) {
        RECT r{};
        GetClientRect(Button(), &r);
        PointerAt(Button(), r.right - 4, r.bottom / 2);
        EndMenu();
    }
    UINT_PTR timer_;
};

TEST(ButtonCapture, TheClickThatClosesTheArrowMenuLeavesNoCaptureBehind) {
    ButtonHost host;
    HWND b = host.Add("Menu", 10, 10, 97, 25, 100);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetUseArrow(true);
    UniqueMenu menu = OneItemMenu();
    button->SetPullDownMenu(menu.get());
    int arrow_clicks = 0;
    button->OnArrowClick = [&](TCustomVtPopupButton&) { ++arrow_clicks; };

    // The press on the arrow opens the menu; the menu closes with the pointer over the arrow.
    const MenuCloser closer(b);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
    EXPECT_EQ(arrow_clicks, 1);
    PumpMessages();  // the cancel message the menu loop posted
    EXPECT_EQ(button->GetPressState(), psUp);

    // The click that closed the menu reaches the button afterwards: it is swallowed, and so is
    // the capture: nothing of it may remain.
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
    EXPECT_EQ(arrow_clicks, 1) << "the closing click reopened the menu";
    EXPECT_NE(GetCapture(), b);
    SendMessageA(b, WM_LBUTTONUP, 0, At(90, 10));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(button->GetPressState(), psUp);
    button->SetPullDownMenu(nullptr);
}

TEST(ButtonCapture, APressHoldsTheCaptureUntilItsRelease) {
    ButtonHost host;
    HWND b = host.Add("Plain", 10, 10, 97, 25, 100);
    MessageLog log(host.Handle());
    log.Watch(b);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(GetCapture(), b);
    SendMessageA(b, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(GetCapture(), nullptr);
    // Another window taking the mouse ends the press without a click.
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SetCapture(host.Handle());
    EXPECT_EQ(TCustomVtPopupButton::FromHandle(b)->GetPressState(), psUp);
    ReleaseCapture();
    SendMessageA(b, WM_LBUTTONUP, 0, At(10, 10));
    const auto seen = log.Take();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "clicked 100"), 1);
}

TEST(ButtonLink, ThePointerOverALinkShowsTheLinkCursor) {
    ButtonHost host;
    HWND b = host.Add("Go <a href=\"home\">here</a>", 10, 10, 120, 25, 100);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetIsHTML(true);
    CaptureButton(b);  // lays the caption out
    const RECT text = button->TextRect();
    ASSERT_LT(text.left, text.right);
    const HCURSOR link_cursor = GetVtCursor(crVtLink);
    ASSERT_NE(link_cursor, nullptr);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);

    ASSERT_TRUE(PointerAt(b, text.right - 3, (text.top + text.bottom) / 2));  // over "here"
    SetCursor(arrow);
    SendMessageA(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), link_cursor);

    ASSERT_TRUE(PointerAt(b, text.left + 1, (text.top + text.bottom) / 2));  // over "Go"
    SendMessageA(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), arrow);

    // The button's own cursor shows at once where there is no link, and gives way over one.
    const HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    button->SetCursor(cross);
    EXPECT_EQ(GetCursor(), cross);
    SetCursor(arrow);
    SendMessageA(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), cross);
    ASSERT_TRUE(PointerAt(b, text.right - 3, (text.top + text.bottom) / 2));
    button->SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
    EXPECT_EQ(GetCursor(), link_cursor);
    SendMessageA(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), link_cursor);
}

TEST(ButtonLink, ALinkLeftOfThePrimaryMonitorStillGetsItsMenu) {
    ButtonHost host;
    // The window lies partly at negative screen coordinates, as on a monitor left of the primary.
    SetWindowPos(host.Handle(), nullptr, -300, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND b = host.Add("Go <a href=\"home\">here</a>", 10, 10, 120, 25, 100);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetIsHTML(true);
    CaptureButton(b);
    const RECT text = button->TextRect();
    POINT over_link{text.right - 3, (text.top + text.bottom) / 2};
    ClientToScreen(b, &over_link);
    ASSERT_LT(over_link.x, 0);
    UniqueMenu menu = OneItemMenu();
    button->SetLinkPopupMenu(menu.get());
    int asked = 0;
    button->OnContextPopup = [&](TCustomVtPopupButton&, POINT) {
        ++asked;
        return true;  // handled: no menu pops
    };
    EXPECT_EQ(SendMessageA(b, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(b), MAKELPARAM(over_link.x, over_link.y)), 1);
    EXPECT_EQ(asked, 1);
    button->SetLinkPopupMenu(nullptr);
}

}  // namespace
}  // namespace tv
