#pragma once
// The cursor shown over links in markup captions.
#include <windows.h>

namespace tv {

inline constexpr int crVtLink = 1458;  // the link cursor's number

// The program's cursor of that number: crVtLink is the "URLCURSOR" resource (the system's
// hand when the resource is missing); other numbers give null.
HCURSOR GetVtCursor(int number);

}  // namespace tv
