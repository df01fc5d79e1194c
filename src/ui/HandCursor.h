#pragma once
// The hand-point cursor that the program's links show.
#include <windows.h>

namespace tv {

// The cursor installed as the hand-point cursor; the arrow until a hand is installed.
HCURSOR HandPointCursor();

// Installs the system's hand cursor (IDC_HAND) where the system has one; otherwise nothing changes.
void InstallSystemHandCursor();

}  // namespace tv
