#include "process/Psapi.h"

#include "platform/RuntimeLibrary.h"

namespace tv {

bool PsapiBinding::Load() {
    if (!library_) {
        UniqueModule library(LoadLibraryA(library_name_.c_str()));
        if (!library) return false;  // not loaded: the next call tries again
        enum_processes_ = ProcAddress<EnumProcessesFn>(library.get(), "EnumProcesses");
        enum_process_modules_ = ProcAddress<EnumProcessModulesFn>(library.get(), "EnumProcessModules");
        get_module_base_name_ = ProcAddress<GetModuleBaseNameAFn>(library.get(), "GetModuleBaseNameA");
        // Once loaded the library stays loaded, also when it lacks an entry point.
        library_ = std::move(library);
    }
    // A library without one of the three cannot list processes: it counts as missing.
    return enum_processes_ && enum_process_modules_ && get_module_base_name_;
}

BOOL PsapiBinding::EnumProcesses(DWORD* ids, DWORD bytes, DWORD* bytes_needed) {
    return Load() ? enum_processes_(ids, bytes, bytes_needed) : FALSE;
}

BOOL PsapiBinding::EnumProcessModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytes_needed) {
    return Load() ? enum_process_modules_(process, modules, bytes, bytes_needed) : FALSE;
}

DWORD PsapiBinding::GetModuleBaseNameA(HANDLE process, HMODULE module, char* name, DWORD size) {
    return Load() ? get_module_base_name_(process, module, name, size) : 0;
}

PsapiBinding& Psapi() {
    static PsapiBinding binding;
    return binding;
}

bool LoadPsapi() { return Psapi().Load(); }

}  // namespace tv
