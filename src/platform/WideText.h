#pragma once
// Texts of the program are 8-bit in the system's ANSI code page (the -A calls); the few calls that
// take only UTF-16 (visual styles, accessibility) get them converted here.
#include <string>
#include <string_view>

namespace tv {

// The text in UTF-16, converted from the ANSI code page; every byte counts, a zero byte included.
std::wstring AnsiToWide(std::string_view text);

}  // namespace tv
