#pragma once
// What the History window reads from disk: the journal whole, and each backup file beside the
// program as a snapshot of the six values (Win32).
#include <string>

#include "backup/BackupFormat.h"
#include "history/HistoryEntries.h"
#include "history/JournalReader.h"

namespace tv {

// The journal's entries; an empty journal when there is no file yet. Throws TvError when a file
// that is there cannot be read.
JournalRead ReadJournalFile(const std::string& path);

// The backup file of entry in folder (with its trailing separator): its time and name from the
// listing, its values from its lines, a value it does not hold empty. Throws TvError when it cannot
// be read or a value is not a valid integer.
BackupSnapshot ReadBackupSnapshot(const std::string& folder, const BackupEntry& entry);

}  // namespace tv
