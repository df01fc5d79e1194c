#pragma once
// Multiply-divide with rounding, as the platform's MulDiv: dialog units to pixels, scaled pictures.
#include <cstdint>
#include <cstdlib>

namespace tv {

// value * numerator / denominator, rounded half away from zero; -1 for a zero denominator.
constexpr int MulDivRound(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t magnitude_denominator = denominator < 0 ? -std::int64_t{denominator} : denominator;
    const std::int64_t magnitude_product = product < 0 ? -product : product;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (magnitude_product + magnitude_denominator / 2) / magnitude_denominator;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace tv
