#pragma once
// What the system says about itself: its family, and the folders where it keeps its programs.
#include <cstdint>
#include <string>

namespace tv {

// Platform identifiers as the system reports them.
enum class PlatformFamily : std::uint32_t { Win32s = 0, Windows9x = 1, WindowsNt = 2 };

// The platform identifier the system reports (the NT family where it cannot be read).
PlatformFamily CurrentPlatform();

// The Windows folder and the system folder as the system reports them, without a trailing "\".
std::string WindowsFolder();
std::string SystemFolder();

}  // namespace tv
