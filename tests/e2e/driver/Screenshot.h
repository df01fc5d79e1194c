#pragma once
#include <windows.h>

#include <string>

namespace tv::e2e {

// The folder where tests keep their screenshots (created on demand), with trailing "\".
std::string ArtifactsFolder();
// Saves what the screen shows of a window (frame included) as a 24-bit BMP file.
bool SaveWindowScreenshot(HWND wnd, const std::string& file_name);

}  // namespace tv::e2e
