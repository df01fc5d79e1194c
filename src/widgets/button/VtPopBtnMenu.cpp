// The popup button's menus: the pull-down menu (its place, its loop, the cancel message that
// follows it), the context menu and the link menu of markup captions, and the menu messages the
// button passes on.
#include "widgets/button/VtPopBtn.h"

namespace tv {

void TCustomVtPopupButton::ShowPullDownMenu(bool arrow) {
    if (!pull_down_menu_ || disable_auto_popup_ || !(arrow || !UseArrow())) return;
    RECT r{};
    GetWindowRect(wnd_, &r);
    const LayoutPoint at =
        PullDownPoint(popup_place_, {r.left, r.top, r.right, r.bottom}, GetMenuItemCount(pull_down_menu_),
                      GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYEDGE));
    Apply(logic_.MenuOpening());
    TrackPopupMenu(pull_down_menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, wnd_, nullptr);
    if (WindowGone()) return;
    Apply(logic_.MenuClosed());
}

void TCustomVtPopupButton::OnExitMenuLoop() {
    const POINT p = CursorInClient();
    Apply(logic_.MenuLoopLeft(p.x, p.y, Size()));
    PostMessageA(wnd_, CancelPulldownMessage(), 0, 0);
}

void TCustomVtPopupButton::OnCancelPulldown() { Apply(logic_.CancelMenu()); }

LRESULT TCustomVtPopupButton::OnContextMenu(WPARAM wp, LPARAM lp) {
    // The keyboard asks with (-1, -1); any other value is a point, negative left of the primary monitor.
    const bool from_keyboard = lp == static_cast<LPARAM>(-1) || static_cast<DWORD>(lp) == 0xFFFFFFFFu;
    if (is_html_ && link_popup_menu_ && !from_keyboard) {
        const POINT screen{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        POINT client = screen;
        ScreenToClient(wnd_, &client);
        std::string href;
        if (LinkAtClientPoint(client, href)) {
            if (!(OnContextPopup && OnContextPopup(*this, client))) LinkPopup(screen);
            return 1;
        }
    }
    return DefWindowProcA(wnd_, WM_CONTEXTMENU, wp, lp);
}

void TCustomVtPopupButton::LinkPopup(std::optional<POINT> screen) {
    if (!link_popup_menu_) return;
    const Running scope(*this);
    // Whatever the mouse was doing with the button ends here.
    Apply(logic_.CancelMenu());
    POINT at{0, 0};
    if (screen) {
        at = *screen;
    } else {
        ClientToScreen(wnd_, &at);
    }
    TrackPopupMenu(link_popup_menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, wnd_, nullptr);
}

LRESULT TCustomVtPopupButton::ForwardMenuMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Items of the pull-down menu belong to the window that holds the button.
    HWND parent = GetParent(wnd_);
    if (parent) return SendMessageA(parent, msg, wp, lp);
    return DefWindowProcA(wnd_, msg, wp, lp);
}

}  // namespace tv
