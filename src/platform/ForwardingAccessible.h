#pragma once
// An accessible object of a control of the program's own: every call goes to the system's client
// object of the window, except those a derived class answers itself (its name, role, value ...).
// Its reference count owns it; it has no children of its own.
#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <string>

#include "platform/Handles.h"

namespace tv {

class ForwardingAccessible : public IAccessible {
public:
    ForwardingAccessible(HWND wnd, UniqueCom<IAccessible> base);
    virtual ~ForwardingAccessible() = default;
    ForwardingAccessible(const ForwardingAccessible&) = delete;
    ForwardingAccessible& operator=(const ForwardingAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                     UINT* a) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** d) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT c, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* key) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT c) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* l, LONG* t, LONG* w, LONG* h, VARIANT c) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG d, VARIANT s, VARIANT* e) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

protected:
    HWND Window() const { return wnd_; }
    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    // A text for a client, in UTF-16 from the program's ANSI text; null when it cannot be made.
    static BSTR ToBstr(const std::string& text);
    static BSTR AllocBstr(const wchar_t* text);
    // The role of the object itself, for get_accRole.
    static HRESULT AnswerRole(VARIANT child, VARIANT* role, LONG value);

private:
    HWND wnd_;
    const UniqueCom<IAccessible> base_;
    std::atomic<ULONG> refs_{1};
};

// The system's client object of a window, to forward to; none when the runtime cannot make one.
UniqueCom<IAccessible> StandardClientAccessible(HWND wnd);

// The answer to WM_GETOBJECT for an object made by make (a callable giving UniqueCom<IAccessible>);
// 0 when none could be made or handed over (the system's own client object is then the answer).
// Some platforms register no marshalling for IAccessible, and a client would then get nothing at
// all: whether a handed-over object can be taken back is tried once per kind of object.
bool CanHandOverAccessible(IAccessible* probe);
LRESULT HandOverAccessible(WPARAM wp, IAccessible* object);

template <typename Make>
LRESULT AccessibleResult(WPARAM wp, Make make) {
    static const bool can_hand_over = [&] {
        const UniqueCom<IAccessible> probe = make();
        return probe && CanHandOverAccessible(probe.get());
    }();
    if (!can_hand_over) return 0;
    const UniqueCom<IAccessible> accessible = make();
    return accessible ? HandOverAccessible(wp, accessible.get()) : 0;  // the result holds a reference of its own
}

}  // namespace tv
