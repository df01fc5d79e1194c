#pragma once
// What accessibility clients see of the button: a standard push button with the caption as its
// name and "Press" as its action. The system's client object supplies everything else.
#include <windows.h>
#include <oleacc.h>

#include "platform/Handles.h"

namespace tv {

// The button's accessible object, or none when the platform's client object cannot be made.
UniqueCom<IAccessible> CreateButtonAccessible(HWND button);
// The answer to WM_GETOBJECT for the client area; 0 when no object could be made or handed over
// (the system's own client object is then the answer).
LRESULT ButtonAccessibleResult(HWND button, WPARAM wp);

}  // namespace tv
