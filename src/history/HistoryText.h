#pragma once
// Texts the History window states in words: the chart's range for screen readers, one period's
// figures under the pointer, and the figures by period (Today, Last 7 days, ...) with the streaks
// and the last games. Dates come in formatted by the caller, in the user's locale.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "history/ChartPeriods.h"
#include "history/CivilDate.h"
#include "history/JournalEntry.h"
#include "history/JournalFigures.h"

namespace tv {

// "Last 7 days", "Last 30 days", "Last 12 months", "All recorded".
std::string_view RangeName(ChartRange range);

// "45 games" ("1 game"), for a count of games.
std::string GamesText(std::int64_t games);

// The percentage the main window shows for these games as its Won and Lost.
std::string PercentOfGames(const GameCounts& games);

// "Last 30 days: 45 games, 30 won, 15 lost, 67%": the chart's name and value for screen readers.
std::string RangeSummaryText(const ChartData& chart);

// One period under the pointer or the keyboard: "8/12/2026: 3 won, 2 lost, 67% overall" (the line's
// percentage: what the main window showed at the period's end), or "8/12/2026: no games".
std::string PeriodTipText(std::string_view date_text, const ChartPeriod& period);

struct FiguresRow {
    std::string name;  // "Today", "Last 7 days", "Last 30 days", "All recorded"
    PeriodFigures figures;
    bool operator==(const FiguresRow&) const = default;
};

struct HistoryFigures {
    std::array<FiguresRow, 4> periods;
    StreakRecord longest_winning, longest_losing;  // dates yyyy-mm-dd (ParseCivilDate); length 0 when none
    std::string last_games;                        // the last ten games, oldest first: "WWLWLLWWWL"
};

HistoryFigures ComputeHistoryFigures(const std::vector<JournalEntry>& points, const CivilDate& today);

// "6 wins", "1 loss": a streak's length in words.
std::string StreakLengthText(std::int64_t length, bool winning);

}  // namespace tv
