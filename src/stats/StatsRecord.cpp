#include "stats/StatsRecord.h"

namespace tv {

std::int32_t RawBytesToInteger(const RawValue& bytes) {
    const std::uint32_t u = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                            (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(u);  // two's complement, well defined since C++20
}

RawValue IntegerToRawBytes(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

void ClearRawRecord(RawRecord& raw) {
    for (auto& v : raw.values) v = RawValue{};
}

DecodedRecord DecodeRawRecord(const RawRecord& raw) {
    DecodedRecord d;
    d.Wins = RawBytesToInteger(raw[StatValue::Wins]);
    d.Losses = RawBytesToInteger(raw[StatValue::Losses]);
    d.Won = RawBytesToInteger(raw[StatValue::Won]);
    d.Lost = RawBytesToInteger(raw[StatValue::Lost]);
    d.Streak = RawBytesToInteger(raw[StatValue::Streak]);
    d.SType = RawBytesToInteger(raw[StatValue::SType]);
    return d;
}

}  // namespace tv
