#include "widgets/button/VtBtnAccessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <memory>
#include <string>
#include <utility>

#include "platform/RuntimeLibrary.h"
#include "platform/WideText.h"
#include "platform/WindowText.h"
#include "widgets/button/AccessKey.h"

namespace tv {

namespace {

// The accessibility runtime is bound when a client first asks, not at every start of the program.
template <typename Fn>
Fn Oleacc(const char* name) { return RuntimeProc<Fn>("oleacc.dll", name); }

BSTR AllocBstr(const wchar_t* text) {
    const auto alloc = RuntimeProc<decltype(&SysAllocString)>("oleaut32.dll", "SysAllocString");
    return alloc ? alloc(text) : nullptr;
}

BSTR ToBstr(const std::string& text) { return AllocBstr(AnsiToWide(text).c_str()); }

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Forwards every call to the system's client object except those that make it a push button.
class ButtonAccessible final : public IAccessible {
public:
    ButtonAccessible(HWND wnd, UniqueCom<IAccessible> base) : wnd_(wnd), base_(std::move(base)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) std::unique_ptr<ButtonAccessible> gone(this);
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return base_->GetTypeInfoCount(n); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
        return base_->GetTypeInfo(i, l, t);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
        return base_->GetIDsOfNames(r, n, c, l, d);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                     UINT* a) override {
        return base_->Invoke(d, r, l, f, p, v, e, a);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return base_->get_accParent(p); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override {
        if (!n) return E_POINTER;
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** d) override {
        if (d) *d = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        *name = ToBstr(ShownCaption(WindowText(wnd_)));  // read aloud as shown
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override { return base_->get_accValue(c, v); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override {
        return base_->get_accDescription(c, d);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        LONG bits = STATE_SYSTEM_FOCUSABLE;
        if (!IsWindowVisible(wnd_)) bits |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(wnd_)) bits |= STATE_SYSTEM_UNAVAILABLE;
        if (GetFocus() == wnd_) bits |= STATE_SYSTEM_FOCUSED;
        const LRESULT button_state = SendMessageA(wnd_, BM_GETSTATE, 0, 0);
        if (button_state & BST_PUSHED) bits |= STATE_SYSTEM_PRESSED;
        if (button_state & BST_HOT) bits |= STATE_SYSTEM_HOTTRACKED;
        if ((GetWindowLongPtrA(wnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) bits |= STATE_SYSTEM_DEFAULT;
        state->vt = VT_I4;
        state->lVal = bits;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override { return base_->get_accHelp(c, h); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override {
        return base_->get_accHelpTopic(f, c, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* key) override {
        if (!key) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        const char access_key = AcceleratorOf(WindowText(wnd_));
        if (access_key == '\0') {
            *key = nullptr;
            return S_FALSE;
        }
        *key = ToBstr(std::string("Alt+") + access_key);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override { return base_->get_accFocus(f); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override { return base_->get_accSelection(s); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!action) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        *action = AllocBstr(L"Press");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT c) override { return base_->accSelect(f, c); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* l, LONG* t, LONG* w, LONG* h, VARIANT c) override {
        return base_->accLocation(l, t, w, h, c);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG d, VARIANT s, VARIANT* e) override {
        return base_->accNavigate(d, s, e);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override { return base_->accHitTest(x, y, c); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!IsWindowEnabled(wnd_)) return DISP_E_MEMBERNOTFOUND;
        // Posted: the client's call must not wait for what the click opens.
        PostMessageA(wnd_, BM_CLICK, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    HWND wnd_;
    const UniqueCom<IAccessible> base_;
    std::atomic<ULONG> refs_{1};
};

}  // namespace

UniqueCom<IAccessible> CreateButtonAccessible(HWND button) {
    const auto create = Oleacc<decltype(&CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    if (!create) return {};
    UniqueCom<IAccessible> base;
    if (FAILED(create(button, OBJID_CLIENT, IID_IAccessible, base.put_void())) || !base) return {};
    auto object = std::make_unique<ButtonAccessible>(button, std::move(base));
    return UniqueCom<IAccessible>(object.release());  // its reference count owns it from here
}

namespace {

// Whether an accessible object handed over by WM_GETOBJECT can be taken back: some platforms
// register no marshalling for IAccessible, and a client would then get nothing at all.
bool CanHandOverAccessible(HWND button) {
    const auto to_lresult = Oleacc<decltype(&LresultFromObject)>("LresultFromObject");
    const auto from_lresult = Oleacc<decltype(&ObjectFromLresult)>("ObjectFromLresult");
    if (!to_lresult || !from_lresult) return false;
    LRESULT handed = 0;
    {
        const UniqueCom<IAccessible> probe = CreateButtonAccessible(button);
        if (!probe) return false;
        handed = to_lresult(IID_IAccessible, 0, probe.get());
    }
    if (handed <= 0) return false;
    UniqueCom<IAccessible> back;
    return SUCCEEDED(from_lresult(handed, IID_IAccessible, 0, back.put_void()));
}

}  // namespace

LRESULT ButtonAccessibleResult(HWND button, WPARAM wp) {
    static const bool can_hand_over = CanHandOverAccessible(button);
    if (!can_hand_over) return 0;
    const UniqueCom<IAccessible> accessible = CreateButtonAccessible(button);
    if (!accessible) return 0;
    // The result holds a reference of its own; ours goes with the owner.
    const auto to_lresult = Oleacc<decltype(&LresultFromObject)>("LresultFromObject");
    const LRESULT result = to_lresult(IID_IAccessible, wp, accessible.get());
    // A failure code would reach the client as its answer; the standard object is better than none.
    return result > 0 ? result : 0;
}

}  // namespace tv
