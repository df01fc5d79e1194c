#pragma once
// What the journal's end-to-end tests share: writing a game as the game does, and reading the
// journal beside the program.
#include <string>
#include <vector>

#include "e2e/backup/BackupSupport.h"
#include "history/JournalEntry.h"
#include "support/system/Registry.h"

namespace tv::e2e {

inline constexpr const char* kJournal = kHistoryFileName;

// The six values written one after the other from this process, as the game writes them.
void WriteGameAsTheGameDoes(const test::GameFigures& f);

// The entries of the journal in folder (none when it is absent).
std::vector<JournalEntry> JournalEntries(const std::string& folder);
// Waits until the journal holds count entries, then a second more to see that no further one comes;
// true when it holds exactly count.
bool JournalSettlesAt(const std::string& folder, std::size_t count);

JournalValues JournalValuesOf(const test::GameFigures& f);

}  // namespace tv::e2e
