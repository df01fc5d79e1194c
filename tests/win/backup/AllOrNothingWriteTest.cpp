// A restore's registry write either stores all six values or leaves the key as it was.
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "platform/Error.h"
#include "stats/StatsStore.h"
#include "support/ErrorOf.h"
#include "support/system/Registry.h"

namespace tv {
namespace {

struct Stored {
    DWORD type;
    std::vector<std::uint8_t> bytes;
    bool operator==(const Stored&) const = default;
};

// Every one of the six values as it is now (absent ones left out).
std::map<std::string, Stored> Snapshot() {
    std::map<std::string, Stored> values;
    for (StatValue v : kRawRecordOrder) {
        DWORD type = 0;
        if (auto bytes = test::ReadGameValue(ValueName(v), &type)) values[ValueName(v)] = {type, *bytes};
    }
    return values;
}

RawRecord Record(std::int32_t base) {
    RawRecord raw;
    for (std::size_t i = 0; i < raw.values.size(); ++i) raw.values[i] = IntegerToRawBytes(base + static_cast<int>(i));
    return raw;
}

// Writes for real, but refuses the named value after storing it.
RawValueWriter FailingAt(const std::string& failing) {
    return [failing](HKEY key, const char* name, const RawValue& bytes) {
        WriteRawValue(key, name, bytes);
        if (failing == name) throw TvError("Failed to set data for '" + failing + "'");
    };
}

using test::ErrorOf;

class AllOrNothingWrite : public testing::Test {
protected:
    void SetUp() override { test::DeleteGameKey(); }
    void TearDown() override { test::DeleteGameKey(); }
};

TEST_F(AllOrNothingWrite, WritesSixBinaryValuesCreatingTheKey) {
    ASSERT_TRUE(WriteStatisticsRecordAllOrNothing(Record(100)));
    const auto now = Snapshot();
    ASSERT_EQ(now.size(), 6u);
    for (StatValue v : kRawRecordOrder) {
        EXPECT_EQ(now.at(ValueName(v)).type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(now.at(ValueName(v)).bytes.size(), 4u);
    }
    EXPECT_EQ(now.at("Wins").bytes, (std::vector<std::uint8_t>{100, 0, 0, 0}));
    EXPECT_EQ(now.at("SType").bytes, (std::vector<std::uint8_t>{105, 0, 0, 0}));
}

TEST_F(AllOrNothingWrite, AFailurePartWayPutsBackValuesAndAbsences) {
    test::WriteGameValue("Wins", REG_BINARY, {1, 0, 0, 0});
    test::WriteGameValue("Losses", REG_BINARY, {2, 0});                    // shorter than four bytes
    test::WriteGameValue("Won", REG_DWORD, {3, 0, 0, 0});                  // another type
    test::WriteGameValue("Streak", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});  // longer
    // "Lost" and "SType" are absent.
    const auto before = Snapshot();
    ASSERT_EQ(before.size(), 4u);
    EXPECT_EQ(ErrorOf([] { WriteStatisticsRecordAllOrNothing(Record(100), FailingAt("Lost")); }),
              "Failed to set data for 'Lost'");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(test::GameKeyExists());
}

TEST_F(AllOrNothingWrite, FailuresAtTheFirstAndLastValue) {
    ASSERT_TRUE(WriteStatisticsRecordAllOrNothing(Record(10)));
    const auto before = Snapshot();
    EXPECT_EQ(ErrorOf([] { WriteStatisticsRecordAllOrNothing(Record(100), FailingAt("Wins")); }),
              "Failed to set data for 'Wins'");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(ErrorOf([] { WriteStatisticsRecordAllOrNothing(Record(100), FailingAt("SType")); }),
              "Failed to set data for 'SType'");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(AllOrNothingWrite, AbsentValuesAreDeletedAndComeBackOnFailure) {
    ASSERT_TRUE(WriteStatisticsRecordAllOrNothing(Record(10)));
    RawPresence present = kAllValuesPresent;
    present[static_cast<std::size_t>(StatValue::SType)] = false;
    present[static_cast<std::size_t>(StatValue::Losses)] = false;
    const auto before = Snapshot();
    // A failure after the deletions puts the deleted values back.
    EXPECT_EQ(ErrorOf([&] { WriteStatisticsRecordAllOrNothing(Record(100), FailingAt("Streak"), present); }),
              "Failed to set data for 'Streak'");
    EXPECT_EQ(Snapshot(), before);
    ASSERT_TRUE(WriteStatisticsRecordAllOrNothing(Record(100), WriteRawValue, present));
    const auto now = Snapshot();
    EXPECT_EQ(now.size(), 4u);
    EXPECT_FALSE(now.contains("SType"));
    EXPECT_FALSE(now.contains("Losses"));
    EXPECT_EQ(now.at("Wins").bytes, (std::vector<std::uint8_t>{100, 0, 0, 0}));
}

TEST_F(AllOrNothingWrite, AKeyThatWasNotThereIsNotLeftBehind) {
    ASSERT_FALSE(test::GameKeyExists());
    EXPECT_EQ(ErrorOf([] { WriteStatisticsRecordAllOrNothing(Record(100), FailingAt("Streak")); }),
              "Failed to set data for 'Streak'");
    EXPECT_FALSE(test::GameKeyExists());
}

}  // namespace
}  // namespace tv
