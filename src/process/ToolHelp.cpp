#include "process/ToolHelp.h"

#include "platform/RuntimeLibrary.h"

namespace tv {

bool ToolHelpBinding::Load() {
    if (!kernel_) {
        kernel_ = GetModuleHandleA("kernel32.dll");
        if (kernel_) {
            create_snapshot_ = ProcAddress<CreateSnapshotFn>(kernel_, "CreateToolhelp32Snapshot");
            process_first_ = ProcAddress<ProcessWalkFn>(kernel_, "Process32First");
            process_next_ = ProcAddress<ProcessWalkFn>(kernel_, "Process32Next");
        }
    }
    return kernel_ && create_snapshot_ && process_first_ && process_next_;
}

HANDLE ToolHelpBinding::CreateToolhelp32Snapshot(DWORD flags, DWORD process_id) {
    return Load() ? create_snapshot_(flags, process_id) : nullptr;
}

BOOL ToolHelpBinding::Process32First(HANDLE snapshot, PROCESSENTRY32* entry) {
    return Load() ? process_first_(snapshot, entry) : FALSE;
}

BOOL ToolHelpBinding::Process32Next(HANDLE snapshot, PROCESSENTRY32* entry) {
    return Load() ? process_next_(snapshot, entry) : FALSE;
}

ToolHelpBinding& ToolHelp() {
    static ToolHelpBinding binding;
    return binding;
}

bool LoadToolHelp() { return ToolHelp().Load(); }

}  // namespace tv
