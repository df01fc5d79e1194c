#include "e2e/driver/Dialogs.h"

#include "e2e/driver/Driver.h"

namespace tv::e2e {

HWND FindDialog(DWORD pid, const std::string& caption, int timeout_ms) { return FindTopWindow(pid, caption, timeout_ms); }

std::string DialogMessage(HWND dialog) {
    for (HWND child : Children(dialog)) {
        if (lstrcmpiA(ClassName(child).c_str(), "Static") != 0) continue;
        const std::string text = WindowText(child);
        if (!text.empty()) return text;
    }
    return {};
}

bool PressDialogButton(HWND dialog, const std::string& button_text) {
    for (HWND child : Children(dialog)) {
        if (WindowText(child) == button_text) {
            ClickButton(child);
            return true;
        }
    }
    return false;
}

DWORD WindowProcess(HWND wnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    return pid;
}

bool KillProcess(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return false;
    TerminateProcess(process, 1);
    const bool ended = WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

DWORD FindProcessByWindowTitle(const std::string& title, int timeout_ms) {
    const HWND wnd = FindTopWindow(0, title, timeout_ms);
    return wnd ? WindowProcess(wnd) : 0;
}

}  // namespace tv::e2e
