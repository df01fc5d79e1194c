#pragma once
// The common-controls library, bound when first needed: loading it registers all its window
// classes, which costs a start of the program about a sixth of the time an empty window takes
// under Wine (9 to 10 ms of 55), while the main window needs none of it (image lists, tooltips
// and subclassing serve rarer windows).
// It is the version the visual-style scope gives (VisualStyles.h).
#include <windows.h>
#include <commctrl.h>

#include "platform/RuntimeLibrary.h"
#include "platform/VisualStyles.h"

namespace tv::comctl {

template <typename Fn>
Fn Proc(const char* name) {
    HMODULE module = CommonControlsModule();
    return module ? ProcAddress<Fn>(module, name) : nullptr;
}

inline HIMAGELIST ImageListCreate(int cx, int cy, UINT flags, int initial, int grow) {
    const auto f = Proc<decltype(&ImageList_Create)>("ImageList_Create");
    return f ? f(cx, cy, flags, initial, grow) : nullptr;
}
inline int ImageListAdd(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    const auto f = Proc<decltype(&ImageList_Add)>("ImageList_Add");
    return f ? f(list, image, mask) : -1;
}
inline BOOL ImageListReplace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
    const auto f = Proc<decltype(&ImageList_Replace)>("ImageList_Replace");
    return f ? f(list, index, image, mask) : FALSE;
}
inline BOOL ImageListGetIconSize(HIMAGELIST list, int* cx, int* cy) {
    const auto f = Proc<decltype(&ImageList_GetIconSize)>("ImageList_GetIconSize");
    return f ? f(list, cx, cy) : FALSE;
}
inline BOOL ImageListDraw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    const auto f = Proc<decltype(&ImageList_Draw)>("ImageList_Draw");
    return f ? f(list, index, dc, x, y, style) : FALSE;
}
inline BOOL ImageListDestroy(HIMAGELIST list) {
    const auto f = Proc<decltype(&ImageList_Destroy)>("ImageList_Destroy");
    return f ? f(list) : FALSE;
}
inline BOOL InitCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), classes};
    const auto f = Proc<decltype(&InitCommonControlsEx)>("InitCommonControlsEx");
    return f ? f(&icc) : FALSE;
}
inline BOOL SetSubclass(HWND wnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    const auto f = Proc<decltype(&SetWindowSubclass)>("SetWindowSubclass");
    return f ? f(wnd, proc, id, data) : FALSE;
}
inline BOOL RemoveSubclass(HWND wnd, SUBCLASSPROC proc, UINT_PTR id) {
    const auto f = Proc<decltype(&RemoveWindowSubclass)>("RemoveWindowSubclass");
    return f ? f(wnd, proc, id) : FALSE;
}
inline LRESULT DefSubclass(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    const auto f = Proc<decltype(&DefSubclassProc)>("DefSubclassProc");
    return f ? f(wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tv::comctl
