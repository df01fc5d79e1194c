#pragma once
#include <windows.h>

namespace tv {

// Sent (never posted) by the change monitor for each reported change of the watched key:
// wParam the root key, lParam the key path text.
inline constexpr UINT WM_REGMONITORCHANGE = WM_USER + 1973;  // 0x0BB5

}  // namespace tv
