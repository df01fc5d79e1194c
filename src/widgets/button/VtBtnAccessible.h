#pragma once
// What accessibility clients see of the button: a standard push button with the caption as its
// name and "Press" as its action. The system's client object supplies everything else.
#include <windows.h>
#include <oleacc.h>

namespace tv {

// The button's accessible object (one reference for the caller).
long CreateButtonAccessible(HWND button, IAccessible** out);
// The answer to WM_GETOBJECT for the client area; 0 when no object could be made or handed over
// (the system's own client object is then the answer).
LRESULT ButtonAccessibleResult(HWND button, WPARAM wp);

}  // namespace tv
