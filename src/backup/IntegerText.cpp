#include "backup/IntegerText.h"

#include <string>

#include "platform/Error.h"
#include "platform/TextFormat.h"

namespace tv {

namespace {

std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> TryTextToInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') return ParseHex(text.substr(1));
    if (text.size() >= 2 && text[0] == '0' && text[1] == 'x') return ParseHex(text.substr(2));
    return ParseDecimal(text);
}

std::int32_t TextToInteger(std::string_view text) {
    if (auto value = TryTextToInteger(text)) return *value;
    throw TvError(FormatText("'%s' is not a valid integer value", std::string(text)));
}

}  // namespace tv
