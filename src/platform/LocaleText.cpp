#include "platform/LocaleText.h"

#include <windows.h>

#include <climits>
#include <string>

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

bool EqualsIgnoringCaseInLocale(std::string_view a, std::string_view b) {
    return CompareIgnoringCaseInLocale(a, b) == 0;
}

std::string SortKeyIgnoringCaseInLocale(std::string_view text) {
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    // Room for the key of most texts, so that one call makes it; a longer key is asked its size.
    std::string key(text.size() * 4 + 16, '\0');
    int size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), Length(text), key.data(), Length(key));
    if (size == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), Length(text), nullptr, 0);
        key.resize(static_cast<std::size_t>(size > 0 ? size : 0));
        if (size > 0) size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), Length(text), key.data(), size);
    }
    if (size <= 0) return std::string(text);  // no key: plain byte order, as the comparison without a verdict
    key.resize(static_cast<std::size_t>(size));
    return key;
}

}  // namespace tv
