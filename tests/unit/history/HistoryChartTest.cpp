// The History window's core: periods and bars for each range, the percentage line's gaps, the axes
// and labels, the merge with backups, the texts and the clipboard table.
#include <gtest/gtest.h>

#include <string>

#include "history/ChartAxis.h"
#include "history/ChartPeriods.h"
#include "history/HistoryEntries.h"
#include "history/HistoryRows.h"
#include "history/HistoryText.h"

namespace tv {
namespace {

using V = std::optional<std::int32_t>;
constexpr V _ = std::nullopt;
using Event = JournalEvent;

JournalEntry E(const char* time, Event event, V won, V lost, V streak = 1, V stype = 1, const char* detail = "") {
    return {time, event, JournalValues{{won, lost, 0, 0, streak, stype}}, detail};
}

CivilDate D(int y, int m, int d) { return {y, m, d}; }

struct Bar {
    std::size_t period;
    std::int64_t won, lost;
    std::optional<std::int64_t> percent;
};

struct PeriodCase {
    const char* name;
    std::vector<JournalEntry> points;
    ChartRange range;
    CivilDate today;
    int first_weekday;
    std::size_t count;
    ChartUnit unit;
    CivilDate first_of_first, first_of_last;
    std::vector<Bar> bars;  // every period with games; all others must be gaps
    std::vector<ChartMark> marks;
};

TEST(HistoryChart, PeriodsAndBarsOfEachRange) {
    // A game on a year's last day outside the range and one on its first day inside; a Sunday and a Monday.
    const std::vector<JournalEntry> year = {E("2025-12-08T12:00:00+01:00", Event::Start, 0, 0),
                                            E("2025-12-08T13:00:00+01:00", Event::Won, 1, 0),
                                            E("2025-12-09T13:00:00+01:00", Event::Won, 2, 0),
                                            E("2026-12-06T13:00:00+01:00", Event::Lost, 2, 1),
                                            E("2026-12-07T13:00:00+01:00", Event::Restore, 0, 0, 0, 2, "x.reg"),
                                            E("2026-12-07T13:05:00+01:00", Event::Lost, 0, 1)};
    const std::vector<PeriodCase> cases = {
        {"seven days end today; the first point and the days before the range count nothing",
         {E("2026-11-20T10:00:00+01:00", Event::Start, 10, 10), E("2026-12-01T23:59:59+01:00", Event::Won, 11, 10),
          E("2026-12-02T00:00:00+01:00", Event::Lost, 11, 11), E("2026-12-02T09:00:00+01:00", Event::Won, 12, 11),
          E("2026-12-05T09:00:00+01:00", Event::Clear, _, _),  // no games: a mark, and a gap
          E("2026-12-08T23:59:59+01:00", Event::Change, 3, 1)},
         ChartRange::Days7,
         D(2026, 12, 8),
         0,
         7,
         ChartUnit::Day,
         D(2026, 12, 2),
         D(2026, 12, 8),
         {{0, 1, 1, 52}, {6, 3, 1, 75}},
         {{3, ChartMarkKind::Clear}}},
        {"a day of 23 hours: each game on the local date written, not the date in UTC",
         {E("2026-03-28T23:30:00+01:00", Event::Start, 0, 0), E("2026-03-28T23:40:00+01:00", Event::Won, 1, 0),
          E("2026-03-29T00:30:00+01:00", Event::Lost, 1, 1), E("2026-03-29T03:30:00+02:00", Event::Won, 2, 1),
          E("2026-03-29T23:59:00+02:00", Event::Won, 3, 1), E("2026-03-30T00:30:00+02:00", Event::Lost, 3, 2),
          E("2026-10-25T02:50:00+02:00", Event::Won, 4, 2), E("2026-10-25T02:10:00+01:00", Event::Won, 5, 2)},
         ChartRange::Days30,
         D(2026, 10, 26),
         0,
         30,
         ChartUnit::Day,
         D(2026, 9, 27),
         D(2026, 10, 26),
         {{28, 2, 0, 71}},
         {}},
        {"the same, seen in the week of the change",
         {E("2026-03-28T23:30:00+01:00", Event::Start, 0, 0), E("2026-03-28T23:40:00+01:00", Event::Won, 1, 0),
          E("2026-03-29T00:30:00+01:00", Event::Lost, 1, 1), E("2026-03-29T03:30:00+02:00", Event::Won, 2, 1),
          E("2026-03-29T23:59:00+02:00", Event::Won, 3, 1), E("2026-03-30T00:30:00+02:00", Event::Lost, 3, 2)},
         ChartRange::Days7,
         D(2026, 3, 30),
         0,
         7,
         ChartUnit::Day,
         D(2026, 3, 24),
         D(2026, 3, 30),
         {{4, 1, 0, 100}, {5, 2, 1, 75}, {6, 0, 1, 60}},
         {}},
        {"twelve months in weeks from Monday: the first week cut to the day after a year back",
         year,
         ChartRange::Months12,
         D(2026, 12, 8),
         0,
         53,
         ChartUnit::Week,
         D(2025, 12, 9),
         D(2026, 12, 7),
         {{0, 1, 0, 100}, {51, 0, 1, 67}, {52, 0, 1, 0}},
         {{52, ChartMarkKind::Restore}}},
        {"the same weeks from Sunday: Sunday and Monday share one",
         year,
         ChartRange::Months12,
         D(2026, 12, 8),
         6,
         53,
         ChartUnit::Week,
         D(2025, 12, 9),
         D(2026, 12, 6),
         {{0, 1, 0, 100}, {52, 0, 2, 0}},
         {{52, ChartMarkKind::Restore}}},
        {"all over less than a month: days from the first point",
         {E("2026-11-20T10:00:00+01:00", Event::Start, 0, 0), E("2026-11-21T10:00:00+01:00", Event::Won, 1, 0)},
         ChartRange::All,
         D(2026, 12, 8),
         0,
         19,
         ChartUnit::Day,
         D(2026, 11, 20),
         D(2026, 12, 8),
         {{1, 1, 0, 100}},
         {}},
        {"all over two years: whole weeks",
         {E("2025-01-01T10:00:00+01:00", Event::Start, 0, 0), E("2025-01-05T10:00:00+01:00", Event::Won, 1, 0),
          E("2025-01-06T10:00:00+01:00", Event::Won, 2, 0)},
         ChartRange::All,
         D(2026, 12, 8),
         0,
         102,
         ChartUnit::Week,
         D(2024, 12, 30),
         D(2026, 12, 7),
         {{0, 1, 0, 100}, {1, 1, 0, 100}},
         {}},
        {"all over more: calendar months, a month's last day and the next's first apart",
         {E("2020-01-15T10:00:00+01:00", Event::Start, 5, 5), E("2020-01-31T23:59:59+01:00", Event::Change, 7, 6),
          E("2020-02-01T00:00:00+01:00", Event::Won, 8, 6), E("2026-12-08T00:00:00+01:00", Event::Lost, 8, 7)},
         ChartRange::All,
         D(2026, 12, 8),
         0,
         84,
         ChartUnit::Month,
         D(2020, 1, 1),
         D(2026, 12, 1),
         {{0, 2, 1, 54}, {1, 1, 0, 57}, {83, 0, 1, 53}},
         {}},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartData chart = ComputeChartPeriods(c.points, c.range, c.today, c.first_weekday);
        ASSERT_EQ(chart.periods.size(), c.count);
        EXPECT_EQ(chart.unit, c.unit);
        EXPECT_EQ(chart.periods.front().first, c.first_of_first);
        EXPECT_EQ(chart.periods.back().first, c.first_of_last);
        EXPECT_EQ(chart.marks, c.marks);
        GameCounts total;
        for (std::size_t k = 0; k < chart.periods.size(); ++k) {
            const ChartPeriod& p = chart.periods[k];
            if (k > 0) {
                EXPECT_EQ(DaysFromCivil(p.first), DaysFromCivil(chart.periods[k - 1].last) + 1) << k;
            }
            const auto bar = std::find_if(c.bars.begin(), c.bars.end(), [&](const Bar& b) { return b.period == k; });
            if (bar == c.bars.end()) {
                EXPECT_EQ(p.games, GameCounts{}) << k;
                EXPECT_FALSE(p.percent) << k << ": a period without games is a gap in the line";
                continue;
            }
            EXPECT_EQ(p.games, (GameCounts{bar->won, bar->lost})) << k;
            EXPECT_EQ(p.percent, bar->percent) << k;
            total.won += bar->won;
            total.lost += bar->lost;
        }
        EXPECT_EQ(chart.total, total);
    }
    EXPECT_TRUE(ComputeChartPeriods({}, ChartRange::All, D(2026, 12, 8), 0).periods.empty());
    EXPECT_EQ(ComputeChartPeriods({}, ChartRange::Days30, D(2026, 12, 8), 0).periods.size(), 30u);
}

TEST(HistoryChart, CalendarArithmetic) {
    for (const CivilDate& d : {D(1970, 1, 1), D(2000, 2, 29), D(1969, 12, 31), D(2026, 12, 8), D(1600, 3, 1)})
        EXPECT_EQ(CivilFromDays(DaysFromCivil(d)), d);
    EXPECT_EQ(DaysFromCivil(D(2026, 12, 8)), 20795);
    EXPECT_EQ(WeekdayOfDays(DaysFromCivil(D(2026, 12, 8))), 1);  // a Tuesday
    EXPECT_EQ(AddMonths(D(2024, 3, 31), -1), D(2024, 2, 29));
    EXPECT_EQ(AddMonths(D(2026, 1, 15), -13), D(2024, 12, 15));
}

TEST(HistoryChart, Axes) {
    const std::vector<std::pair<std::int64_t, AxisScale>> scales = {{0, {1, 1}},      {1, {1, 1}},       {5, {5, 1}},
                                                                    {6, {6, 2}},      {7, {8, 2}},       {11, {15, 5}},
                                                                    {101, {150, 50}}, {999, {1000, 200}}};
    for (const auto& [largest, scale] : scales) EXPECT_EQ(GamesAxis(largest), scale) << largest;

    struct LabelCase {
        std::vector<int> widths;
        double slot;
        int gap;
        std::vector<std::size_t> drawn;
    };
    const std::vector<LabelCase> labels = {
        {{30, 30, 30, 30}, 40, 4, {0, 1, 2, 3}},           // 30 + 4 fits 40
        {{30, 30, 30, 30, 30}, 20, 4, {0, 2, 4}},          // 34 needs two slots
        {{60, 30, 30, 30, 30, 30, 30}, 20, 4, {0, 3, 6}},  // one wide label sets the step for all
        {{50, 50}, 10, 0, {0}},
        {{}, 10, 0, {}},
    };
    for (const LabelCase& c : labels) EXPECT_EQ(LabelsToDraw(c.widths, c.slot, c.gap), c.drawn);
    // Any widths: no two drawn labels overlap.
    std::vector<int> widths;
    for (int i = 0; i < 365; ++i) widths.push_back(20 + (i * 37) % 41);
    const auto drawn = LabelsToDraw(widths, 7.5, 3);
    for (std::size_t i = 1; i < drawn.size(); ++i)
        EXPECT_LE(SlotCentre(drawn[i - 1], 10, 7.5) + widths[drawn[i - 1]] / 2.0 + 3,
                  SlotCentre(drawn[i], 10, 7.5) - widths[drawn[i]] / 2.0);

    EXPECT_EQ(PeriodAt(9.9, 10, 7.5, 30), std::nullopt);
    EXPECT_EQ(PeriodAt(10, 10, 7.5, 30), 0u);
    EXPECT_EQ(PeriodAt(17.4, 10, 7.5, 30), 0u);
    EXPECT_EQ(PeriodAt(17.5, 10, 7.5, 30), 1u);
    EXPECT_EQ(PeriodAt(10 + 7.5 * 30, 10, 7.5, 30), std::nullopt);
}

BackupSnapshot Backup(int y, int m, int d, int hh, int mm, int ss, const char* name, V won, V lost) {
    return {y, m, d, hh, mm, ss, name, JournalValues{{won, lost, 0, 0, 0, 2}}};
}

// Backups from before the journal, one inside it taken a moment before the journal's entry of the
// same game, and one newer than the journal.
History SampleHistory() {
    return MergeHistory(
        {E("2026-12-07T20:00:00+01:00", Event::Start, 12, 5), E("2026-12-07T20:05:00+01:00", Event::Won, 13, 5, 2),
         E("2026-12-08T09:10:00+01:00", Event::Clear, _, _, _, _),
         E("2026-12-08T09:50:00+01:00", Event::Restore, 13, 5, 2, 1, "Before Clear_20261208_091000.reg")},
        {Backup(2026, 12, 8, 9, 10, 0, "Before Clear", 13, 5), Backup(2026, 12, 1, 8, 0, 0, "", 5, 5),
         Backup(2026, 12, 7, 20, 4, 59, "Mine", 13, 5), Backup(2026, 11, 30, 8, 0, 0, "", 4, 5),
         Backup(2026, 12, 9, 8, 0, 0, "Later", 13, 5)});
}

TEST(HistoryChart, BackupsMergeByWallClockAndCountOnlyBeforeTheJournal) {
    const History history = SampleHistory();
    std::vector<std::string> order;
    for (std::size_t row = history.entries.size(); row-- > 0;) order.push_back(RowTextOf(history, row).event);
    EXPECT_EQ(order,
              (std::vector<std::string>{"Backup", "Backup", "Start", "Backup: Mine", "Won", "Backup: Before Clear",
                                        "Clear", "Restore of Before Clear_20261208_091000.reg", "Backup: Later"}));
    ASSERT_EQ(history.points.size(), 6u);
    EXPECT_EQ(history.uncounted.size(), 3u);
    EXPECT_EQ(history.points[1].time, "2026-12-01T08:00:00");
    // 11-30 the starting point; 12-01 one win; the journal's start 7 more; its won entry one, and
    // the backup taken a moment before that entry adds none.
    const ChartData chart = ComputeChartPeriods(history.points, ChartRange::Days30, D(2026, 12, 9), 0);
    EXPECT_EQ(chart.periods[21].games, (GameCounts{1, 0}));
    EXPECT_EQ(chart.periods[27].games, (GameCounts{8, 0}));
    EXPECT_EQ(chart.total, (GameCounts{9, 0}));
    EXPECT_EQ(RangeSummaryText(chart), "Last 30 days: 9 games, 9 won, 0 lost, 100%");

    // A game written while the window is open counts at once.
    History live = history;
    AppendJournalEntry(live, E("2026-12-09T09:00:00+01:00", Event::Lost, 13, 6, 1, 0));
    EXPECT_EQ(RowTextOf(live, 0), (HistoryRowText{"Lost", "13", "6", "68%", "1 loss"}));
    EXPECT_EQ(ComputeChartPeriods(live.points, ChartRange::Days7, D(2026, 12, 9), 0).periods[6].games,
              (GameCounts{0, 1}));
}

TEST(HistoryChart, FiguresAndTexts) {
    const History history = SampleHistory();
    const HistoryFigures figures = ComputeHistoryFigures(history.points, D(2026, 12, 8));
    EXPECT_EQ(figures.periods[0], (FiguresRow{"Today", {{0, 0}, "0%"}}));
    EXPECT_EQ(figures.periods[1], (FiguresRow{"Last 7 days", {{8, 0}, "100%"}}));
    EXPECT_EQ(figures.periods[3], (FiguresRow{"All recorded", {{9, 0}, "100%"}}));
    EXPECT_EQ(figures.longest_winning, (StreakRecord{9, "2026-12-01", "2026-12-07"}));
    EXPECT_EQ(figures.last_games, "WWWWWWWWW");
    EXPECT_EQ(StreakLengthText(1, false), "1 loss");

    ChartPeriod period{D(2026, 12, 8), D(2026, 12, 8), {3, 2}, 67, "67%"};
    EXPECT_EQ(PeriodTipText("8/12/2026", period), "8/12/2026: 3 won, 2 lost, 67% overall");
    period.games = {};
    EXPECT_EQ(PeriodTipText("8/12/2026", period), "8/12/2026: no games");
    ChartData one{ChartRange::Months12, ChartUnit::Week, {}, {}, {1, 0}};
    EXPECT_EQ(RangeSummaryText(one), "Last 12 months: 1 game, 1 won, 0 lost, 100%");
}

TEST(HistoryChart, ClipboardTable) {
    History history = SampleHistory();
    history.points.back().detail = "odd\tname\r\n";  // the restore's Detail edited in a spreadsheet
    const HistoryTimeText time = [](const JournalEntry& e) {
        const JournalTime t = *ParseJournalTime(e.time);
        return std::to_string(t.day) + "/" + std::to_string(t.month) + " " + std::to_string(t.hour) + ":" +
               std::to_string(t.minute);
    };
    EXPECT_EQ(ClipboardText(history, {3, 1, 99, 3}, time),
              "Time\tEvent\tWon\tLost\tPercentage\tStreak\r\n"
              "8/12 9:50\tRestore of odd name  \t13\t5\t72%\t2 wins\r\n"
              "8/12 9:10\tBackup: Before Clear\t13\t5\t72%\t0\r\n");
    // None selected: every entry, newest first; a Clear's absent values stay empty.
    const std::string all = ClipboardText(history, {}, time);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 10);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\t'), 50);
    EXPECT_EQ(all.substr(all.find('\n') + 1, 35), "9/12 8:0\tBackup: Later\t13\t5\t72%\t0\r\n");
    EXPECT_NE(all.find("8/12 9:10\tClear\t\t\t0%\t0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tv
