#pragma once
// Switches Wine's visual style on (the light theme of the test prefix) or back to the classic look,
// through the visual-style library's own theme-file functions (the ones a desktop control panel
// uses). The choice is written to the user's registry, so programs started afterwards follow it;
// windows of the calling process receive the theme-changed message at once.
#include <windows.h>

#include <string>

namespace tv::testing_theme {

inline const char* kLightTheme = "C:\\windows\\resources\\themes\\light\\light.msstyles";

struct ThemeNames {
    WCHAR name[MAX_PATH + 1];
    WCHAR display_name[MAX_PATH + 1];
    WCHAR tooltip[MAX_PATH + 1];
};

using OpenThemeFileFn = HRESULT(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, HANDLE*, DWORD);
using CloseThemeFileFn = HRESULT(WINAPI*)(HANDLE);
using ApplyThemeFn = HRESULT(WINAPI*)(HANDLE, char*, HWND);
using EnumThemeNamesFn = HRESULT(WINAPI*)(LPWSTR, LPWSTR, DWORD, ThemeNames*);

// True when the style was switched as asked.
inline bool SetVisualStyle(bool on) {
    HMODULE ux = LoadLibraryA("uxtheme.dll");
    if (!ux) return false;
    auto open_file =
        reinterpret_cast<OpenThemeFileFn>(reinterpret_cast<void*>(GetProcAddress(ux, MAKEINTRESOURCEA(2))));
    auto close_file =
        reinterpret_cast<CloseThemeFileFn>(reinterpret_cast<void*>(GetProcAddress(ux, MAKEINTRESOURCEA(3))));
    auto apply = reinterpret_cast<ApplyThemeFn>(reinterpret_cast<void*>(GetProcAddress(ux, MAKEINTRESOURCEA(4))));
    auto enum_colors =
        reinterpret_cast<EnumThemeNamesFn>(reinterpret_cast<void*>(GetProcAddress(ux, MAKEINTRESOURCEA(9))));
    auto enum_sizes =
        reinterpret_cast<EnumThemeNamesFn>(reinterpret_cast<void*>(GetProcAddress(ux, MAKEINTRESOURCEA(10))));
    if (!open_file || !close_file || !apply || !enum_colors || !enum_sizes) return false;
    if (!on) return SUCCEEDED(apply(nullptr, nullptr, nullptr));
    WCHAR file[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, kLightTheme, -1, file, MAX_PATH);
    ThemeNames color{}, size{};
    if (FAILED(enum_colors(file, nullptr, 0, &color))) return false;
    if (FAILED(enum_sizes(file, color.name, 0, &size))) return false;
    HANDLE theme = nullptr;
    if (FAILED(open_file(file, color.name, size.name, &theme, 0)) || !theme) return false;
    const HRESULT hr = apply(theme, nullptr, nullptr);
    close_file(theme);
    return SUCCEEDED(hr);
}

}  // namespace tv::testing_theme
