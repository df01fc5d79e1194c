#pragma once
// The backup command: asks for a name, reads the game's values afresh and writes a backup file.
#include <windows.h>

#include <string>

#include "stats/StatsRecord.h"

namespace tv {

// owner: the main window (owner of the prompt and the message boxes); folder: where backups live,
// with its trailing separator; backup_name: FBackupName, the prompt's initial text and, after OK,
// the trimmed name; raw: the Raw record, refilled from the registry.
void RunBackupCommand(HWND owner, const std::string& folder, std::string& backup_name, RawRecord& raw);

}  // namespace tv
