#pragma once
// Reading the journal: every line that reads, in file order, and a count of those that do not.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "history/JournalEntry.h"

namespace tv {

struct JournalRead {
    bool ours = true;  // false: the first line is not the header; nothing else was read
    std::vector<JournalEntry> entries;
    std::size_t skipped = 0;  // lines that hold no entry (blank lines aside), a torn last line among them
};

// The whole file's text. An empty text is an empty journal. Lines end in CR LF or LF; a last line
// without its end is taken only when it reads whole (the writer quotes every Detail it writes, so a
// line cut short never does).
JournalRead ReadJournal(std::string_view text);

// Whether the file's first line (up to its end or to the end of first) is the header; an empty
// file counts as a journal with no entries yet.
bool StartsAsJournal(std::string_view first);

// The last entry that reads in the closing part of a file: tail holds the file's last bytes, and
// its first line is never taken (the header, or a fragment of a line).
std::optional<JournalEntry> LastJournalEntry(std::string_view tail);

}  // namespace tv
