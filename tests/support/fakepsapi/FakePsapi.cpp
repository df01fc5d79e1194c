// Test replacements of PSAPI.dll. The full one passes the calls on to the system but puts a number
// of ids of processes that do not exist in front of the real ones, as on a machine running more
// processes than a fixed buffer holds. The partial one lacks GetModuleBaseNameA.
#include <windows.h>

#include <vector>

namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleBaseNameAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

DWORD padding_count = 0;
// Far above any id the system hands out, so that opening them fails.
constexpr DWORD kFirstMissingId = 0x7FF00000;

template <typename Fn>
Fn System(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

}  // namespace

extern "C" {

__declspec(dllexport) void WINAPI FakePsapiSetPadding(DWORD count) { padding_count = count; }

__declspec(dllexport) BOOL WINAPI EnumProcesses(DWORD* ids, DWORD bytes, DWORD* bytes_returned) {
    std::vector<DWORD> real(65536);
    DWORD real_bytes = 0;
    if (!System<EnumProcessesFn>("K32EnumProcesses")(real.data(), static_cast<DWORD>(real.size() * sizeof(DWORD)),
                                                     &real_bytes))
        return FALSE;
    real.resize(real_bytes / sizeof(DWORD));
    std::vector<DWORD> all;
    for (DWORD i = 0; i < padding_count; ++i) all.push_back(kFirstMissingId + 4 * i);
    all.insert(all.end(), real.begin(), real.end());
    const DWORD room = bytes / sizeof(DWORD);
    DWORD count = 0;
    for (; count < room && count < all.size(); ++count) ids[count] = all[count];
    *bytes_returned = count * sizeof(DWORD);
    return TRUE;
}

__declspec(dllexport) BOOL WINAPI EnumProcessModules(HANDLE process, HMODULE* modules, DWORD bytes, DWORD* needed) {
    return System<EnumProcessModulesFn>("K32EnumProcessModules")(process, modules, bytes, needed);
}

#ifndef TV_FAKE_PSAPI_PARTIAL
__declspec(dllexport) DWORD WINAPI GetModuleBaseNameA(HANDLE process, HMODULE module, LPSTR name, DWORD size) {
    return System<GetModuleBaseNameAFn>("K32GetModuleBaseNameA")(process, module, name, size);
}
#endif

}  // extern "C"
