#include "widgets/button/DisabledLook.h"

namespace tv {

namespace {

// The dialog manager's window class.
constexpr ULONG_PTR kDialogClassAtom = 32770;

// A window that takes (or is about to take) the user's input in the form's place: enabled, no
// tooltip or other window that never becomes active, and shown, or a dialog, which the dialog
// manager shows only when its modal loop first goes idle, after the form's pending paints.
bool TakesInput(HWND wnd) {
    const LONG_PTR ex_style = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
    if (!IsWindowEnabled(wnd) || (ex_style & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE))) return false;
    return IsWindowVisible(wnd) || GetClassLongPtrA(wnd, GCW_ATOM) == kDialogClassAtom;
}

// The form is held by a modal window: the system disabled the form while that window takes the
// input. It is one the form owns, or one that window owns in turn (a box over a dialog), or a
// task-modal box of no owner, which disables every window of its thread.
bool HeldByModalWindow(HWND form) {
    struct Search {
        HWND form;
        bool found = false;
    } search{form};
    EnumThreadWindows(
        GetWindowThreadProcessId(form, nullptr),
        [](HWND wnd, LPARAM lp) {
            auto& s = *reinterpret_cast<Search*>(lp);
            const HWND owner = GetWindow(wnd, GW_OWNER);
            if (wnd == s.form) return TRUE;
            if (owner == s.form) {
                s.found = TakesInput(wnd) || (IsWindowVisible(wnd) && !IsWindowEnabled(wnd) && HeldByModalWindow(wnd));
            } else if (!owner) {
                s.found = TakesInput(wnd);
            }
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

bool ShowsDisabledLook(HWND control) {
    HWND wnd = control;
    for (; wnd && (GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD); wnd = GetParent(wnd)) {
        if (!IsWindowEnabled(wnd)) return true;
    }
    // The form: disabled by the program, or only while a modal window of its own is open.
    return wnd && !IsWindowEnabled(wnd) && !HeldByModalWindow(wnd);
}

}  // namespace tv
