#include "widgets/button/VtBtnAccessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <utility>

#include "platform/ForwardingAccessible.h"
#include "platform/WindowText.h"
#include "widgets/button/AccessKey.h"

namespace tv {

namespace {

// The system's client object answers everything except what makes the window a push button.
class ButtonAccessible final : public ForwardingAccessible {
public:
    using ForwardingAccessible::ForwardingAccessible;

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        *name = ToBstr(ShownCaption(WindowText(Window())));  // read aloud as shown
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return AnswerRole(child, role, ROLE_SYSTEM_PUSHBUTTON);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        HWND wnd = Window();
        LONG bits = STATE_SYSTEM_FOCUSABLE;
        if (!IsWindowVisible(wnd)) bits |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(wnd)) bits |= STATE_SYSTEM_UNAVAILABLE;
        if (GetFocus() == wnd) bits |= STATE_SYSTEM_FOCUSED;
        const LRESULT button_state = SendMessageA(wnd, BM_GETSTATE, 0, 0);
        if (button_state & BST_PUSHED) bits |= STATE_SYSTEM_PRESSED;
        if (button_state & BST_HOT) bits |= STATE_SYSTEM_HOTTRACKED;
        if ((GetWindowLongPtrA(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) bits |= STATE_SYSTEM_DEFAULT;
        state->vt = VT_I4;
        state->lVal = bits;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* key) override {
        if (!key) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        const char access_key = AcceleratorOf(WindowText(Window()));
        if (access_key == '\0') {
            *key = nullptr;
            return S_FALSE;
        }
        *key = ToBstr(std::string("Alt+") + access_key);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!action) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        *action = AllocBstr(L"Press");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!IsWindowEnabled(Window())) return DISP_E_MEMBERNOTFOUND;
        // Posted: the client's call must not wait for what the click opens.
        PostMessageA(Window(), BM_CLICK, 0, 0);
        return S_OK;
    }
};

}  // namespace

UniqueCom<IAccessible> CreateButtonAccessible(HWND button) {
    UniqueCom<IAccessible> base = StandardClientAccessible(button);
    if (!base) return {};
    auto object = std::make_unique<ButtonAccessible>(button, std::move(base));
    return UniqueCom<IAccessible>(object.release());  // its reference count owns it from here
}

LRESULT ButtonAccessibleResult(HWND button, WPARAM wp) {
    return AccessibleResult(wp, [button] { return CreateButtonAccessible(button); });
}

}  // namespace tv
