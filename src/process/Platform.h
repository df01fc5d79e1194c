#pragma once
#include "process/GameNames.h"

namespace tv {

// The platform identifier the system reports (the NT family where it cannot be read).
PlatformFamily CurrentPlatform();

// The Windows folder and the system folder as the system reports them, without a trailing "\".
std::string WindowsFolder();
std::string SystemFolder();

}  // namespace tv
