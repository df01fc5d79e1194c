#include "widgets/html/HTMLText.h"

#include "platform/TextFormat.h"

namespace tv {

std::optional<std::int32_t> TextToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexDigitValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    if (hex) {
        // Hexadecimal covers the full 32 bits, so $FFFFFFFF is -1.
        const auto bits = static_cast<std::uint32_t>(value);
        const auto signedValue = static_cast<std::int32_t>(bits);
        if (negative) return static_cast<std::int32_t>(0u - bits);
        return signedValue;
    }
    if (negative) {
        if (value > 2147483648ull) return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    if (value > 2147483647ull) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool IsBlankText(std::string_view text) { return TrimBlanks(text).empty(); }

}  // namespace tv
