#include "process/Platform.h"

#include <windows.h>

namespace tv {

PlatformFamily CurrentPlatform() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return PlatformFamily::WindowsNt;
#pragma GCC diagnostic pop
    return static_cast<PlatformFamily>(info.dwPlatformId);
}

std::string WindowsFolder() {
    char buffer[MAX_PATH + 1] = {};
    GetWindowsDirectoryA(buffer, sizeof(buffer));
    return buffer;
}

std::string SystemFolder() {
    char buffer[MAX_PATH + 1] = {};
    GetSystemDirectoryA(buffer, sizeof(buffer));
    return buffer;
}

}  // namespace tv
