#include "process/ToolHelp.h"

namespace tv {

namespace {

template <typename Fn>
Fn Resolve(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool ToolHelpBinding::Load() {
    if (!kernel_) {
        kernel_ = GetModuleHandleA("kernel32.dll");
        if (kernel_) {
            create_snapshot_ = Resolve<CreateSnapshotFn>(kernel_, "CreateToolhelp32Snapshot");
            process_first_ = Resolve<ProcessWalkFn>(kernel_, "Process32First");
            process_next_ = Resolve<ProcessWalkFn>(kernel_, "Process32Next");
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
