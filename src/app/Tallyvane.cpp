// Program entry: the application object, the single-instance guard, the main window and the
// message loop.
#include <windows.h>

#include "app/Application.h"
#include "app/MainFM.h"
#include "app/StartupTrace.h"
#include "app/multinst.h"
#include "platform/ApplicationTitle.h"
#include "ui/Form.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    tv::MarkStartupPhase(tv::StartupPhase::Entry);
    tv::TApplication application(instance);
    const tv::TInstanceGuard guard(application);
    application.SetTitle(tv::kApplicationTitle);
    // A second copy has asked the first to come to the front: it ends quietly, without a window.
    if (application.Terminated()) return 0;

    tv::TMainForm main_form;
    if (!main_form.Create(show_command)) return 1;
    application.SetMainWindow(main_form.Handle());
    MSG msg;
    tv::FirstIdleWatch idle;
    for (;;) {
        idle.BeforeGetMessage();
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        if (main_form.TranslateHistoryKey(msg)) continue;
        // The dialog manager gives the program's windows Tab, arrow and access-key navigation.
        if (tv::IsFormDialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
