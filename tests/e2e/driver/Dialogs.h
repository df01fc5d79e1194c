#pragma once
// Dialog boxes of the program seen from outside: the Message box, the General error box and any
// other dialog, found by caption and read and answered as automation would.
#include <windows.h>

#include <string>
#include <vector>

namespace tv::e2e {

// A visible top-level window of a process by exact caption (a message box: "Information", "Confirm",
// ...; the General error box: "Tallyvane"); nullptr on time-out.
HWND FindDialog(DWORD pid, const std::string& caption, int timeout_ms = 5000);

// The message of a message box: the text of its first text label (not an icon) that has any.
std::string MessageText(HWND box);
// The icon label of a message box, or nullptr.
HWND MessageIcon(HWND box);

struct DialogButton {
    HWND wnd;
    int id;
    std::string caption;
};
// The dialog's push buttons, in creation order.
std::vector<DialogButton> DialogButtons(HWND box);
// The id the dialog gives Enter (DM_GETDEFID), or 0.
int DefaultButtonId(HWND box);
// Clicks the button with that id as automation does (BM_CLICK); false when there is none.
bool PressDialogButton(HWND box, int id);
// Clicks the enabled child button with this window text ("&Yes", "OK" ...); false when there is none.
bool PressDialogButton(HWND box, const std::string& button_text);
// Presses a button of a box and waits until the box has gone.
bool Answer(HWND box, const std::string& button_text);

// The process that owns a window.
DWORD WindowProcess(HWND wnd);
// The id of the process owning a visible top-level window with this title, anywhere; 0 if none.
DWORD FindProcessByWindowTitle(const std::string& title, int timeout_ms = 5000);

}  // namespace tv::e2e
