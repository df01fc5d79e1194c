#pragma once
// Entry points of system libraries that only a rare action needs (the shell for opening a link,
// the accessibility runtime for a screen reader), bound on first use so that start-up does not
// load them. A library once loaded stays loaded for the rest of the process.
#include <windows.h>

namespace tv {

template <typename Fn>
Fn RuntimeProc(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tv
