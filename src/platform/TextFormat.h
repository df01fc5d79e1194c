#pragma once
// Message texts are format patterns with %s (and %d) placeholders, filled in order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Replaces each "%s" or "%d" of the pattern, in order, by the next argument; "%%" gives "%".
std::string FormatText(std::string_view pattern, const std::vector<std::string>& args);

inline std::string FormatText(std::string_view pattern, const std::string& arg) {
    return FormatText(pattern, std::vector<std::string>{arg});
}

// The value of a hexadecimal digit in either case, or -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Plain decimal text: optional "-", digits, no grouping.
std::string IntToText(std::int64_t value);

}  // namespace tv
