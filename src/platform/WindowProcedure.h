#pragma once
// The one boundary between the system and a window's object. The object comes from the creation
// data (or, for a control, is made by the procedure itself), lives in one slot of the window (the
// class's extra bytes, or the dialog's user slot), gets every message with the real window handle,
// and is forgotten when WM_NCDESTROY has been handled. An exception never crosses into the system:
// it is shown in the General error box, and the message counts as not handled.
//
//   class TForm {
//   public:
//       LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
//   };
//   wc.lpfnWndProc = WindowProcedure<TForm>;  wc.cbWndExtra = kWindowObjectBytes;
//   CreateWindowExA(..., &form);                // the object is the creation data
//
//   class TControl : public WindowOwnedObject { ... HandleMessage as above ... };
//   wc.lpfnWndProc = WindowProcedure<TControl, ObjectMadeByProcedure>;
//   CreateWindowExA(0, "TControl", ...);        // made at WM_NCCREATE, freed after WM_NCDESTROY
//
//   INT_PTR HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);  // FALSE: not handled
//   DialogBoxIndirectParamA(..., DialogProcedure<TDialog>, reinterpret_cast<LPARAM>(&dialog));
#include <windows.h>

#include <memory>

#include "platform/GeneralError.h"

namespace tv {

// The extra bytes a window class reserves for its object.
inline constexpr int kWindowObjectBytes = static_cast<int>(sizeof(LONG_PTR));
inline constexpr int kWindowObjectSlot = 0;

namespace window_procedure {
struct OwnedSlot;
}

// The base of an object that its window procedure makes at WM_NCCREATE and frees once WM_NCDESTROY
// has been handled: a control made by CreateWindowEx of a registered class has no creation data
// from the program. A handler may destroy the window under itself (a click that closes the
// dialog holding the button): the object then goes when the outermost of its running handlers has
// returned, never under one of them.
class WindowOwnedObject {
public:
    WindowOwnedObject() = default;
    virtual ~WindowOwnedObject() = default;
    WindowOwnedObject(const WindowOwnedObject&) = delete;
    WindowOwnedObject& operator=(const WindowOwnedObject&) = delete;

    // True once the window has gone: code that ran a handler checks this before going on.
    bool WindowGone() const { return window_gone_; }

    // Keeps the object while its handlers run. The window procedure holds one for every message;
    // code outside it that runs handlers (a click asked for by another window) holds one too.
    class Running {
    public:
        explicit Running(WindowOwnedObject& object) : object_(object) { ++object_.running_; }
        ~Running() {
            if (--object_.running_ == 0 && object_.window_gone_) {
                const std::unique_ptr<WindowOwnedObject> last(&object_);  // made by the procedure
            }
        }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        WindowOwnedObject& object_;
    };

private:
    friend struct window_procedure::OwnedSlot;
    int running_ = 0;
    bool window_gone_ = false;
};

namespace window_procedure {

// Nothing to keep for an object that outlives its window by itself.
struct NotKept {
    template <typename T>
    explicit NotKept(T&) {}
};

// A window of a class of the program's own: the object is CREATESTRUCT's creation data at
// WM_NCCREATE and is kept in the class's extra bytes. Messages before WM_NCCREATE (a top-level
// window gets WM_GETMINMAXINFO first) and after WM_NCDESTROY get the default procedure.
struct WindowSlot {
    using Result = LRESULT;
    static constexpr UINT kFirstMessage = WM_NCCREATE;
    using Keep = NotKept;
    static void* Get(HWND wnd) { return reinterpret_cast<void*>(GetWindowLongPtrA(wnd, kWindowObjectSlot)); }
    static void Set(HWND wnd, void* object) {
        SetWindowLongPtrA(wnd, kWindowObjectSlot, reinterpret_cast<LONG_PTR>(object));
    }
    template <typename T>
    static void Attach(HWND wnd, LPARAM lp) {
        if (void* object = reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams) Set(wnd, object);
    }
    template <typename T>
    static void Detach(HWND wnd, T&) {
        Set(wnd, nullptr);
    }
    static Result Unowned(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(wnd, msg, wp, lp); }
    static constexpr Result kAfterError = 0;
};

// A control of a class of the program's own: the procedure makes the object at WM_NCCREATE and
// keeps it in the class's extra bytes; it is freed after WM_NCDESTROY, once no handler of it runs.
// A failure to make it fails the window's creation.
struct OwnedSlot : WindowSlot {
    using Keep = WindowOwnedObject::Running;
    template <typename T>
    static void Attach(HWND wnd, LPARAM) {
        if (Get(wnd)) return;
        auto object = std::make_unique<T>();
        Set(wnd, object.release());  // the window owns it from here; Keep frees it
    }
    template <typename T>
    static void Detach(HWND wnd, T& object) {
        Set(wnd, nullptr);
        static_cast<WindowOwnedObject&>(object).window_gone_ = true;
    }
};

// A dialog of the system's dialog class: the object is WM_INITDIALOG's parameter and is kept in
// the dialog's user slot. Without an object a message is not handled (the dialog manager's own).
struct DialogSlot {
    using Result = INT_PTR;
    static constexpr UINT kFirstMessage = WM_INITDIALOG;
    using Keep = NotKept;
    static void* Get(HWND wnd) { return reinterpret_cast<void*>(GetWindowLongPtrA(wnd, DWLP_USER)); }
    static void Set(HWND wnd, void* object) { SetWindowLongPtrA(wnd, DWLP_USER, reinterpret_cast<LONG_PTR>(object)); }
    template <typename T>
    static void Attach(HWND wnd, LPARAM lp) {
        if (void* object = reinterpret_cast<void*>(lp)) Set(wnd, object);
    }
    template <typename T>
    static void Detach(HWND wnd, T&) {
        Set(wnd, nullptr);
    }
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
        try {
            Slot::template Attach<T>(wnd, lp);
        } catch (...) {
            // The one policy: the user is told; a window without its object is not made.
            ReportUnhandledException();
            return Slot::kAfterError;
        }
    }
    T* object = static_cast<T*>(Slot::Get(wnd));
    if (!object) return Slot::Unowned(wnd, msg, wp, lp);
    const typename Slot::Keep keep(*object);
    typename Slot::Result result = Slot::kAfterError;
    try {
        result = Dispatch(*object, wnd, msg, wp, lp, Slot{});
    } catch (...) {
        // The one policy: the user is told, and the program goes on with the next message.
        ReportUnhandledException();
    }
    // Nothing of the window is left after this message: no later message may reach the object.
    if (msg == WM_NCDESTROY) Slot::Detach(wnd, *object);
    return result;
}

}  // namespace window_procedure

// The slot policies of WindowProcedure: the object is the creation data (a window the program
// creates with its object), or the procedure makes and frees it (a control of a registered class).
using ObjectFromCreationData = window_procedure::WindowSlot;
using ObjectMadeByProcedure = window_procedure::OwnedSlot;

template <typename T, typename Slot = ObjectFromCreationData>
LRESULT CALLBACK WindowProcedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return window_procedure::Procedure<T, Slot>(wnd, msg, wp, lp);
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
