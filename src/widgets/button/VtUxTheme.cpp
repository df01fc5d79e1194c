#include "widgets/button/VtUxTheme.h"

#include "platform/RuntimeLibrary.h"

namespace tv {

namespace {

// The module state of the binding: one per process, as the library itself is.
struct ThemeBinding {
    HMODULE ThemeLibrary = nullptr;
    bool ThemesAvailable = false;
    bool ThemeBindingDone = false;
    VtUxTheme entries;
};

ThemeBinding& Binding() {
    static ThemeBinding binding;
    return binding;
}

template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& slot) {
    slot = ProcAddress<Fn>(module, name);
}

bool IsVersionAtLeast51() {
    // GetVersion is enough here: the answer only has to be "5.1 or later" on the NT family.
    const DWORD version = GetVersion();
    if (version & 0x80000000u) return false;  // not the NT family
    const DWORD major = LOBYTE(LOWORD(version));
    const DWORD minor = HIBYTE(LOWORD(version));
    return major > 5 || (major == 5 && minor >= 1);
}

}  // namespace

const VtUxTheme& UxTheme() { return Binding().entries; }

bool ThemesAvailable() { return Binding().ThemesAvailable; }

void BindThemeLibrary() {
    ThemeBinding& b = Binding();
    if (b.ThemeBindingDone) return;
    if (!IsVersionAtLeast51()) return;
    const UINT old_mode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    b.ThemeLibrary = LoadLibraryA("uxtheme.dll");
    SetErrorMode(old_mode);
    if (!b.ThemeLibrary) return;
    VtUxTheme& e = b.entries;
    Resolve(b.ThemeLibrary, "IsThemeActive", e.IsThemeActive);
    Resolve(b.ThemeLibrary, "OpenThemeData", e.OpenThemeData);
    Resolve(b.ThemeLibrary, "CloseThemeData", e.CloseThemeData);
    Resolve(b.ThemeLibrary, "DrawThemeBackground", e.DrawThemeBackground);
    Resolve(b.ThemeLibrary, "DrawThemeText", e.DrawThemeText);
    Resolve(b.ThemeLibrary, "GetThemePartSize", e.GetThemePartSize);
    Resolve(b.ThemeLibrary, "GetThemeTextExtent", e.GetThemeTextExtent);
    Resolve(b.ThemeLibrary, "DrawThemeEdge", e.DrawThemeEdge);
    Resolve(b.ThemeLibrary, "GetThemeSysSize", e.GetThemeSysSize);
    Resolve(b.ThemeLibrary, "OpenThemeDataForDpi", e.OpenThemeDataForDpi);
    b.ThemesAvailable = true;
    b.ThemeBindingDone = true;
}

void ReleaseThemeLibrary() {
    ThemeBinding& b = Binding();
    if (b.ThemeBindingDone && b.ThemeLibrary) {
        b.entries = VtUxTheme{};
        FreeLibrary(b.ThemeLibrary);
        b.ThemeLibrary = nullptr;
    }
    b.ThemesAvailable = false;
    b.ThemeBindingDone = false;
}

void CloseThemeHandleOf(HTHEME theme) {
    const VtUxTheme& t = UxTheme();
    if (theme && t.CloseThemeData) t.CloseThemeData(theme);
}

UniqueTheme OpenTheme(HWND wnd, LPCWSTR class_name, Dpi dpi) {
    const VtUxTheme& t = UxTheme();
    if (!ThemesAvailable()) return UniqueTheme();
    if (t.OpenThemeDataForDpi) {
        return UniqueTheme(t.OpenThemeDataForDpi(wnd, class_name, static_cast<UINT>(dpi.Value())));
    }
    if (!t.OpenThemeData) return UniqueTheme();
    return UniqueTheme(t.OpenThemeData(wnd, class_name));
}

HRESULT GetClassPartSize(LPCWSTR class_name, HDC dc, int part, int state, const RECT* rect, THEMESIZE kind,
                         SIZE* size, Dpi dpi) {
    const VtUxTheme& t = UxTheme();
    if (!t.GetThemePartSize) return E_NOTIMPL;
    // Closed also when the query fails.
    const UniqueTheme theme = OpenTheme(nullptr, class_name, dpi);
    if (!theme) return E_NOTIMPL;
    return t.GetThemePartSize(theme.get(), dc, part, state, rect, kind, size);
}

}  // namespace tv
