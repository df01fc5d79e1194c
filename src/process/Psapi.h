#pragma once
// PSAPI.dll, bound at run time by name so that the program starts where it is missing.
#include <windows.h>

#include <string>

#include "platform/Handles.h"

namespace tv {

class PsapiBinding {
public:
    explicit PsapiBinding(std::string library_name = "PSAPI.dll") : library_name_(std::move(library_name)) {}

    // True when the library is loaded with the three entry points the finder uses; loads it on the
    // first call. A failed load is tried again on the next call; a loaded library stays loaded.
    bool Load();

    // Each returns 0 without calling anything when Load fails.
    BOOL EnumProcesses(DWORD* ids, DWORD bytes, DWORD* bytes_needed);
    BOOL EnumProcessModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* bytes_needed);
    DWORD GetModuleBaseNameA(HANDLE process, HMODULE module, char* name, DWORD size);

private:
    using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
    using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
    using GetModuleBaseNameAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

    std::string library_name_;
    UniqueModule library_;
    EnumProcessesFn enum_processes_ = nullptr;
    EnumProcessModulesFn enum_process_modules_ = nullptr;
    GetModuleBaseNameAFn get_module_base_name_ = nullptr;
};

// The process-wide binding of the system's PSAPI.dll; once loaded it stays loaded.
PsapiBinding& Psapi();
bool LoadPsapi();

}  // namespace tv
