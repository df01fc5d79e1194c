#pragma once
// Text compared as the user's locale does it, ignoring case: accented letters sort with their
// base letters and fold with their capitals, as the platform's list boxes and its own comparison
// treat them. The text is in the system's ANSI code page.
#include <string>
#include <string_view>

namespace tv {

int CompareIgnoringCaseInLocale(std::string_view a, std::string_view b);
bool EqualsIgnoringCaseInLocale(std::string_view a, std::string_view b);

// The locale's sort key of a text, case ignored: two keys compare byte by byte as the comparison
// above compares their texts. A sort makes one key per text instead of asking the locale at every
// comparison of two texts.
std::string SortKeyIgnoringCaseInLocale(std::string_view text);

}  // namespace tv
