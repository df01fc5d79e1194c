// The popup button's input: mouse, keyboard, focus, capture, enabling and groups. Each handler
// turns its message into an event of the state machine and carries out the outcome.
#include <oleacc.h>

#include "widgets/button/FormButtons.h"
#include "widgets/button/VtPopBtn.h"
#include "widgets/html/LinkCursor.h"

namespace tv {

namespace {

bool ModifierDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
bool NoModifier() { return !ModifierDown(VK_SHIFT) && !ModifierDown(VK_CONTROL) && !ModifierDown(VK_MENU); }
bool AltOnly() { return ModifierDown(VK_MENU) && !ModifierDown(VK_SHIFT) && !ModifierDown(VK_CONTROL); }

}  // namespace

ClientSize TCustomVtPopupButton::Size() const {
    RECT r{};
    GetClientRect(wnd_, &r);
    return {r.right, r.bottom};
}

POINT TCustomVtPopupButton::CursorInClient() const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(wnd_, &p);
    return p;
}

void TCustomVtPopupButton::Apply(const PressOutcome& out) {
    if (!wnd_) return;
    if (out.Repaints() == Repaint::Later) Invalidate();
    if (out.Repaints() == Repaint::Now) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    AnnounceState();
    if (out.AnnouncesToGroup()) AnnounceGroup();
    if (out.Capture() == CaptureChange::Take) SetCapture(wnd_);
    if (out.Capture() == CaptureChange::Release && GetCapture() == wnd_) ReleaseCapture();
    if (out.LeavesPointer()) MouseLeave();
    if (out.ReevaluatesHover()) ReevaluateHover();
    // Last: the click may end the window.
    if (WindowGone()) return;
    if (out.Clicks() == ClickTarget::Body) PerformClick(false);
    if (out.Clicks() == ClickTarget::Arrow) PerformClick(true);
}

// Accessibility clients are told when the button's pressed, unavailable or default state changes
// (the same bits its accessible object reports).
void TCustomVtPopupButton::AnnounceState() {
    if (!wnd_) return;
    long state = 0;
    if (LooksDown()) state |= STATE_SYSTEM_PRESSED;
    if (!Enabled()) state |= STATE_SYSTEM_UNAVAILABLE;
    if ((GetWindowLongPtrA(wnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) state |= STATE_SYSTEM_DEFAULT;
    if (state == announced_state_) return;
    const bool default_changed = ((state ^ announced_state_) & STATE_SYSTEM_DEFAULT) != 0;
    announced_state_ = state;
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, wnd_, OBJID_CLIENT, CHILDID_SELF);
    // What Enter does in the dialog changed with it.
    if (default_changed) NotifyWinEvent(EVENT_OBJECT_DEFACTIONCHANGE, wnd_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT TCustomVtPopupButton::OnGetDlgCode(const MSG* msg) {
    const bool is_default = (GetWindowLongPtrA(wnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    LRESULT code = DLGC_BUTTON | (is_default ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    // Enter and Escape come to the button itself; Tab and the arrows stay with the dialog manager.
    if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void TCustomVtPopupButton::OnLButtonDown(int x, int y, bool double_click) {
    // Mouse activation: a click focuses a tab stop; if it cannot, the press is ignored.
    if (!Focused() && CanFocus() && (GetWindowLongPtrA(wnd_, GWL_STYLE) & WS_TABSTOP)) {
        SetFocus(wnd_);
        if (WindowGone()) return;
        if (!Focused()) logic_.FocusRefused();
    }
    if (logic_.TakeIgnoredPress()) return;
    std::string href;
    if (LinkAtClientPoint({x, y}, href)) return;  // the link acts on release
    const PressOutcome out = logic_.LeftPress(x, y, Size(), Enabled());
    if (out.Clicks() == ClickTarget::Arrow) {
        // The arrow's click shows its menu and returns when the menu has closed.
        try {
            Apply(out);
        } catch (...) {
            if (!WindowGone()) Apply(logic_.PressAbandoned());
            throw;
        }
        if (WindowGone()) return;
        Apply(logic_.ArrowClickReturned());
    } else {
        Apply(out);
    }
    if (WindowGone()) return;
    if (double_click && Down() && OnDblClick) OnDblClick(*this);
}

void TCustomVtPopupButton::OnMouseMove(int x, int y) {
    if (!logic_.Tracking()) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, wnd_, 0};
        logic_.TrackingAsked(TrackMouseEvent(&tme) != FALSE);
        if (!logic_.Pressing()) MouseEnter();
    }
    Apply(logic_.MouseMove(x, y, Size()));
}

void TCustomVtPopupButton::OnLButtonUp(int x, int y) {
    std::string href;
    if (LinkAtClientPoint({x, y}, href)) {
        Apply(logic_.LinkReleased());
        LinkClicked(href);
        return;
    }
    Apply(logic_.LeftRelease(x, y, Size()));
}

void TCustomVtPopupButton::LinkClicked(const std::string& href) {
    if (OnLinkClick) OnLinkClick(*this, href);
}

void TCustomVtPopupButton::OnCaptureChanged() {
    // Only another window taking the mouse is news: a capture given back was asked for.
    if (GetCapture() != wnd_) Apply(logic_.CaptureLost());
}

void TCustomVtPopupButton::OnMouseLeave() { Apply(logic_.LeaveReported()); }

// Entering and leaving repaint the button unless its look has no hover (the old style without a
// theme) and no hot pictures of its own.
bool TCustomVtPopupButton::HoverRepaints() const { return !(old_styled_ && !IsThemed()) || hot_images_ != nullptr; }

void TCustomVtPopupButton::MouseEnter() {
    if (!Enabled()) return;
    const PressOutcome hover = logic_.PointerEntered(CursorInClient().x, Size(), true);
    Apply(HoverRepaints() ? hover.And(PressOutcome::RepaintLater()) : hover);
}

void TCustomVtPopupButton::MouseLeave() {
    const PressOutcome hover = logic_.PointerLeft();
    Apply(HoverRepaints() ? hover.And(PressOutcome::RepaintLater()) : hover);
}

void TCustomVtPopupButton::ReevaluateHover() {
    if (!Enabled()) {
        Apply(logic_.HoverCleared());
        return;
    }
    if (!Flat()) return;
    POINT p{};
    GetCursorPos(&p);
    if (WindowFromPoint(p) == wnd_) {
        MouseEnter();
    } else {
        MouseLeave();
    }
}

bool TCustomVtPopupButton::OnKeyDown(WPARAM key) {
    if (key == VK_DOWN && AltOnly()) {
        if (!Enabled() || !UseArrow() || !pull_down_menu_ || disable_auto_popup_) return false;
        PerformClick(true);
        return true;
    }
    if (!NoModifier()) return false;
    switch (key) {
        case VK_SPACE:
            if (CanFocus()) Apply(logic_.SpaceDown());
            return true;
        case VK_RETURN:
            if (CanFocus()) Apply(logic_.Enter());
            return true;
        case VK_ESCAPE:
            EscapeToForm();
            return true;
        default:
            return false;
    }
}

bool TCustomVtPopupButton::OnKeyUp(WPARAM key) {
    if (key != VK_SPACE || !NoModifier()) return false;
    if (CanFocus()) Apply(logic_.SpaceUp());
    return true;
}

bool TCustomVtPopupButton::OnChar(WPARAM ch, bool system) {
    // Space, Enter and Escape were keys of the button's own; no character follows them.
    if (!system && (ch == ' ' || ch == '\r' || ch == 0x1B)) return true;
    // Where no dialog manager took the character first, it is offered to the form's buttons.
    return ch < 0x100 && OfferAccessKey(static_cast<char>(ch));
}

void TCustomVtPopupButton::OnSetFocus() {
    FormFocusChanged(FormOf(wnd_), wnd_);
    Invalidate();
}

void TCustomVtPopupButton::OnKillFocus(HWND next) {
    // A button taking the focus tells the form itself.
    if (!FromHandle(next)) FormFocusChanged(FormOf(wnd_), next);
    Apply(logic_.FocusLost());
}

void TCustomVtPopupButton::OnEnable() {
    glyph_.Invalidate();
    // Disabled, the button holds nothing; a press it held gives the mouse back.
    Apply(logic_.Reconcile(Enabled()).And(PressOutcome::RepaintLater()));
    ReevaluateHover();
}

void TCustomVtPopupButton::OnSetText() { Invalidate(); }

bool TCustomVtPopupButton::LinkAtClientPoint(POINT p, std::string& href) const {
    if (!is_html_ || !html_render_) return false;
    const POINT relative{p.x - text_rect_.left, p.y - text_rect_.top};
    return html_render_->LinkAt(relative, {0, 0}, text_rect_, href);
}

bool TCustomVtPopupButton::PointerOverLink() const {
    std::string href;
    return wnd_ && LinkAtClientPoint(CursorInClient(), href);
}

bool TCustomVtPopupButton::OnSetCursor(HWND target, int hit) {
    if (target != wnd_ || hit != HTCLIENT) return false;
    if (PointerOverLink()) {
        ::SetCursor(GetVtCursor(crVtLink));
        return true;
    }
    if (!cursor_) return false;  // the class's arrow
    ::SetCursor(cursor_);
    return true;
}

void TCustomVtPopupButton::AnnounceGroup() {
    HWND parent = wnd_ ? GetParent(wnd_) : nullptr;
    if (GroupIndex() == 0 || !parent) return;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, kVtGroupMessage, static_cast<WPARAM>(GroupIndex()), reinterpret_cast<LPARAM>(wnd_));
    }
}

void TCustomVtPopupButton::OnGroup(int group_index, HWND sender) {
    if (group_index != GroupIndex() || sender == wnd_) return;
    const TCustomVtPopupButton* other = FromHandle(sender);
    if (!other) return;
    Apply(logic_.GroupPeerAnnounced(other->Down(), other->AllowAllUp()));
}

}  // namespace tv
