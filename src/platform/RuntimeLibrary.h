#pragma once
// Entry points of system libraries that only a rare action needs (the shell for opening a link,
// the accessibility runtime for a screen reader), bound on first use so that start-up does not
// load them. A library once loaded stays loaded for the rest of the process.
#include <windows.h>

namespace tv {

// An entry point of a loaded module as a typed function pointer; null when it is missing.
template <typename Fn>
Fn ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

template <typename Fn>
Fn RuntimeProc(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryA(library);
    return module ? ProcAddress<Fn>(module, name) : nullptr;
}

}  // namespace tv
