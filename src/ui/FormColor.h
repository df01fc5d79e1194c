#pragma once
// The colour every form's background uses: the system's button face, so that a change of the
// desktop's colours reaches every window.
#include <windows.h>

namespace tv {

inline HBRUSH FormBrush() { return GetSysColorBrush(COLOR_BTNFACE); }

}  // namespace tv
