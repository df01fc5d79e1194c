// The statistics store against the real registry of the test prefix.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/Handles.h"
#include "stats/StatsStore.h"
#include "support/ErrorOf.h"

namespace tv {
namespace {

class StatsStore : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, StatisticsSubKey()); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, StatisticsSubKey()); }

    static void Put(const char* name, DWORD type, std::vector<BYTE> bytes) {
        UniqueHKey key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  key.put(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
    static UniqueHKey OpenRead() {
        UniqueHKey key;
        RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_READ, key.put());
        return key;
    }
    static std::string ErrorOf(const std::function<void()>& f) { return test::ErrorOf(f); }
};

TEST_F(StatsStore, KeyPathStartsBelowTheRoot) {
    EXPECT_STREQ(StatisticsSubKey(), "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell");
}

TEST_F(StatsStore, AbsentKeyReadsNothingAfterThePresets) {
    RawRecord raw;
    for (StatValue v : kRawRecordOrder) raw[v] = {7, 7, 7, 7};
    EXPECT_FALSE(ReadStatisticsRecord(raw));
    // Cleared and preset before the key is opened, whether or not it opens.
    for (StatValue v : kRawRecordOrder)
        EXPECT_EQ(raw[v], (v == StatValue::SType ? RawValue{2, 0, 0, 0} : RawValue{})) << ValueName(v);
}

TEST_F(StatsStore, MissingValuesKeepTheirPresets) {
    Put("Won", REG_BINARY, {0x39, 0, 0, 0});
    RawRecord raw;
    ASSERT_TRUE(ReadStatisticsRecord(raw));
    const DecodedRecord d = DecodeRawRecord(raw);
    EXPECT_EQ(d.Won, 57);
    EXPECT_EQ(d.Lost, 0);
    EXPECT_EQ(d.SType, 2);
}

TEST_F(StatsStore, ShortValuesFillOnlyTheirLeadingBytes) {
    Put("Wins", REG_BINARY, {0x05, 0x01});
    UniqueHKey key = OpenRead();
    RawValue buffer{0xAA, 0xBB, 0xCC, 0xDD};
    EXPECT_TRUE(ReadRawValue(key.get(), "Wins", buffer));
    EXPECT_EQ(buffer, (RawValue{0x05, 0x01, 0xCC, 0xDD}));
    RawRecord raw;
    ASSERT_TRUE(ReadStatisticsRecord(raw));
    EXPECT_EQ(DecodeRawRecord(raw).Wins, 261);
}

TEST_F(StatsStore, AllOnesIsMinusOneAndRegNoneIsAccepted) {
    Put("Lost", REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF});
    Put("Streak", REG_NONE, {0x03, 0, 0, 0});
    RawRecord raw;
    ASSERT_TRUE(ReadStatisticsRecord(raw));
    EXPECT_EQ(DecodeRawRecord(raw).Lost, -1);
    EXPECT_EQ(DecodeRawRecord(raw).Streak, 3);
}

TEST_F(StatsStore, MissingValueLeavesTheBufferUntouched) {
    Put("Won", REG_BINARY, {1, 0, 0, 0});
    UniqueHKey key = OpenRead();
    RawValue buffer{9, 9, 9, 9};
    EXPECT_FALSE(ReadRawValue(key.get(), "Nothing", buffer));
    EXPECT_EQ(buffer, (RawValue{9, 9, 9, 9}));
}

TEST_F(StatsStore, ABackupsReadCountsTheValuesThatAreThereAndPresetsNothing) {
    RawRecord raw;
    raw[StatValue::Wins] = {7, 7, 7, 7};
    BackupRead read = ReadRecordForBackup(raw);
    EXPECT_FALSE(read.key_opened);
    EXPECT_EQ(read.values_found, 0);
    Put("Options", REG_DWORD, {1, 0, 0, 0});
    read = ReadRecordForBackup(raw);
    EXPECT_TRUE(read.key_opened);
    EXPECT_EQ(read.values_found, 0);
    Put("Won", REG_BINARY, {0x39, 0, 0, 0});
    Put("Streak", REG_NONE, {0x03});
    read = ReadRecordForBackup(raw);
    EXPECT_EQ(read.values_found, 2);
    RawRecord expected;
    expected[StatValue::Won] = {0x39, 0, 0, 0};
    expected[StatValue::Streak] = {0x03, 0, 0, 0};
    for (StatValue v : kRawRecordOrder) EXPECT_EQ(raw[v], expected[v]) << ValueName(v);  // SType 0, not 2
}

TEST_F(StatsStore, DwordWonFailsAfterWinsAndLossesWereRead) {
    Put("Wins", REG_BINARY, {9, 0, 0, 0});
    Put("Losses", REG_BINARY, {6, 0, 0, 0});
    Put("Won", REG_DWORD, {57, 0, 0, 0});
    Put("Lost", REG_BINARY, {43, 0, 0, 0});
    RawRecord raw;
    EXPECT_EQ(ErrorOf([&] { ReadStatisticsRecord(raw); }), "Invalid data type for 'Won'");
    EXPECT_EQ(DecodeRawRecord(raw).Wins, 9);
    EXPECT_EQ(DecodeRawRecord(raw).Losses, 6);
    EXPECT_EQ(DecodeRawRecord(raw).Won, 0);
    EXPECT_EQ(DecodeRawRecord(raw).Lost, 0);  // not reached
}

TEST_F(StatsStore, StringAndLongValuesAreInvalid) {
    Put("Streak", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});
    Put("Lost", REG_SZ, {'4', '3', 0});
    Put("SType", REG_EXPAND_SZ, {'1', 0});
    UniqueHKey key = OpenRead();
    RawValue buffer{};
    EXPECT_EQ(ErrorOf([&] { ReadRawValue(key.get(), "Streak", buffer); }), "Invalid data type for 'Streak'");
    EXPECT_EQ(ErrorOf([&] { ReadRawValue(key.get(), "Lost", buffer); }), "Invalid data type for 'Lost'");
    EXPECT_EQ(ErrorOf([&] { ReadRawValue(key.get(), "SType", buffer); }), "Invalid data type for 'SType'");
    EXPECT_EQ(buffer, RawValue{});
}

TEST_F(StatsStore, UnknownTypesUpToFourBytesAreAccepted) {
    Put("Won", 0x1234, {0x2C, 0x01, 0, 0});
    UniqueHKey key = OpenRead();
    RawValue buffer{};
    ReadRawValue(key.get(), "Won", buffer);
    EXPECT_EQ(RawBytesToInteger(buffer), 300);
}

TEST_F(StatsStore, WhatARestoreWritesReadsBackAsTheSameRecord) {
    RawRecord raw;
    raw[StatValue::Won] = IntegerToRawBytes(57);
    raw[StatValue::Lost] = IntegerToRawBytes(-1);
    raw[StatValue::SType] = IntegerToRawBytes(1);
    ASSERT_TRUE(WriteStatisticsRecordAllOrNothing(raw));
    UniqueHKey key = OpenRead();
    ASSERT_TRUE(key);
    for (StatValue v : kRawRecordOrder) {
        DWORD type = 0, size = 0;
        ASSERT_EQ(RegQueryValueExA(key.get(), ValueName(v), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << ValueName(v);
        EXPECT_EQ(size, 4u) << ValueName(v);
    }
    RawRecord back;
    ASSERT_TRUE(ReadStatisticsRecord(back));
    EXPECT_EQ(back.values, raw.values);
}

TEST_F(StatsStore, WriteThroughAReadOnlyKeyFailsNamingTheValue) {
    Put("Won", REG_BINARY, {0, 0, 0, 0});
    UniqueHKey key = OpenRead();
    EXPECT_EQ(ErrorOf([&] { WriteRawValue(key.get(), "Won", RawValue{1, 0, 0, 0}); }), "Failed to set data for 'Won'");
}

}  // namespace
}  // namespace tv
