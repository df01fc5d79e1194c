#include <gtest/gtest.h>

#include "stats/StatsRecord.h"

namespace tv {
namespace {

TEST(RawBytes, DecodesLittleEndianTwosComplement) {
    EXPECT_EQ(RawBytesToInteger({0x39, 0, 0, 0}), 57);
    EXPECT_EQ(RawBytesToInteger({0x2C, 0x01, 0, 0}), 300);
    EXPECT_EQ(RawBytesToInteger({0xFF, 0xFF, 0xFF, 0xFF}), -1);
    EXPECT_EQ(RawBytesToInteger({0, 0, 0, 0x80}), INT32_MIN);
    EXPECT_EQ(RawBytesToInteger({0x05, 0x01, 0, 0}), 261);
}

TEST(RawBytes, EncodingIsTheInverseForEveryPatternSampled) {
    for (std::int64_t v = INT32_MIN; v <= INT32_MAX; v += 65537) {
        const auto i = static_cast<std::int32_t>(v);
        EXPECT_EQ(RawBytesToInteger(IntegerToRawBytes(i)), i);
    }
    EXPECT_EQ(IntegerToRawBytes(-1), (RawValue{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(IntegerToRawBytes(300), (RawValue{0x2C, 0x01, 0x00, 0x00}));
}

TEST(RawRecord, ClearZeroesAllSixAndDecodeFollowsRecordOrder) {
    RawRecord raw;
    for (StatValue v : kRawRecordOrder) raw[v] = {0xAA, 0xBB, 0xCC, 0xDD};
    ClearRawRecord(raw);
    for (StatValue v : kRawRecordOrder) EXPECT_EQ(raw[v], RawValue{});
    raw[StatValue::Wins] = IntegerToRawBytes(9);
    raw[StatValue::Losses] = IntegerToRawBytes(6);
    raw[StatValue::Won] = IntegerToRawBytes(57);
    raw[StatValue::Lost] = IntegerToRawBytes(43);
    raw[StatValue::Streak] = IntegerToRawBytes(3);
    raw[StatValue::SType] = IntegerToRawBytes(1);
    const DecodedRecord d = DecodeRawRecord(raw);
    EXPECT_EQ(d.Wins, 9);
    EXPECT_EQ(d.Losses, 6);
    EXPECT_EQ(d.Won, 57);
    EXPECT_EQ(d.Lost, 43);
    EXPECT_EQ(d.Streak, 3);
    EXPECT_EQ(d.SType, 1);
    EXPECT_STREQ(ValueName(StatValue::SType), "SType");
    EXPECT_STREQ(ValueName(kRawRecordOrder[0]), "Wins");
}

}  // namespace
}  // namespace tv
