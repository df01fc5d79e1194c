#pragma once
// The registry side of the statistics record (Win32).
#include <windows.h>

#include <array>
#include <functional>

#include "stats/StatsRecord.h"

namespace tv {

// The Statistics key's path below HKEY_CURRENT_USER (the literal without its leading backslash).
const char* StatisticsSubKey();

// Reads one value into a 4-byte buffer by the store's type and size rules; a missing value leaves
// the buffer untouched. True when the value was there and has been read. Throws TvError
// "Invalid data type for '%s'" / "Failed to get data for '%s'".
bool ReadRawValue(HKEY key, const char* name, RawValue& buffer);

// Stores four bytes as a REG_BINARY value. Throws TvError "Failed to set data for '%s'".
void WriteRawValue(HKEY key, const char* name, const RawValue& bytes);

// The main window's read: presets the Raw record (SType 2), then reads the six values in record
// order. Returns false, touching nothing further, when the key cannot be opened for reading.
bool ReadStatisticsRecord(RawRecord& raw);

// What a backup read found.
struct BackupRead {
    bool key_opened = false;  // false: the key is absent or unreadable, nothing was read
    int values_found = 0;     // how many of the six values were there
};

// A backup's read: clears the Raw record (no SType preset) and reads the six values over it in
// record order. Raises the errors of ReadRawValue.
BackupRead ReadRecordForBackup(RawRecord& raw);

// Writes one value; WriteRawValue, or a stand-in that fails on purpose.
using RawValueWriter = std::function<void(HKEY key, const char* name, const RawValue& bytes)>;

// Which of the six values (indexed as the Raw record) a write puts there; an absent one is deleted
// instead, so that a state without it comes back as it was.
using RawPresence = std::array<bool, 6>;
inline constexpr RawPresence kAllValuesPresent = {true, true, true, true, true, true};

// Writes the six values in record order, all or nothing: when one cannot be written, the values
// (and the absence of values) that were there before are put back, then the write's error
// ("Failed to set data for '%s'") is thrown.
void WriteRecordValuesAllOrNothing(HKEY key, const RawRecord& raw, const RawValueWriter& write = WriteRawValue,
                                   const RawPresence& present = kAllValuesPresent);

// A restore's write: opens (creating if need be) the key with full access and writes the six
// values in record order, all or nothing; a key that it had to create is removed again on failure.
// Returns false, writing nothing, when the key cannot be opened or created.
bool WriteStatisticsRecordAllOrNothing(const RawRecord& raw, const RawValueWriter& write = WriteRawValue,
                                       const RawPresence& present = kAllValuesPresent);

}  // namespace tv
