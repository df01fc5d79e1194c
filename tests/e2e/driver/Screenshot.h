#pragma once
#include <windows.h>

#include <string>

namespace tv::e2e {

// Saves what the screen shows of a window (frame included) as a 24-bit BMP file in the artifacts
// folder (support/system/Folders.h).
bool SaveWindowScreenshot(HWND wnd, const std::string& file_name);

}  // namespace tv::e2e
