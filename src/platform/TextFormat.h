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

// Plain decimal text: optional "-", digits, no grouping.
std::string IntToText(std::int64_t value);

}  // namespace tv
