#pragma once
// Message boxes and other small dialogs of the program under test, found and worked from outside.
#include <windows.h>

#include <string>

namespace tv::e2e {

// A visible top-level window of the process with this caption (a message box: "Information", ...).
HWND FindDialog(DWORD pid, const std::string& caption, int timeout_ms = 5000);
// The message: the text of the first STATIC child that has any.
std::string DialogMessage(HWND dialog);
// Presses the child button with this window text (BM_CLICK); false when there is none.
bool PressDialogButton(HWND dialog, const std::string& button_text);

// The process that owns a window.
DWORD WindowProcess(HWND wnd);
// Ends a process that the test did not start itself (by id); true when it has ended.
bool KillProcess(DWORD pid);
// The id of the process owning a visible top-level window with this title, anywhere; 0 if none.
DWORD FindProcessByWindowTitle(const std::string& title, int timeout_ms = 5000);

}  // namespace tv::e2e
