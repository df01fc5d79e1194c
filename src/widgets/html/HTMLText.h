#pragma once
// Small text helpers of the markup parser: number conversion and blank runs. Case and trimming
// follow the ASCII rules of platform/TextCase.h.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/TextCase.h"

namespace tv {

// Integer conversion as the markup expects it: leading spaces, an optional sign, then decimal
// digits or hexadecimal after "$" or "0x"; the whole text must be used and fit 32 bits.
std::optional<std::int32_t> TextToInt(std::string_view text);
inline std::int32_t TextToIntDef(std::string_view text, std::int32_t fallback) {
    return TextToInt(text).value_or(fallback);
}

// Nothing but spaces and control characters.
bool IsBlankText(std::string_view text);

}  // namespace tv
