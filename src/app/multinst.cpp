#include "app/multinst.h"

#include "app/InstanceName.h"
#include "platform/ProgramFolder.h"

namespace tv {

TInstanceGuard::TInstanceGuard(TApplication& application) : application_(application) {
    InstanceName = InstanceNameFromPath(ExecutablePath());
    ActivateMessage = RegisterWindowMessageA(InstanceName.c_str());
    // Created in one step: of two copies started together exactly one creates the mutex, so they
    // cannot both miss each other the way an open-then-create sequence can.
    SetLastError(ERROR_SUCCESS);
    InstanceMutex.reset(CreateMutexA(nullptr, FALSE, InstanceName.c_str()));
    const bool second_copy = InstanceMutex && GetLastError() == ERROR_ALREADY_EXISTS;
    if (second_copy) {
        application.SetShowMainForm(false);
        // Let the first copy take the foreground, which this newly started process may give away.
        AllowSetForegroundWindow(ASFW_ANY);
        if (ActivateMessage) PostMessageA(HWND_BROADCAST, ActivateMessage, 0, 0);
        application.Terminate();
        application.ProcessMessages();
        return;
    }
    // Without the replacement procedure this copy merely stays where it is when asked to show.
    if (!application.Handle() || !ActivateMessage) return;
    ActivationWndProc.emplace(application.Handle(), *this);
}

LRESULT TInstanceGuard::HandleSubclassMessage(const Subclass<TInstanceGuard>& previous, HWND wnd, UINT msg, WPARAM wp,
                                              LPARAM lp) {
    if (msg != ActivateMessage) return previous.CallPrevious(wnd, msg, wp, lp);
    ActivateApplication();
    return 0;
}

void TInstanceGuard::ActivateApplication() {
    const HWND main = application_.MainWindow();
    if (!main) return;
    if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
    // A modal box open over the main window is what the user must see first.
    const HWND front = GetLastActivePopup(main);
    BringWindowToTop(front);
    SetForegroundWindow(front);
}

}  // namespace tv
