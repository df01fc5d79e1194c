#pragma once
// The periods the History chart draws: a bar of games won and lost for each, the percentage the
// main window showed at its end, and marks for clears and restores.
//
// Ranges: "7 days" and "30 days" have one period a day, ending today; "12 months" one a week,
// the weeks that hold the days from the same date a year back (the day after it) to today, the
// first week cut to start on that day so the range counts exactly those days. "All" runs from the
// first point's date to today (or to a later point's date), in days when that spans at most 31 days
// (at most 32 bars), in weeks when it spans at most two years (at most 106 bars), else in calendar
// months; its first period starts at the day, week or month of the first point.
//
// Every point counts on the local date written in its time, by calendar arithmetic on day numbers:
// a clock change or a point in another time zone never moves a game to another day.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/CivilDate.h"
#include "history/JournalEntry.h"
#include "history/JournalFigures.h"

namespace tv {

enum class ChartRange { Days7, Days30, Months12, All };
enum class ChartUnit { Day, Week, Month };

struct ChartPeriod {
    CivilDate first, last;  // both included
    GameCounts games;       // the bar: games won and lost in the period
    // The line: the percentage the main window showed after the period's last point, from its
    // Won and Lost. Empty (a gap in the line, never 0) for a period without games, and where the
    // main window shows "n/a". Outside 0..100 only for negative stored counts: the chart clips it.
    std::optional<std::int64_t> percent;
    std::string percent_text;  // as the main window words it ("n/a" too); empty without games
    bool operator==(const ChartPeriod&) const = default;
};

enum class ChartMarkKind { Clear, Restore };
struct ChartMark {
    std::size_t period = 0;
    ChartMarkKind kind = ChartMarkKind::Clear;
    bool operator==(const ChartMark&) const = default;
};

struct ChartData {
    ChartRange range = ChartRange::Days30;
    ChartUnit unit = ChartUnit::Day;
    std::vector<ChartPeriod> periods;  // oldest first; none for "All" over no points
    std::vector<ChartMark> marks;      // in point order
    GameCounts total;                  // the range's games
};

// points: History::points (the journal, with the backups before it). first_weekday: 0 Monday ...
// 6 Sunday, the user's locale setting.
ChartData ComputeChartPeriods(const std::vector<JournalEntry>& points, ChartRange range, const CivilDate& today,
                              int first_weekday);

}  // namespace tv
