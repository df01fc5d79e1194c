#pragma once
// Putting text on the clipboard (Win32).
#include <windows.h>

#include <string>

namespace tv {

// Text (in the ANSI code page) as the clipboard's Unicode text, the clipboard opened for owner;
// false when the clipboard cannot be had or the text not stored.
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace tv
