#include "history/ChartAccessible.h"

#include <memory>
#include <utility>

#include "platform/ForwardingAccessible.h"

namespace tv {

namespace {

class ChartAccessible final : public ForwardingAccessible {
public:
    ChartAccessible(HWND wnd, UniqueCom<IAccessible> base, std::string summary)
        : ForwardingAccessible(wnd, std::move(base)), summary_(std::move(summary)) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override { return Answer(child, name, "Chart"); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Answer(child, value, summary_);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return AnswerRole(child, role, ROLE_SYSTEM_CHART);
    }

private:
    static HRESULT Answer(VARIANT child, BSTR* out, const std::string& text) {
        if (!out) return E_POINTER;
        if (!IsSelf(child)) return E_INVALIDARG;
        *out = ToBstr(text);
        return S_OK;
    }

    // The text when the client asked: a later SetData makes a new object for the next question.
    const std::string summary_;
};

}  // namespace

UniqueCom<IAccessible> CreateChartAccessible(HWND chart, std::string summary) {
    UniqueCom<IAccessible> base = StandardClientAccessible(chart);
    if (!base) return {};
    auto object = std::make_unique<ChartAccessible>(chart, std::move(base), std::move(summary));
    return UniqueCom<IAccessible>(object.release());  // its reference count owns it from here
}

LRESULT ChartAccessibleResult(HWND chart, WPARAM wp, const std::string& summary) {
    return AccessibleResult(wp, [&] { return CreateChartAccessible(chart, summary); });
}

}  // namespace tv
