#include "process/Toolz.h"

#include <string>
#include <vector>

#include "platform/Handles.h"
#include "platform/Platform.h"
#include "process/GameNames.h"
#include "process/ProcessIds.h"

namespace tv {

namespace {

constexpr DWORD kQueryRights = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
constexpr DWORD kNameBufferSize = 301;

std::optional<std::string> ExecutableBaseName(PsapiBinding& psapi, HANDLE process) {
    HMODULE first_module = nullptr;  // the first module of a process is its executable
    DWORD needed = 0;
    if (!psapi.EnumProcessModules(process, &first_module, sizeof(first_module), &needed) || !first_module)
        return std::nullopt;
    char name[kNameBufferSize] = {};
    if (!psapi.GetModuleBaseNameA(process, first_module, name, kNameBufferSize)) return std::nullopt;
    return std::string(name);
}

bool LocaleNameEquals(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

}  // namespace

void ListWithPsapi(PsapiBinding& psapi, ProcessList& list) {
    list.clear();
    // Today's systems often run more than 1024 processes: take them all.
    const std::vector<std::uint32_t> ids =
        EnumerateAllIds([&psapi](std::uint32_t* buffer, std::uint32_t bytes, std::uint32_t& written) {
            DWORD returned = 0;
            if (!psapi.EnumProcesses(reinterpret_cast<DWORD*>(buffer), bytes, &returned)) return false;
            written = returned;
            return true;
        });
    for (const std::uint32_t id : ids) {
        // Other users' and protected processes refuse these rights; they are left out.
        UniqueHandle process(OpenProcess(kQueryRights, FALSE, id));
        if (!process) continue;
        if (auto name = ExecutableBaseName(psapi, process.get())) list.push_back({std::move(*name), id});
    }
}

void ListWithToolHelp(ToolHelpBinding& tool_help, ProcessList& list) {
    list.clear();
    HANDLE raw = tool_help.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (!raw || raw == INVALID_HANDLE_VALUE) return;
    UniqueHandle snapshot(raw);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = tool_help.Process32First(snapshot.get(), &entry); more;
         more = tool_help.Process32Next(snapshot.get(), &entry)) {
        entry.szExeFile[MAX_PATH - 1] = '\0';
        list.push_back({entry.szExeFile, entry.th32ProcessID});
    }
}

void GetProcessList(ProcessList& list) {
    list.clear();
    switch (CurrentPlatform()) {
        case PlatformFamily::WindowsNt:
            ListWithPsapi(Psapi(), list);
            break;
        case PlatformFamily::Windows9x:
            ListWithToolHelp(ToolHelp(), list);
            break;
        default:
            break;
    }
}

std::optional<std::uint32_t> FindFreeCellIn(const ProcessList& list) {
    const PlatformFamily family = CurrentPlatform();
    std::string name = GameSearchName(family, family == PlatformFamily::Windows9x ? WindowsFolder() : "");
    if (family == PlatformFamily::Windows9x && !name.empty())
        CharUpperBuffA(name.data(), static_cast<DWORD>(name.size()));
    return FindFirstNamed(list, name, LocaleNameEquals);
}

std::optional<std::uint32_t> FindFreeCell() {
    ProcessList list;
    GetProcessList(list);
    return FindFreeCellIn(list);
}

bool CloseFreeCell(HWND main_window) {
    const auto id = FindFreeCell();
    if (!id) return false;
    // The exit code is read first so that the game ends with STILL_ACTIVE; reading it needs the
    // query right as well, and without it the code would be whatever the variable held.
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, *id));
    if (!process) process.reset(OpenProcess(PROCESS_TERMINATE, FALSE, *id));
    bool terminated = false;
    if (process) {
        DWORD exit_code = STILL_ACTIVE;
        if (!GetExitCodeProcess(process.get(), &exit_code)) exit_code = STILL_ACTIVE;
        terminated = TerminateProcess(process.get(), exit_code) != 0;
    }
    if (CurrentPlatform() == PlatformFamily::Windows9x && main_window) {
        // The 9x shell leaves a stale picture of the ended game over the window: nudge it.
        RECT r{};
        GetWindowRect(main_window, &r);
        SetWindowPos(main_window, nullptr, r.left + 1, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(main_window, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return terminated;
}

}  // namespace tv
