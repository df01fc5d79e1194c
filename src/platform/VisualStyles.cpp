#include "platform/VisualStyles.h"

#include <string>

#include "platform/Handles.h"
#include "platform/ProgramFolder.h"

namespace tv {

namespace {

UniqueActCtx CreateVisualStyleContext() {
    const std::string source = ExecutablePath();
    ACTCTXA request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = GetModuleHandleA(nullptr);
    request.lpSource = source.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(kVisualStyleManifestId);
    return UniqueActCtx(CreateActCtxA(&request));
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
