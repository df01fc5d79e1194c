#include "widgets/button/FormButtons.h"

namespace tv {

namespace {

bool IsDialog(HWND wnd) {
    char name[16] = {};
    GetClassNameA(wnd, name, sizeof(name));
    return lstrcmpA(name, "#32770") == 0;
}

}  // namespace

HWND FormOf(HWND control) { return control ? GetAncestor(control, GA_ROOT) : nullptr; }

HWND EnclosingDialog(HWND control) {
    for (HWND w = control ? GetParent(control) : nullptr; w; w = GetParent(w)) {
        if (IsDialog(w)) return w;
        if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD)) break;  // past the form: no dialog
    }
    return nullptr;
}

bool ForEachButton(HWND form, const std::function<bool(TCustomVtPopupButton&)>& visit) {
    struct Search {
        const std::function<bool(TCustomVtPopupButton&)>& visit;
        bool done = false;
    } search{visit};
    EnumChildWindows(
        form,
        [](HWND child, LPARAM lp) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lp);
            TCustomVtPopupButton* button = TCustomVtPopupButton::FromHandle(child);
            if (button && s.visit(*button)) s.done = true;
            return !s.done;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.done;
}

TCustomVtPopupButton* CancelButtonOf(HWND form) {
    TCustomVtPopupButton* found = nullptr;
    ForEachButton(form, [&](TCustomVtPopupButton& b) {
        if (b.Cancel()) found = &b;
        return found != nullptr;
    });
    return found;
}

void FormFocusChanged(HWND form, HWND focus) {
    ForEachButton(form, [focus](TCustomVtPopupButton& b) {
        b.FocusMovedTo(focus);
        return false;
    });
}

void ForwardSysColorChange(HWND form) {
    ForEachButton(form, [](TCustomVtPopupButton& b) {
        SendMessageA(b.Handle(), WM_SYSCOLORCHANGE, 0, 0);
        return false;
    });
}

bool RouteDialogCommand(HWND dialog, WPARAM wp, LPARAM lp) {
    if (HIWORD(wp) != BN_CLICKED) return false;
    TCustomVtPopupButton* named = TCustomVtPopupButton::FromHandle(reinterpret_cast<HWND>(lp));
    if (named && named->Notifying()) return false;  // the button's own click notification
    if (LOWORD(wp) == IDCANCEL) {
        if (TCustomVtPopupButton* cancel = CancelButtonOf(dialog)) {
            cancel->ClickFromDialog();
            return true;
        }
    }
    if (!named) return false;
    named->ClickFromDialog();
    return true;
}

}  // namespace tv
