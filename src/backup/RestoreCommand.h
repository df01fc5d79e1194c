#pragma once
// Putting an earlier state of the six values back: what the restore dialog and the History window
// share once the player has chosen the state.
#include <windows.h>

#include <string>

#include "stats/StatsRecord.h"
#include "stats/StatsStore.h"

namespace tv {

// The confirmation of a restore, for the state's date (and time) text and its backup name (empty
// when it has none).
std::string RestoreQuestion(const std::string& date_text, const std::string& backup_name);

// A Confirmation box over owner with RestoreQuestion; true on Yes.
bool ConfirmRestore(HWND owner, const std::string& date_text, const std::string& backup_name);

// Saves what is there first (the "Before Restore" backup in folder, with its trailing separator),
// then writes the values all or nothing, an absent one deleted. False, having told the player,
// when the restore did not happen; a value that cannot be written puts the others back and
// reaches the General error box as its error.
bool RestoreStatistics(HWND owner, const std::string& folder, const RawRecord& raw,
                       const RawPresence& present = kAllValuesPresent);

}  // namespace tv
