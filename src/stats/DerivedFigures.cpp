#include "stats/DerivedFigures.h"

#include <bit>
#include <cassert>

namespace tv {
namespace {

// A positive binary floating-point value mantissa * 2^exponent with a 64-bit significand
// (top bit of the mantissa set).
struct Extended {
    std::uint64_t mantissa;
    int exponent;
};

int BitLength(std::uint64_t v) { return 64 - std::countl_zero(v); }

// Rounds mantissa (with the given round bit and sticky flag below it) to nearest, ties to even.
Extended RoundNearestEven(std::uint64_t mantissa, int exponent, bool round_bit, bool sticky) {
    if (round_bit && (sticky || (mantissa & 1u))) {
        ++mantissa;
        if (mantissa == 0) {  // carried out of 64 bits
            mantissa = std::uint64_t{1} << 63;
            ++exponent;
        }
    }
    return {mantissa, exponent};
}

// a / b rounded to a 64-bit significand; a, b > 0, both below 2^62.
Extended Divide(std::uint64_t a, std::uint64_t b) {
    std::uint64_t m = a / b;
    std::uint64_t r = a % b;
    int e = 0;
    // Long division in chunks small enough that r << chunk stays below 2^63 (r < b < 2^62).
    const int max_chunk = 63 - BitLength(b);
    while (BitLength(m) < 64) {
        int chunk = m == 0 ? max_chunk : 64 - BitLength(m);
        if (chunk > max_chunk) chunk = max_chunk;
        const std::uint64_t shifted = r << chunk;
        m = (m << chunk) | (shifted / b);
        r = shifted % b;
        e -= chunk;
    }
    r <<= 1;
    const bool round_bit = r >= b;
    if (round_bit) r -= b;
    return RoundNearestEven(m, e, round_bit, r != 0);
}

// x * 100 rounded to a 64-bit significand.
Extended TimesHundred(Extended x) {
    const std::uint64_t hi_part = (x.mantissa >> 32) * 100u;  // < 2^39
    const std::uint64_t lo_part = (x.mantissa & 0xFFFFFFFFu) * 100u;
    std::uint64_t lo = lo_part + (hi_part << 32);
    std::uint64_t hi = (hi_part >> 32) + (lo < lo_part ? 1u : 0u);
    // The product has 64 + s significant bits with s in 1..7 (100 < 2^7).
    const int s = BitLength(hi);
    const std::uint64_t dropped = lo & ((std::uint64_t{1} << s) - 1);
    const std::uint64_t mantissa = (lo >> s) | (hi << (64 - s));
    const bool round_bit = (dropped >> (s - 1)) & 1u;
    const bool sticky = (dropped & ((std::uint64_t{1} << (s - 1)) - 1)) != 0;
    return RoundNearestEven(mantissa, x.exponent + s, round_bit, sticky);
}

// Nearest integer, ties to even.
std::uint64_t RoundToInteger(Extended x) {
    if (x.exponent >= 0) return x.mantissa << x.exponent;  // callers keep the value below 2^62
    const int shift = -x.exponent;
    if (shift > 64) return 0;  // below 0.5
    if (shift == 64) {
        const std::uint64_t half = std::uint64_t{1} << 63;
        return x.mantissa > half ? 1 : 0;  // exactly 0.5 goes to the even 0
    }
    const std::uint64_t integer = x.mantissa >> shift;
    const std::uint64_t rest = x.mantissa & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (integer & 1u))) return integer + 1;
    return integer;
}

std::uint64_t Magnitude(std::int64_t v) {
    return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

}  // namespace

std::int64_t ExtendedPercent(std::int64_t numerator, std::int64_t denominator) {
    assert(denominator != 0);
    if (numerator == 0) return 0;
    const bool negative = (numerator < 0) != (denominator < 0);
    const std::uint64_t value = RoundToInteger(TimesHundred(Divide(Magnitude(numerator), Magnitude(denominator))));
    return negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
}

std::optional<std::int64_t> WinPercent(std::int32_t won, std::int32_t lost) {
    // The sum wraps like the 32-bit addition it stands for.
    const auto d = static_cast<std::int32_t>(static_cast<std::uint32_t>(won) + static_cast<std::uint32_t>(lost));
    if (d == 0) return std::nullopt;
    return ExtendedPercent(won, d);
}

std::string GetPercentText(std::int32_t won, std::int32_t lost) {
    if (won > 0 || lost > 0) {
        const auto p = WinPercent(won, lost);
        if (!p) return kUndefinedPercentText;
        return std::to_string(*p) + "%";
    }
    return "0%";
}

std::string GetStreakText(std::int32_t stype, std::int32_t streak, std::int32_t lost) {
    const std::string n = std::to_string(streak);
    switch (stype) {
        case 0:
            if (lost == 0) return n;
            return n + (streak == 1 ? " loss" : " losses");
        case 1:
            return n + (streak == 1 ? " win" : " wins");
        case 2:
            return n;
        default:
            return "0";
    }
}

std::int64_t WinsNeeded(std::int32_t won, std::int32_t lost) {
    if (won <= 0 || lost <= 0) return 0;
    const std::int64_t percent = *WinPercent(won, lost);  // both positive: the 32-bit sum is never 0
    if (percent >= 100) return 0;
    const std::int64_t target = percent + 1;
    // The plain search tries w = won + 1, won + 2, ... until the percentage reaches the target.
    // The percentage of w wins to `lost` losses never falls as w grows, so a binary search finds
    // the same first w. Sums are 64-bit here: w + lost leaves the 32-bit range for large counts.
    const auto reaches = [&](std::int64_t w) { return ExtendedPercent(w, w + lost) >= target; };
    std::int64_t lo = static_cast<std::int64_t>(won) + 1;  // the search always tries at least one more win
    if (reaches(lo)) return 1;
    // 200 wins per loss give 99.5% or more, which shows as 100: every target is reached by then.
    std::int64_t hi = 200 * static_cast<std::int64_t>(lost) + 1;
    if (hi <= lo) hi = lo + 1;
    while (hi - lo > 1) {  // invariant: reaches(hi), !reaches(lo)
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (reaches(mid))
            hi = mid;
        else
            lo = mid;
    }
    return hi - won;
}

}  // namespace tv
