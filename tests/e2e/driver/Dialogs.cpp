#include "e2e/driver/Dialogs.h"

#include "e2e/driver/Driver.h"

namespace tv::e2e {

HWND FindDialog(DWORD pid, const std::string& caption, int timeout_ms) {
    return FindTopWindow(pid, caption, timeout_ms);
}

namespace {

bool IsStatic(HWND wnd) { return _stricmp(ClassName(wnd).c_str(), "Static") == 0; }

bool IsIconStatic(HWND wnd) {
    const LONG type = GetWindowLongA(wnd, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP;
}

}  // namespace

std::string MessageText(HWND box) {
    for (HWND c : Children(box)) {
        if (!IsStatic(c) || IsIconStatic(c)) continue;
        std::string text = WindowText(c);
        if (!text.empty()) return text;
    }
    return {};
}

HWND MessageIcon(HWND box) {
    for (HWND c : Children(box))
        if (IsStatic(c) && IsIconStatic(c)) return c;
    return nullptr;
}

std::vector<DialogButton> DialogButtons(HWND box) {
    std::vector<DialogButton> buttons;
    for (HWND c : Children(box)) {
        if (IsStatic(c)) continue;
        const LRESULT code = SendMessageA(c, WM_GETDLGCODE, 0, 0);
        if (!(code & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) continue;
        buttons.push_back({c, GetDlgCtrlID(c), WindowText(c)});
    }
    return buttons;
}

int DefaultButtonId(HWND box) {
    const LRESULT r = SendMessageA(box, DM_GETDEFID, 0, 0);
    return HIWORD(r) == DC_HASDEFID ? LOWORD(r) : 0;
}

bool PressDialogButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    if (!button) return false;
    ClickButton(button);
    return true;
}

bool PressDialogButton(HWND box, const std::string& button_text) {
    for (HWND child : Children(box)) {
        if (WindowText(child) == button_text && IsWindowEnabled(child)) {
            ClickButton(child);
            return true;
        }
    }
    return false;
}

bool Answer(HWND box, const std::string& button_text) {
    return PressDialogButton(box, button_text) && WaitForWindowGone(box);
}

DWORD WindowProcess(HWND wnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    return pid;
}

DWORD FindProcessByWindowTitle(const std::string& title, int timeout_ms) {
    const HWND wnd = FindTopWindow(0, title, timeout_ms);
    return wnd ? WindowProcess(wnd) : 0;
}

}  // namespace tv::e2e
