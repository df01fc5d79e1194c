#include "widgets/button/VtUxTheme.h"

#include "platform/RuntimeLibrary.h"

namespace tv {

namespace {

// The module state of the binding: one per process, as the library itself is.
struct ThemeBinding {
    HMODULE library = nullptr;
    bool available = false;
    bool done = false;
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

bool ThemesAvailable() { return Binding().available; }

void BindThemeLibrary() {
    ThemeBinding& b = Binding();
    if (b.done) return;
    if (!IsVersionAtLeast51()) return;
    const UINT old_mode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    b.library = LoadLibraryA("uxtheme.dll");
    SetErrorMode(old_mode);
    if (!b.library) return;
    VtUxTheme& e = b.entries;
    Resolve(b.library, "IsThemeActive", e.IsThemeActive);
    Resolve(b.library, "OpenThemeData", e.OpenThemeData);
    Resolve(b.library, "CloseThemeData", e.CloseThemeData);
    Resolve(b.library, "DrawThemeBackground", e.DrawThemeBackground);
    Resolve(b.library, "DrawThemeText", e.DrawThemeText);
    Resolve(b.library, "GetThemePartSize", e.GetThemePartSize);
    Resolve(b.library, "GetThemeTextExtent", e.GetThemeTextExtent);
    Resolve(b.library, "DrawThemeEdge", e.DrawThemeEdge);
    Resolve(b.library, "GetThemeSysSize", e.GetThemeSysSize);
    Resolve(b.library, "OpenThemeDataForDpi", e.OpenThemeDataForDpi);
    b.available = true;
    b.done = true;
}

void ReleaseThemeLibrary() {
    ThemeBinding& b = Binding();
    if (b.done && b.library) {
        b.entries = VtUxTheme{};
        FreeLibrary(b.library);
        b.library = nullptr;
    }
    b.available = false;
    b.done = false;
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

HRESULT GetClassPartSize(LPCWSTR class_name, HDC dc, int part, int state, const RECT* rect, THEMESIZE kind, SIZE* size,
                         Dpi dpi) {
    const VtUxTheme& t = UxTheme();
    if (!t.GetThemePartSize) return E_NOTIMPL;
    // Closed also when the query fails.
    const UniqueTheme theme = OpenTheme(nullptr, class_name, dpi);
    if (!theme) return E_NOTIMPL;
    return t.GetThemePartSize(theme.get(), dc, part, state, rect, kind, size);
}

}  // namespace tv
