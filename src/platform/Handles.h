#pragma once
// RAII owners for the Win32 handles the program holds.
#include <windows.h>

#include <utility>

namespace tv {

// A movable owner of one handle value; Traits gives the handle type, its empty value and its close.
template <typename Traits>
class UniqueResource {
public:
    using Handle = typename Traits::Handle;

    UniqueResource() = default;
    explicit UniqueResource(Handle h) : h_(h) {}
    ~UniqueResource() { reset(); }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueResource& operator=(UniqueResource&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, Traits::Invalid());
        }
        return *this;
    }
    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    Handle release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(Handle h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }
    // For out-parameters of API calls: releases what is held, then exposes the slot.
    Handle* put() {
        reset();
        return &h_;
    }

private:
    Handle h_ = Traits::Invalid();
};

template <typename H, auto CloseFn>
struct NullIsEmpty {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseFn(h); }
};

// File and find handles say "none" with INVALID_HANDLE_VALUE, not with null.
template <auto CloseFn>
struct InvalidIsEmpty {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseFn(h); }
};

inline void CloseGdiObject(HGDIOBJ h) { DeleteObject(h); }

using UniqueHKey = UniqueResource<NullIsEmpty<HKEY, RegCloseKey>>;
using UniqueHandle = UniqueResource<NullIsEmpty<HANDLE, CloseHandle>>;
using UniqueFile = UniqueResource<InvalidIsEmpty<CloseHandle>>;
using UniqueFindHandle = UniqueResource<InvalidIsEmpty<FindClose>>;
using UniqueFont = UniqueResource<NullIsEmpty<HFONT, CloseGdiObject>>;
using UniqueBitmap = UniqueResource<NullIsEmpty<HBITMAP, CloseGdiObject>>;
using UniqueBrush = UniqueResource<NullIsEmpty<HBRUSH, CloseGdiObject>>;
using UniquePen = UniqueResource<NullIsEmpty<HPEN, CloseGdiObject>>;
using UniqueRegion = UniqueResource<NullIsEmpty<HRGN, CloseGdiObject>>;
using UniqueMemDc = UniqueResource<NullIsEmpty<HDC, DeleteDC>>;
using UniqueIcon = UniqueResource<NullIsEmpty<HICON, DestroyIcon>>;
using UniqueModule = UniqueResource<NullIsEmpty<HMODULE, FreeLibrary>>;
using UniqueWindow = UniqueResource<NullIsEmpty<HWND, DestroyWindow>>;
using UniqueActCtx = UniqueResource<InvalidIsEmpty<ReleaseActCtx>>;

// A COM interface pointer, released once.
template <typename T>
class UniqueCom {
public:
    UniqueCom() = default;
    // Takes over a reference the caller holds (no AddRef).
    explicit UniqueCom(T* p) : p_(p) {}
    ~UniqueCom() { reset(); }
    UniqueCom(const UniqueCom&) = delete;
    UniqueCom& operator=(const UniqueCom&) = delete;
    UniqueCom(UniqueCom&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    UniqueCom& operator=(UniqueCom&& o) noexcept {
        if (this != &o) {
            reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // Hands the reference to the caller (an out-parameter of a COM method).
    T* release() { return std::exchange(p_, nullptr); }
    // For out-parameters of API calls: releases what is held, then exposes the slot.
    T** put() {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

private:
    T* p_ = nullptr;
};

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

// A window's paint DC from BeginPaint, ended with EndPaint; only inside WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &ps_)) {}
    ~PaintDc() { EndPaint(wnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND wnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects a GDI object into a DC for the lifetime of the guard.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tv
