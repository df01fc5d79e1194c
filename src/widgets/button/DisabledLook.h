#pragma once
// Whether a control is to show the disabled look: the program disabled it, a window between it and
// its form (a panel), or the form itself. A modal window disables its owner form too, but the
// system's own buttons keep their look under a message box, and so does this control.
#include <windows.h>

namespace tv {

bool ShowsDisabledLook(HWND control);

}  // namespace tv
