#include "platform/VisualStyles.h"

#include <string>

#include "platform/Handles.h"

namespace tv {

namespace {

std::wstring ProgramPath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

UniqueActCtx CreateVisualStyleContext() {
    HMODULE program = GetModuleHandleW(nullptr);
    const std::wstring source = ProgramPath(program);
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = program;
    request.lpSource = source.empty() ? nullptr : source.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(kVisualStyleManifestId);
    return UniqueActCtx(CreateActCtxW(&request));
}

// Made once and kept: every scope activates the same context.
HANDLE VisualStyleContext() {
    static const UniqueActCtx context = CreateVisualStyleContext();
    return context.get();
}

}  // namespace

VisualStyleScope::VisualStyleScope() {
    HANDLE context = VisualStyleContext();
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

VisualStyleScope::~VisualStyleScope() {
    if (active_) DeactivateActCtx(0, cookie_);
}

HMODULE CommonControlsModule() {
    static const HMODULE module = [] {
        const VisualStyleScope scope;
        return LoadLibraryW(L"comctl32.dll");
    }();
    return module;
}

}  // namespace tv
