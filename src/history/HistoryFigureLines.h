#pragma once
// The History window's lines of text: the figures by period, one a line, and the journal's status
// (Win32: dates in the user's short date format).
#include <string>
#include <vector>

#include "history/HistoryText.h"
#include "history/JournalRecorder.h"

namespace tv {

// "Today: 2 games, 1 won, 1 lost, 50%" ... "Longest winning streak: 3 wins, 12/1/2026 to 12/2/2026",
// "Last ten games: WWL".
std::vector<std::string> FigureLines(const HistoryFigures& figures);

// Since when and why the journal is not being recorded; empty while it is.
std::string StatusText(const JournalStatus& status);

// A text's lines, split at LF (a CR before it dropped); none for an empty text.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace tv
