#pragma once
// Small text helpers of the markup parser: number conversion, case and trimming.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

// Integer conversion as the markup expects it: leading spaces, an optional sign, then decimal
// digits or hexadecimal after "$" or "0x"; the whole text must be used and fit 32 bits.
std::optional<std::int32_t> TextToInt(std::string_view text);
inline std::int32_t TextToIntDef(std::string_view text, std::int32_t fallback) {
    return TextToInt(text).value_or(fallback);
}

std::string LowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Trimming removes spaces and control characters.
std::string_view TrimText(std::string_view text);
std::string_view TrimRightText(std::string_view text);
bool IsBlankText(std::string_view text);

}  // namespace tv
