// Program entry: the application title, the main window and the message loop.
#include <windows.h>

#include "app/MainFM.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    tv::TMainForm main_form(instance);
    if (!main_form.Create(show_command)) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The dialog manager gives the main window Tab, arrow and access-key navigation.
        if (main_form.Handle() && IsDialogMessageA(main_form.Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
