#include "platform/ForwardingAccessible.h"

#include <memory>
#include <utility>

#include "platform/RuntimeLibrary.h"
#include "platform/WideText.h"

namespace tv {

namespace {

// The accessibility runtime is bound when a client first asks, not at every start of the program.
template <typename Fn>
Fn Oleacc(const char* name) {
    return RuntimeProc<Fn>("oleacc.dll", name);
}

}  // namespace

ForwardingAccessible::ForwardingAccessible(HWND wnd, UniqueCom<IAccessible> base) : wnd_(wnd), base_(std::move(base)) {}

HRESULT ForwardingAccessible::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}
ULONG ForwardingAccessible::AddRef() { return ++refs_; }
ULONG ForwardingAccessible::Release() {
    const ULONG left = --refs_;
    if (left == 0) std::unique_ptr<ForwardingAccessible> gone(this);
    return left;
}

HRESULT ForwardingAccessible::GetTypeInfoCount(UINT* n) { return base_->GetTypeInfoCount(n); }
HRESULT ForwardingAccessible::GetTypeInfo(UINT i, LCID l, ITypeInfo** t) { return base_->GetTypeInfo(i, l, t); }
HRESULT ForwardingAccessible::GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) {
    return base_->GetIDsOfNames(r, n, c, l, d);
}
HRESULT ForwardingAccessible::Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                     UINT* a) {
    return base_->Invoke(d, r, l, f, p, v, e, a);
}

HRESULT ForwardingAccessible::get_accParent(IDispatch** p) { return base_->get_accParent(p); }
HRESULT ForwardingAccessible::get_accChildCount(LONG* n) {
    if (!n) return E_POINTER;
    *n = 0;
    return S_OK;
}
HRESULT ForwardingAccessible::get_accChild(VARIANT, IDispatch** d) {
    if (d) *d = nullptr;
    return E_INVALIDARG;
}
HRESULT ForwardingAccessible::get_accName(VARIANT c, BSTR* name) { return base_->get_accName(c, name); }
HRESULT ForwardingAccessible::get_accValue(VARIANT c, BSTR* v) { return base_->get_accValue(c, v); }
HRESULT ForwardingAccessible::get_accDescription(VARIANT c, BSTR* d) { return base_->get_accDescription(c, d); }
HRESULT ForwardingAccessible::get_accRole(VARIANT c, VARIANT* role) { return base_->get_accRole(c, role); }
HRESULT ForwardingAccessible::get_accState(VARIANT c, VARIANT* state) { return base_->get_accState(c, state); }
HRESULT ForwardingAccessible::get_accHelp(VARIANT c, BSTR* h) { return base_->get_accHelp(c, h); }
HRESULT ForwardingAccessible::get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) { return base_->get_accHelpTopic(f, c, t); }
HRESULT ForwardingAccessible::get_accKeyboardShortcut(VARIANT c, BSTR* key) {
    return base_->get_accKeyboardShortcut(c, key);
}
HRESULT ForwardingAccessible::get_accFocus(VARIANT* f) { return base_->get_accFocus(f); }
HRESULT ForwardingAccessible::get_accSelection(VARIANT* s) { return base_->get_accSelection(s); }
HRESULT ForwardingAccessible::get_accDefaultAction(VARIANT c, BSTR* action) {
    return base_->get_accDefaultAction(c, action);
}
HRESULT ForwardingAccessible::accSelect(LONG f, VARIANT c) { return base_->accSelect(f, c); }
HRESULT ForwardingAccessible::accLocation(LONG* l, LONG* t, LONG* w, LONG* h, VARIANT c) {
    return base_->accLocation(l, t, w, h, c);
}
HRESULT ForwardingAccessible::accNavigate(LONG d, VARIANT s, VARIANT* e) { return base_->accNavigate(d, s, e); }
HRESULT ForwardingAccessible::accHitTest(LONG x, LONG y, VARIANT* c) { return base_->accHitTest(x, y, c); }
HRESULT ForwardingAccessible::accDoDefaultAction(VARIANT c) { return base_->accDoDefaultAction(c); }
HRESULT ForwardingAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT ForwardingAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

BSTR ForwardingAccessible::AllocBstr(const wchar_t* text) {
    const auto alloc = RuntimeProc<decltype(&SysAllocString)>("oleaut32.dll", "SysAllocString");
    return alloc ? alloc(text) : nullptr;
}

BSTR ForwardingAccessible::ToBstr(const std::string& text) { return AllocBstr(AnsiToWide(text).c_str()); }

HRESULT ForwardingAccessible::AnswerRole(VARIANT child, VARIANT* role, LONG value) {
    if (!role) return E_POINTER;
    if (!IsSelf(child)) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = value;
    return S_OK;
}

UniqueCom<IAccessible> StandardClientAccessible(HWND wnd) {
    const auto create = Oleacc<decltype(&CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    if (!create) return {};
    UniqueCom<IAccessible> base;
    if (FAILED(create(wnd, OBJID_CLIENT, IID_IAccessible, base.put_void())) || !base) return {};
    return base;
}

bool CanHandOverAccessible(IAccessible* probe) {
    const auto to_lresult = Oleacc<decltype(&LresultFromObject)>("LresultFromObject");
    const auto from_lresult = Oleacc<decltype(&ObjectFromLresult)>("ObjectFromLresult");
    if (!to_lresult || !from_lresult) return false;
    const LRESULT handed = to_lresult(IID_IAccessible, 0, probe);
    if (handed <= 0) return false;
    UniqueCom<IAccessible> back;
    return SUCCEEDED(from_lresult(handed, IID_IAccessible, 0, back.put_void()));
}

LRESULT HandOverAccessible(WPARAM wp, IAccessible* object) {
    const auto to_lresult = Oleacc<decltype(&LresultFromObject)>("LresultFromObject");
    if (!to_lresult) return 0;
    const LRESULT result = to_lresult(IID_IAccessible, wp, object);
    // A failure code would reach the client as its answer; the standard object is better than none.
    return result > 0 ? result : 0;
}

}  // namespace tv
