#pragma once
// Figures computed from the record: win percentage, current-streak text, wins needed.
#include <cstdint>
#include <optional>
#include <string>

namespace tv {

// Shown instead of a percentage when won + lost is 0 although one count is positive
// (only possible with negative stored counts).
inline constexpr const char* kUndefinedPercentText = "n/a";

// round(round64(round64(numerator / denominator) * 100)): both intermediate results rounded to a
// 64-bit significand (the x87 extended format), ties to even, then ties to even to an integer.
// Computed in integers so that every compiler gives the same answer. Requires denominator != 0,
// |numerator| and |denominator| below 2^62 and a quotient below 2^52.
std::int64_t ExtendedPercent(std::int64_t numerator, std::int64_t denominator);

// WinPercent(won, lost) with d = won + lost as a 32-bit signed sum; empty when d is 0.
std::optional<std::int64_t> WinPercent(std::int32_t won, std::int32_t lost);

std::string GetPercentText(std::int32_t won, std::int32_t lost);
std::string GetStreakText(std::int32_t stype, std::int32_t streak, std::int32_t lost);

// Further wins (with no further loss) that raise the displayed percentage by at least one point;
// 0 when won or lost is not positive or the percentage is already 100 or more.
std::int64_t WinsNeeded(std::int32_t won, std::int32_t lost);

}  // namespace tv
