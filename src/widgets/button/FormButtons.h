#pragma once
// The push buttons of a form, as the form and the buttons themselves find them, and what the
// program's forms pass on to their buttons.
#include <windows.h>

#include <functional>

#include "widgets/button/VtPopBtn.h"

namespace tv {

// The top-level window a control sits in.
HWND FormOf(HWND control);
// The nearest dialog among the windows a control sits in, or none.
HWND EnclosingDialog(HWND control);
// Visits every popup button among the form's windows, in window order, until visit returns true;
// true when one did.
bool ForEachButton(HWND form, const std::function<bool(TCustomVtPopupButton&)>& visit);
// The form's cancel button (Cancel set), or none.
TCustomVtPopupButton* CancelButtonOf(HWND form);
// The focus-changed notification of the form: every button re-evaluates whether it is the active
// one (the one with the focus) and the default look follows.
void FormFocusChanged(HWND form, HWND focus);

// A change of the system colours reaches only top-level windows: the form passes it on to every
// push button it holds, so that their cached glyph images follow.
void ForwardSysColorChange(HWND form);

// The dialog manager turns Enter and Escape into command messages to the dialog that name the
// default button, the IDOK or the IDCANCEL control. Called first for a dialog's WM_COMMAND: true
// when the command was such a request for one of the popup buttons, which then gave it its own
// click (ModalResult and action included) or, unable to take the focus, nothing; the dialog does
// nothing more with it. Escape goes to the form's cancel button when it has one.
bool RouteDialogCommand(HWND dialog, WPARAM wp, LPARAM lp);

}  // namespace tv
