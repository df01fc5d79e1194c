#include "app/multinst.h"

#include "app/InstanceName.h"
#include "platform/ProgramFolder.h"

namespace tv {

namespace {

constexpr const char* kGuardProperty = "TvInstanceGuard";

}  // namespace

TInstanceGuard::TInstanceGuard(TApplication& application) : application_window_(application.Handle()) {
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
    if (!application_window_ || !ActivateMessage) return;
    SetPropA(application_window_, kGuardProperty, this);
    PreviousWndProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        application_window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TInstanceGuard::ActivationWndProc)));
    if (!PreviousWndProc) RemovePropA(application_window_, kGuardProperty);
}

TInstanceGuard::~TInstanceGuard() {
    if (!PreviousWndProc) return;
    SetWindowLongPtrA(application_window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousWndProc));
    RemovePropA(application_window_, kGuardProperty);
}

LRESULT CALLBACK TInstanceGuard::ActivationWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* guard = static_cast<TInstanceGuard*>(GetPropA(wnd, kGuardProperty));
    if (!guard) return DefWindowProcA(wnd, msg, wp, lp);
    if (msg != guard->ActivateMessage) return CallWindowProcA(guard->PreviousWndProc, wnd, msg, wp, lp);
    guard->ActivateApplication();
    return 0;
}

void TInstanceGuard::ActivateApplication() {
    const HWND main = ApplicationMainWindow(application_window_);
    if (!main) return;
    if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
    // A modal box open over the main window is what the user must see first.
    const HWND front = GetLastActivePopup(main);
    BringWindowToTop(front);
    SetForegroundWindow(front);
}

}  // namespace tv
