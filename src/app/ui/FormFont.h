#pragma once
#include <windows.h>

#include "platform/Handles.h"

namespace tv {

// The forms' font: "MS Sans Serif", 8 point (height -11 at 96 dpi), default character set.
UniqueFont CreateFormFont(bool bold = false);

// The colour every form and label background uses.
inline COLORREF FormColor() { return GetSysColor(COLOR_BTNFACE); }
inline HBRUSH FormBrush() { return GetSysColorBrush(COLOR_BTNFACE); }

}  // namespace tv
