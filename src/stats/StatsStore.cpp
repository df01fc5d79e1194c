#include "stats/StatsStore.h"

#include "platform/Error.h"
#include "platform/Handles.h"
#include "platform/TextFormat.h"

namespace tv {

const char* StatisticsSubKey() { return kStatisticsKeyPath + 1; }

void ReadRawValue(HKEY key, const char* name, RawValue& buffer) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return;
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_DWORD || size > buffer.size())
        throw TvError(FormatText("Invalid data type for '%s'", name));
    // Read into a buffer of exactly four bytes: a value that grew since the size query fails
    // with ERROR_MORE_DATA instead of overrunning.
    RawValue fetched{};
    DWORD fetched_size = static_cast<DWORD>(fetched.size());
    if (RegQueryValueExA(key, name, nullptr, nullptr, fetched.data(), &fetched_size) != ERROR_SUCCESS)
        throw TvError(FormatText("Failed to get data for '%s'", name));
    for (DWORD i = 0; i < fetched_size && i < buffer.size(); ++i) buffer[i] = fetched[i];
}

void WriteRawValue(HKEY key, const char* name, const RawValue& bytes) {
    if (RegSetValueExA(key, name, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw TvError(FormatText("Failed to set data for '%s'", name));
}

bool ReadStatisticsRecord(RawRecord& raw) {
    ClearRawRecord(raw);
    raw[StatValue::SType][0] = 2;  // a missing SType means "no kind"
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
    for (StatValue v : kRawRecordOrder) ReadRawValue(key.get(), ValueName(v), raw[v]);
    return true;
}

bool WriteStatisticsRecord(const RawRecord& raw) {
    UniqueHKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        return false;
    for (StatValue v : kRawRecordOrder) WriteRawValue(key.get(), ValueName(v), raw[v]);
    return true;
}

}  // namespace tv
