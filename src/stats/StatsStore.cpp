#include "stats/StatsStore.h"

#include <array>
#include <vector>

#include "platform/Error.h"
#include "platform/Handles.h"
#include "platform/TextFormat.h"

namespace tv {

const char* StatisticsSubKey() { return kStatisticsKeyPath + 1; }

bool ReadRawValue(HKEY key, const char* name, RawValue& buffer) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_DWORD || size > buffer.size())
        throw TvError(FormatText("Invalid data type for '%s'", name));
    // Read into a buffer of exactly four bytes: a value that grew since the size query fails
    // with ERROR_MORE_DATA instead of overrunning.
    RawValue fetched{};
    DWORD fetched_size = static_cast<DWORD>(fetched.size());
    const LONG result = RegQueryValueExA(key, name, nullptr, nullptr, fetched.data(), &fetched_size);
    // The game (or anyone) may delete the value or the key between the two queries: that is a
    // missing value, as if it had been gone at the first query, not an error to show.
    if (result == ERROR_FILE_NOT_FOUND || result == ERROR_KEY_DELETED) return false;
    if (result != ERROR_SUCCESS) throw TvError(FormatText("Failed to get data for '%s'", name));
    for (DWORD i = 0; i < fetched_size && i < buffer.size(); ++i) buffer[i] = fetched[i];
    return true;
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

BackupRead ReadRecordForBackup(RawRecord& raw) {
    BackupRead read;
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return read;
    read.key_opened = true;
    ClearRawRecord(raw);
    for (StatValue v : kRawRecordOrder) read.values_found += ReadRawValue(key.get(), ValueName(v), raw[v]) ? 1 : 0;
    return read;
}

namespace {

// A value as it was before a write: its type and bytes, or its absence.
struct SavedValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

SavedValue SaveValue(HKEY key, const char* name) {
    SavedValue saved;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &saved.type, nullptr, &size) != ERROR_SUCCESS) return saved;
    saved.data.resize(size);
    // The value may change between the two queries; keep whatever the second one gives.
    for (int attempt = 0; attempt < 4; ++attempt) {
        size = static_cast<DWORD>(saved.data.size());
        const LONG rc = RegQueryValueExA(key, name, nullptr, &saved.type, saved.data.data(), &size);
        if (rc == ERROR_SUCCESS) {
            saved.data.resize(size);
            saved.present = true;
            return saved;
        }
        if (rc != ERROR_MORE_DATA) break;
        saved.data.resize(size);
    }
    return saved;
}

void PutBack(HKEY key, const char* name, const SavedValue& saved) {
    if (saved.present)
        RegSetValueExA(key, name, 0, saved.type, saved.data.data(), static_cast<DWORD>(saved.data.size()));
    else
        RegDeleteValueA(key, name);
}

void DeleteRawValue(HKEY key, const char* name) {
    const LONG result = RegDeleteValueA(key, name);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        throw TvError(FormatText("Failed to set data for '%s'", name));
}

}  // namespace

void WriteRecordValuesAllOrNothing(HKEY key, const RawRecord& raw, const RawValueWriter& write,
                                   const RawPresence& present) {
    std::array<SavedValue, kRawRecordOrder.size()> before;
    for (std::size_t i = 0; i < kRawRecordOrder.size(); ++i) before[i] = SaveValue(key, ValueName(kRawRecordOrder[i]));
    std::size_t i = 0;
    try {
        for (; i < kRawRecordOrder.size(); ++i) {
            const StatValue value = kRawRecordOrder[i];
            if (present[static_cast<std::size_t>(value)])
                write(key, ValueName(value), raw[value]);
            else
                DeleteRawValue(key, ValueName(value));
        }
    } catch (...) {
        // The failed value too: a write may have changed it before failing.
        for (std::size_t j = 0; j <= i && j < kRawRecordOrder.size(); ++j)
            PutBack(key, ValueName(kRawRecordOrder[j]), before[j]);
        throw;
    }
}

bool WriteStatisticsRecordAllOrNothing(const RawRecord& raw, const RawValueWriter& write, const RawPresence& present) {
    UniqueHKey key;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, key.put(), &disposition) != ERROR_SUCCESS)
        return false;
    try {
        WriteRecordValuesAllOrNothing(key.get(), raw, write, present);
    } catch (...) {
        key.reset();
        // The key was not there before: leave none behind (only removed while it is empty).
        if (disposition == REG_CREATED_NEW_KEY) RegDeleteKeyA(HKEY_CURRENT_USER, StatisticsSubKey());
        throw;
    }
    return true;
}

}  // namespace tv
