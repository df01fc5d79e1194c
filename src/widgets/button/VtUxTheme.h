#pragma once
// Run-time binding of the visual-style library, once per process. Every entry point is null when
// the library or that function is missing, so callers test before calling.
#include <windows.h>
#include <uxtheme.h>

#include "platform/Dpi.h"
#include "platform/Handles.h"

namespace tv {

using OpenThemeDataFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
using OpenThemeDataForDpiFn = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
using DrawThemeEdgeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*);
using DrawThemeTextFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
using GetThemeTextExtentFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, const RECT*, RECT*);
using GetThemePartSizeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE*);
using GetThemeSysSizeFn = int(WINAPI*)(HTHEME, int);
using IsThemeActiveFn = BOOL(WINAPI*)();

// The entry points the button family calls (the library has more; no user here needs them).
struct VtUxTheme {
    IsThemeActiveFn IsThemeActive = nullptr;
    OpenThemeDataFn OpenThemeData = nullptr;
    CloseThemeDataFn CloseThemeData = nullptr;
    DrawThemeBackgroundFn DrawThemeBackground = nullptr;
    DrawThemeTextFn DrawThemeText = nullptr;
    GetThemePartSizeFn GetThemePartSize = nullptr;
    GetThemeTextExtentFn GetThemeTextExtent = nullptr;
    DrawThemeEdgeFn DrawThemeEdge = nullptr;
    GetThemeSysSizeFn GetThemeSysSize = nullptr;
    // Windows 10 version 1703 and later: theme data for a DPI other than the system's.
    OpenThemeDataForDpiFn OpenThemeDataForDpi = nullptr;
};

// The process's binding; all null until BindThemeLibrary ran and found the library.
const VtUxTheme& UxTheme();
bool ThemesAvailable();
// Loads "uxtheme.dll" on an NT-family system of version 5.1 or later; runs once.
void BindThemeLibrary();
// Forgets every entry point and frees the library.
void ReleaseThemeLibrary();

// Closes a theme handle through the binding (nothing when the library is gone already).
void CloseThemeHandleOf(HTHEME theme);
// One theme handle, closed when its owner goes.
using UniqueTheme = UniqueResource<NullIsEmpty<HTHEME, CloseThemeHandleOf>>;
// Opens theme data for a window (or none) and class, with its parts and metrics at the DPI where
// the library can (before that, a system's windows all have the system's DPI); empty when the
// library is missing or the classic look is in use.
UniqueTheme OpenTheme(HWND wnd, LPCWSTR class_name, Dpi dpi);

// Part size of a theme class without a window, at a DPI as above: E_NOTIMPL when the theme data
// cannot be opened.
HRESULT GetClassPartSize(LPCWSTR class_name, HDC dc, int part, int state, const RECT* rect, THEMESIZE kind, SIZE* size,
                         Dpi dpi);

}  // namespace tv
