#pragma once
// The journal file on disk: only ever appended to, one whole line per write (Win32).
#include <functional>
#include <optional>
#include <string>

#include "history/JournalEntry.h"

namespace tv {

inline constexpr const char* kJournalFileName = "FreeCell history.csv";

enum class AppendOutcome { Written, Unchanged, Failed };

struct AppendResult {
    AppendOutcome outcome = AppendOutcome::Unchanged;
    std::string reason;  // why it failed, in the system's words
    std::optional<JournalEntry> written;
};

// Makes the entry to append from the file's last entry (none in a new or empty journal); returns
// none when there is nothing to write.
using MakeJournalEntry = std::function<std::optional<JournalEntry>(const std::optional<JournalEntry>& last)>;

// Opens (creating it with its header line) the journal at path for appending, finds its last
// entry and appends the entry make gives in one write, on a line of its own when the last line was
// cut short. A file whose first line is not the header is not written to.
AppendResult AppendToJournal(const std::string& path, const MakeJournalEntry& make);

}  // namespace tv
