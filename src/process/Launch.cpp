#include "process/Launch.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/Platform.h"
#include "platform/RuntimeLibrary.h"
#include "process/GameNames.h"
#include "process/Toolz.h"

namespace tv {

namespace {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string GameFolder() {
    switch (CurrentPlatform()) {
        case PlatformFamily::WindowsNt:
            return SystemFolder();
        case PlatformFamily::Windows9x:
            return WindowsFolder();
        default:
            return {};
    }
}

LaunchResult LaunchFreeCell() {
    if (FindFreeCell()) return {LaunchOutcome::AlreadyRunning, {}};
    const std::string folder = GameFolder();
    const std::string path = GamePathIn(folder);
    if (!FileExists(path)) return {LaunchOutcome::NotFound, folder};
    // A start the system refuses shows nothing, as the shell reports its own failures.
    if (const auto shell_execute = RuntimeProc<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA"))
        shell_execute(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return {LaunchOutcome::Started, folder};
}

}  // namespace tv
