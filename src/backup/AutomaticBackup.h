#pragma once
// The automatic backup: before Clear deletes the statistics or a restore overwrites them, what
// is there is written to a backup file, so that the restore dialog can undo the command.
#include <windows.h>

#include <string>

#include "backup/AutomaticBackupRules.h"
#include "backup/BackupFormat.h"

namespace tv {

// Reads the game's values afresh and writes them to a new backup file in folder (with its
// trailing separator) under the command's automatic backup name, at the first second from now
// whose file name is free. Nothing to save when the key is absent or holds none of the six
// values; Failed, with the reason, when a value cannot be read or the file cannot be written.
BackupFirstResult WriteAutomaticBackup(const std::string& folder, OverwritingCommand command, const BackupStamp& now);

// The automatic backup of now and, when it fails, the question whether to go on without it, in a
// Confirmation box over owner whose default is No. True when the command is to go on.
bool BackUpBeforeOverwriting(HWND owner, const std::string& folder, OverwritingCommand command);

}  // namespace tv
