#pragma once
// The common controls of version 6, which draw the system's standard controls in the visual style,
// for the windows that hold such controls besides labels: the restore dialog's list, the input
// prompt's field, the tooltips and the General error box. The program's own manifest leaves them
// out on purpose: under it the main window's first "STATIC" label would load the library, and
// loading it (it registers all its classes) costs every start 9 to 10 ms under Wine, for labels
// that look the same either way. The dependency is a manifest of its own instead
// (resource kVisualStyleManifestId), activated only around the windows that need it.
#include <windows.h>

namespace tv {

// The manifest resource that names the common controls of version 6: the isolation-aware one.
inline constexpr WORD kVisualStyleManifestId = 2;  // ISOLATIONAWARE_MANIFEST_RESOURCE_ID

// While it lives, windows created on this thread get the standard controls in the visual style.
// Without the manifest resource (a test program, say) it does nothing: the controls stay classic.
class VisualStyleScope {
public:
    VisualStyleScope();
    ~VisualStyleScope();
    VisualStyleScope(const VisualStyleScope&) = delete;
    VisualStyleScope& operator=(const VisualStyleScope&) = delete;

    bool Active() const { return active_; }

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

// The common-controls library the program uses throughout, loaded on first use in the visual-style
// scope: one version per process, so that an image list made by one is drawn by the same. Null
// when it cannot be loaded.
HMODULE CommonControlsModule();

}  // namespace tv
