// The registry side of Clear against the real registry.
#include <windows.h>
#include <gtest/gtest.h>

#include "stats/ClearCommand.h"
#include "stats/StatsStore.h"

namespace tv {
namespace {

const char* const kSix[] = {"Wins", "Losses", "Won", "Lost", "Streak", "SType"};

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool ValueExists(const char* name) {
    return RegGetValueA(HKEY_CURRENT_USER, StatisticsSubKey(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void Write(const char* name, DWORD type = REG_BINARY) {
    const BYTE bytes[4] = {7, 0, 0, 0};
    RegSetKeyValueA(HKEY_CURRENT_USER, StatisticsSubKey(), name, type, bytes, 4);
}

class ClearCommand : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, StatisticsSubKey()); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, StatisticsSubKey()); }
};

TEST_F(ClearCommand, DeletesTheSixValuesOnlyAndKeepsTheKey) {
    for (const char* v : kSix) Write(v);
    Write("Options", REG_DWORD);
    DeleteStatisticsValues();
    EXPECT_TRUE(KeyExists());
    for (const char* v : kSix) EXPECT_FALSE(ValueExists(v)) << v;
    EXPECT_TRUE(ValueExists("Options"));
}

TEST_F(ClearCommand, MissingValuesDoNotStopTheOthers) {
    Write("Won");
    Write("SType", REG_DWORD);  // whatever its type
    DeleteStatisticsValues();
    EXPECT_FALSE(ValueExists("Won"));
    EXPECT_FALSE(ValueExists("SType"));
    EXPECT_TRUE(KeyExists());
}

TEST_F(ClearCommand, WithoutTheKeyNothingHappens) {
    DeleteStatisticsValues();
    EXPECT_FALSE(KeyExists());
}

}  // namespace
}  // namespace tv
