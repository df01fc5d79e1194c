#pragma once
// The journal's line format: comma-separated values as spreadsheets read and write them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/JournalEntry.h"

namespace tv {

// The first line of every journal, without its line end.
inline constexpr std::string_view kJournalHeader = "Time,Event,Won,Lost,Wins,Losses,Streak,SType,Detail";
inline constexpr std::string_view kJournalLineEnd = "\r\n";
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One field as written: quoted, with its quotes doubled, when it holds a comma, a quote or a line
// end; always when quote_always (a field cut short by a crash then no longer reads).
std::string CsvField(std::string_view text, bool quote_always = false);

// The fields of one line (no line end in it), quoted or not; empty when a quote is left open or
// text follows a closing quote.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);

// The line of an entry, line end included.
std::string FormatJournalLine(const JournalEntry& entry);

// The entry a line holds; empty when it is not one (too few or too many fields, a time, event or
// value that does not read).
std::optional<JournalEntry> ParseJournalLine(std::string_view line);

// Whether line (its line end removed) is the header, as a spreadsheet may save it back: with a
// byte-order mark, any quoting, spaces around the fields.
bool IsJournalHeader(std::string_view line);

}  // namespace tv
