#pragma once
// A window's text in the program's 8-bit code page, whole whatever its length.
#include <windows.h>

#include <string>

namespace tv {

std::string WindowText(HWND wnd);

}  // namespace tv
