#pragma once
// Colour values of "color" and "bgcolor" attributes.
#include <optional>
#include <string_view>

#include "widgets/html/HTMLTypes.h"

namespace tv {

// "#RRGGBB" gives 0x00BBGGRR, or fallback when the digits are no number; a colour name
// ("red", "clRed") gives its value; an unknown name gives current, i.e. leaves it unchanged.
TVtColor ParseHTMLColor(std::string_view value, TVtColor fallback, TVtColor current);

// The named colours, matched case-insensitively with their "cl" prefix.
std::optional<TVtColor> ColorFromName(std::string_view name);

}  // namespace tv
