#pragma once
// Text to integer by the rules backup files and their names use (decimal or hexadecimal).
#include <cstdint>
#include <optional>
#include <string_view>

namespace tv {

// Leading blanks are skipped; then either an optional sign and decimal digits that fit a signed
// 32-bit integer, or "$", "x", "X" or "0x" and hexadecimal digits up to FFFFFFFF (values above
// 7FFFFFFF wrap to negative). Nothing may follow. Empty when the text does not convert.
std::optional<std::int32_t> TryTextToInteger(std::string_view text);

// As above; throws TvError "'%s' is not a valid integer value" when the text does not convert.
std::int32_t TextToInteger(std::string_view text);

}  // namespace tv
