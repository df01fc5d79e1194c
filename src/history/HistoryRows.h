#pragma once
// The History window's entry list: each row's texts, newest first, and the clipboard's table.
// Times are the caller's to write (the user's short date and long time formats).
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "history/HistoryEntries.h"

namespace tv {

inline constexpr std::array<const char*, 6> kHistoryColumnTitles = {"Time", "Event",      "Won",
                                                                    "Lost", "Percentage", "Streak"};

// The columns after Time. Won and Lost are empty where the value was absent (apart from 0); the
// percentage and the streak are what the main window showed for the entry's values, which reads
// an absent count as 0 and an absent SType as 2 ("no kind"): a Clear shows "0%" and "0".
struct HistoryRowText {
    std::string event;  // "Won", "Lost", "Clear", "Restore of <file>", "Start", "Change", "Backup[: <name>]"
    std::string won, lost, percent, streak;
    bool operator==(const HistoryRowText&) const = default;
};

HistoryRowText RowTextOf(HistoryKind kind, const JournalEntry& record);

// Row 0 is the newest entry. Requires row < history.entries.size().
const HistoryEntry& EntryOfRow(const History& history, std::size_t row);
HistoryRowText RowTextOf(const History& history, std::size_t row);

// The Time cell of a record, in the user's formats: its time reads with ParseJournalTime.
using HistoryTimeText = std::function<std::string(const JournalEntry&)>;

// Tab-separated, a header line first, every line ending in CR LF, for the rows given (in list
// order whatever the order given; rows past the end ignored) or for every row when none is given.
// A tab or line end inside a text (a Detail edited in a spreadsheet) becomes a blank, so every
// entry stays one line of six cells.
std::string ClipboardText(const History& history, std::vector<std::size_t> rows, const HistoryTimeText& time_text);

}  // namespace tv
