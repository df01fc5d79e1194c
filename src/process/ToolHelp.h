#pragma once
// The ToolHelp snapshot functions of kernel32.dll, bound at run time by name.
#include <windows.h>
#include <tlhelp32.h>

namespace tv {

class ToolHelpBinding {
public:
    // True when kernel32.dll exports the snapshot functions the finder uses; resolved on first call.
    bool Load();

    // Each returns 0 (a null handle) without calling anything when Load fails.
    HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD process_id);
    BOOL Process32First(HANDLE snapshot, PROCESSENTRY32* entry);
    BOOL Process32Next(HANDLE snapshot, PROCESSENTRY32* entry);

private:
    using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

    HMODULE kernel_ = nullptr;  // kernel32 is never unloaded; nothing to release
    CreateSnapshotFn create_snapshot_ = nullptr;
    ProcessWalkFn process_first_ = nullptr;
    ProcessWalkFn process_next_ = nullptr;
};

// The process-wide binding.
ToolHelpBinding& ToolHelp();
bool LoadToolHelp();

}  // namespace tv
