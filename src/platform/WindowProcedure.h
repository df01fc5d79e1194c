#pragma once
// The one boundary between the system and a window's object. The object comes from the creation
// data, lives in one slot of the window (the class's extra bytes, or the dialog's user slot), gets
// every message with the real window handle, and is forgotten when WM_NCDESTROY has been handled.
// An exception never crosses into the system: it is shown in the General error box, and the
// message counts as not handled.
//
//   class TForm {
//   public:
//       LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
//   };
//   wc.lpfnWndProc = WindowProcedure<TForm>;  wc.cbWndExtra = kWindowObjectBytes;
//   CreateWindowExA(..., &form);                // the object is the creation data
//
//   INT_PTR HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);  // FALSE: not handled
//   DialogBoxIndirectParamA(..., DialogProcedure<TDialog>, reinterpret_cast<LPARAM>(&dialog));
#include <windows.h>

#include "platform/GeneralError.h"

namespace tv {

// The extra bytes a window class reserves for its object.
inline constexpr int kWindowObjectBytes = static_cast<int>(sizeof(LONG_PTR));
inline constexpr int kWindowObjectSlot = 0;

namespace window_procedure {

// A window of a class of the program's own: the object is CREATESTRUCT's creation data at
// WM_NCCREATE and is kept in the class's extra bytes. Messages before WM_NCCREATE (a top-level
// window gets WM_GETMINMAXINFO first) and after WM_NCDESTROY get the default procedure.
struct WindowSlot {
    using Result = LRESULT;
    static constexpr UINT kFirstMessage = WM_NCCREATE;
    static void* CreationData(LPARAM lp) { return reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams; }
    static void* Get(HWND wnd) { return reinterpret_cast<void*>(GetWindowLongPtrA(wnd, kWindowObjectSlot)); }
    static void Set(HWND wnd, void* object) {
        SetWindowLongPtrA(wnd, kWindowObjectSlot, reinterpret_cast<LONG_PTR>(object));
    }
    static Result Unowned(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(wnd, msg, wp, lp); }
    static constexpr Result kAfterError = 0;
};

// A dialog of the system's dialog class: the object is WM_INITDIALOG's parameter and is kept in
// the dialog's user slot. Without an object a message is not handled (the dialog manager's own).
struct DialogSlot {
    using Result = INT_PTR;
    static constexpr UINT kFirstMessage = WM_INITDIALOG;
    static void* CreationData(LPARAM lp) { return reinterpret_cast<void*>(lp); }
    static void* Get(HWND wnd) { return reinterpret_cast<void*>(GetWindowLongPtrA(wnd, DWLP_USER)); }
    static void Set(HWND wnd, void* object) { SetWindowLongPtrA(wnd, DWLP_USER, reinterpret_cast<LONG_PTR>(object)); }
    static Result Unowned(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    static constexpr Result kAfterError = FALSE;
};

template <typename T>
LRESULT Dispatch(T& object, HWND wnd, UINT msg, WPARAM wp, LPARAM lp, WindowSlot) {
    return object.HandleMessage(wnd, msg, wp, lp);
}

template <typename T>
INT_PTR Dispatch(T& object, HWND wnd, UINT msg, WPARAM wp, LPARAM lp, DialogSlot) {
    return object.HandleDialogMessage(wnd, msg, wp, lp);
}

template <typename T, typename Slot>
typename Slot::Result Procedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == Slot::kFirstMessage) {
        if (void* object = Slot::CreationData(lp)) Slot::Set(wnd, object);
    }
    T* object = static_cast<T*>(Slot::Get(wnd));
    if (!object) return Slot::Unowned(wnd, msg, wp, lp);
    typename Slot::Result result = Slot::kAfterError;
    try {
        result = Dispatch(*object, wnd, msg, wp, lp, Slot{});
    } catch (...) {
        // The one policy: the user is told, and the program goes on with the next message.
        ReportUnhandledException();
    }
    // Nothing of the window is left after this message: no later message may reach the object.
    if (msg == WM_NCDESTROY) Slot::Set(wnd, nullptr);
    return result;
}

}  // namespace window_procedure

template <typename T>
LRESULT CALLBACK WindowProcedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return window_procedure::Procedure<T, window_procedure::WindowSlot>(wnd, msg, wp, lp);
}

template <typename T>
INT_PTR CALLBACK DialogProcedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return window_procedure::Procedure<T, window_procedure::DialogSlot>(wnd, msg, wp, lp);
}

// The object a window of the program's own class carries, or nullptr.
template <typename T>
T* WindowObject(HWND wnd) {
    return wnd ? static_cast<T*>(window_procedure::WindowSlot::Get(wnd)) : nullptr;
}

}  // namespace tv
