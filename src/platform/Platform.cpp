#include "platform/Platform.h"

#include <windows.h>

namespace tv {

PlatformFamily CurrentPlatform() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    // Deprecated for telling versions apart; the family is all that is asked here.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#elif defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4996)
#endif
    const BOOL known = GetVersionExA(&info);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#elif defined(_MSC_VER)
#pragma warning(pop)
#endif
    if (!known) return PlatformFamily::WindowsNt;
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
