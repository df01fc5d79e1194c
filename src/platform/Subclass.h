#pragma once
// The one way the program puts its own handling in front of a window's procedure (a control of
// the system's, or the application window). The owner gets each message first with the real
// window handle and passes on what it does not handle; an exception is shown in the General error
// box at this boundary, as for every window procedure. The previous procedure is put back when the
// owner lets go, or when the window is destroyed, whichever comes first. The window's own slots
// (GWLP_USERDATA, its extra bytes) stay its user's: the link lives in two window properties.
//
//   class TOwner {
//   public:
//       // Handle, or return subclass.CallPrevious(wnd, msg, wp, lp).
//       LRESULT HandleSubclassMessage(const Subclass<TOwner>& subclass, HWND wnd, UINT msg, WPARAM, LPARAM);
//   };
//   Subclass<TOwner> subclass_{list_box, *this};
#include <windows.h>

#include "platform/GeneralError.h"

namespace tv {

namespace subclass_detail {

inline constexpr const char* kOwnerProperty = "TvSubclassOwner";
inline constexpr const char* kPreviousProperty = "TvSubclassPrevious";

inline WNDPROC Previous(HWND wnd) { return reinterpret_cast<WNDPROC>(GetPropA(wnd, kPreviousProperty)); }

// Puts the previous procedure back, when nobody has put another in front of ours meanwhile.
inline bool Restore(HWND wnd, WNDPROC ours) {
    const WNDPROC previous = Previous(wnd);
    if (!previous) return false;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)) != ours) return false;
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(wnd, kPreviousProperty);
    return true;
}

}  // namespace subclass_detail

template <typename T>
class Subclass {
public:
    // Installs in front of the window's procedure; Installed() is false when the window is already
    // subclassed this way, or the procedure cannot be replaced.
    Subclass(HWND wnd, T& owner) : owner_(&owner) {
        if (!wnd || GetPropA(wnd, subclass_detail::kOwnerProperty) || GetPropA(wnd, subclass_detail::kPreviousProperty))
            return;
        if (!SetPropA(wnd, subclass_detail::kOwnerProperty, this)) return;
        const auto previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
        if (!previous) {
            RemovePropA(wnd, subclass_detail::kOwnerProperty);
            return;
        }
        SetPropA(wnd, subclass_detail::kPreviousProperty, reinterpret_cast<HANDLE>(previous));
        previous_ = previous;
        wnd_ = wnd;
    }
    ~Subclass() { Detach(); }
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    bool Installed() const { return wnd_ != nullptr; }
    HWND Window() const { return wnd_; }

    // A message of the owner's own for the window, straight to the procedure before this one: a
    // burst of them (a list filled) would otherwise cost two property look-ups each, every one a
    // round trip to the window server under Wine. Sent as usual when the subclass is not installed.
    LRESULT SendPast(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) const {
        return wnd_ ? CallWindowProcA(previous_, wnd_, msg, wp, lp) : SendMessageA(wnd, msg, wp, lp);
    }

    // The procedure that was in place before this one.
    LRESULT CallPrevious(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) const {
        const WNDPROC previous = subclass_detail::Previous(wnd);
        return previous ? CallWindowProcA(previous, wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
    }

private:
    // The owner stops getting messages. When another procedure has been put in front of ours, ours
    // stays in the chain and only passes messages on until the window is destroyed.
    void Detach() {
        if (!wnd_) return;
        RemovePropA(wnd_, subclass_detail::kOwnerProperty);
        subclass_detail::Restore(wnd_, &Procedure);
        wnd_ = nullptr;
    }

    static LRESULT CALLBACK Procedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = static_cast<Subclass*>(GetPropA(wnd, subclass_detail::kOwnerProperty));
        if (msg == WM_NCDESTROY) {
            // The window goes: the previous procedure handles this last message itself.
            const WNDPROC previous = subclass_detail::Previous(wnd);
            if (self) self->Detach();
            if (!subclass_detail::Restore(wnd, &Procedure)) RemovePropA(wnd, subclass_detail::kPreviousProperty);
            return previous ? CallWindowProcA(previous, wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
        }
        if (!self) {
            const WNDPROC previous = subclass_detail::Previous(wnd);
            return previous ? CallWindowProcA(previous, wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
        }
        try {
            return self->owner_->HandleSubclassMessage(*self, wnd, msg, wp, lp);
        } catch (...) {
            ReportUnhandledException();
            return 0;
        }
    }

    T* owner_;
    HWND wnd_ = nullptr;
    WNDPROC previous_ = nullptr;
};

}  // namespace tv
