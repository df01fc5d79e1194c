#include "platform/LocaleText.h"

#include <windows.h>

#include <climits>

namespace tv {

namespace {

int Length(std::string_view text) { return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size()); }

}  // namespace

int CompareIgnoringCaseInLocale(std::string_view a, std::string_view b) {
    // The list box's own order: the user's locale, case ignored.
    const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), Length(a), b.data(), Length(b));
    if (result == 0) return a < b ? -1 : (b < a ? 1 : 0);  // no verdict: plain byte order
    return result - CSTR_EQUAL;
}

bool EqualsIgnoringCaseInLocale(std::string_view a, std::string_view b) { return CompareIgnoringCaseInLocale(a, b) == 0; }

}  // namespace tv
