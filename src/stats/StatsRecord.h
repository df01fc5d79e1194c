#pragma once
// The game's statistics record: six 4-byte values, signed 32-bit little-endian integers.
#include <array>
#include <cstdint>
#include <string_view>

namespace tv {

// The game's key under HKEY_CURRENT_USER; the leading backslash means "from the root".
inline constexpr const char* kStatisticsKeyPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

using RawValue = std::array<std::uint8_t, 4>;

// Order of the Raw record, and the order in which every reader and writer visits the values.
enum class StatValue { Wins, Losses, Won, Lost, Streak, SType };
inline constexpr std::array<StatValue, 6> kRawRecordOrder = {StatValue::Wins, StatValue::Losses, StatValue::Won,
                                                             StatValue::Lost, StatValue::Streak, StatValue::SType};

constexpr const char* ValueName(StatValue v) {
    constexpr const char* names[] = {"Wins", "Losses", "Won", "Lost", "Streak", "SType"};
    return names[static_cast<int>(v)];
}

// The six raw buffers exactly as stored in the registry.
struct RawRecord {
    std::array<RawValue, 6> values{};
    RawValue& operator[](StatValue v) { return values[static_cast<int>(v)]; }
    const RawValue& operator[](StatValue v) const { return values[static_cast<int>(v)]; }
};

// The six figures as signed integers; all 0 before the first successful read.
struct DecodedRecord {
    std::int32_t Won = 0;
    std::int32_t Lost = 0;
    std::int32_t Wins = 0;
    std::int32_t Losses = 0;
    std::int32_t Streak = 0;
    std::int32_t SType = 0;
};

std::int32_t RawBytesToInteger(const RawValue& bytes);
RawValue IntegerToRawBytes(std::int32_t value);
void ClearRawRecord(RawRecord& raw);
DecodedRecord DecodeRawRecord(const RawRecord& raw);

}  // namespace tv
