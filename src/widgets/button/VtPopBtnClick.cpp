// The popup button's clicks: the click of the whole family, the animated click, and the parts the
// form's dialog machinery plays: modal result, default and cancel buttons, access keys.
#include "widgets/button/FormButtons.h"
#include "widgets/button/VtPopBtn.h"

namespace tv {

void TCustomVtPopupButton::NotifyClick() {
    HWND parent = GetParent(wnd_);
    if (!parent) return;
    const ScopedFlag notifying(notifying_);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd_), BN_CLICKED), reinterpret_cast<LPARAM>(wnd_));
}

void TCustomVtPopupButton::PerformClick(bool arrow) {
    if (popup_clicks_disabled_ || clicks_disabled_) return;
    const Running scope(*this);
    // First the form's modal result, so that the click handler has the last word on it.
    SetFormModalResult();
    if (arrow) {
        if (OnArrowClick) OnArrowClick(*this);
    } else {
        Click();
    }
    // The handler may have closed the window that holds the button.
    if (WindowGone()) return;
    if (!arrow) Invalidate();
    ShowPullDownMenu(arrow);
}

void TCustomVtPopupButton::SetFormModalResult() {
    if (modal_result_ == 0) return;  // a dialog has no result to take back
    if (HWND dialog = EnclosingDialog(wnd_)) EndDialog(dialog, modal_result_);
}

void TCustomVtPopupButton::AnimateClick() {
    const Running scope(*this);
    Apply(logic_.AnimatedPress());
    if (WindowGone()) return;
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD now = GetTickCount();
        if (now < start || now - start >= 25) break;  // also ends when the count wraps
        Sleep(1);
    }
    Apply(logic_.AnimatedRelease());
}

void TCustomVtPopupButton::ClickFromDialog() {
    if (CanFocus()) PerformClick(false);
}

void TCustomVtPopupButton::EscapeToForm() {
    HWND form = FormOf(wnd_);
    if (!form) return;
    // The form's cancel button acts even while another button has the focus; a cancel button
    // that cannot take the focus leaves the form as it is.
    if (TCustomVtPopupButton* cancel = CancelButtonOf(form)) {
        cancel->ClickFromDialog();
        return;
    }
    // No cancel button: the dialog manager's meaning of Escape.
    HWND cancel_control = GetDlgItem(form, IDCANCEL);
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel_control));
}

bool TCustomVtPopupButton::OfferAccessKey(char typed) {
    HWND form = FormOf(wnd_);
    if (!form || typed == '\0') return false;
    return ForEachButton(form, [typed](TCustomVtPopupButton& b) { return b.DialogChar(typed); });
}

void TCustomVtPopupButton::ApplyDefaultStyle(bool on) {
    if (!wnd_) return;
    const LONG_PTR style = GetWindowLongPtrA(wnd_, GWL_STYLE);
    const LONG_PTR wanted = on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((style & BS_TYPEMASK) != wanted) SendMessageA(wnd_, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
}

void TCustomVtPopupButton::FocusMovedTo(HWND focus) {
    const PressOutcome out = logic_.FocusMoved(focus == wnd_);
    const bool focus_on_button = FromHandle(focus) != nullptr;
    ApplyDefaultStyle(logic_.IsActive() || (default_ && !focus_on_button));
    Apply(out);
}

void TCustomVtPopupButton::TellDialogDefault(bool is_default) {
    HWND dialog = EnclosingDialog(wnd_);
    if (!dialog) return;
    const int id = GetDlgCtrlID(wnd_);
    if (is_default) {
        // The dialog manager's Enter goes to its default button.
        SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
        return;
    }
    // No longer the default: the dialog forgets it, if it was the one.
    const LRESULT current = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(current) == DC_HASDEFID && LOWORD(current) == id) SendMessageA(dialog, DM_SETDEFID, 0, 0);
}

}  // namespace tv
