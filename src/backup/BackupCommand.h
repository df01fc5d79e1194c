#pragma once
// The backup command: asks for a name, reads the game's values afresh and writes a backup file.
// It tells the user nothing itself: it returns its outcome, and the main window reports it.
#include <windows.h>

#include <string>

#include "stats/StatsRecord.h"

namespace tv {

inline constexpr const char* kBackupCompletedText = "FreeCell statistics backup completed.";

enum class BackupOutcome {
    Cancelled,     // the prompt was cancelled: nothing changed
    NoStatistics,  // the game's key cannot be opened: no file, nothing to say
    Completed,
    Failed,  // the file could not be written; error holds the reason
};

struct BackupResult {
    BackupOutcome outcome;
    std::string error;
};

// "Could not backup statistics." and, on the next line, the reason.
std::string BackupFailedText(const std::string& error);

// owner: the main window (owner of the prompt); folder: where backups live, with its trailing
// separator; backup_name: FBackupName, the prompt's initial text and, after OK, the trimmed name;
// raw: the Raw record, refilled from the registry. An error reading a value is raised, for the
// General error box.
BackupResult RunBackupCommand(HWND owner, const std::string& folder, std::string& backup_name, RawRecord& raw);

}  // namespace tv
