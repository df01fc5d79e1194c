#include "history/HistoryText.h"

#include <algorithm>
#include <limits>

#include "stats/DerivedFigures.h"

namespace tv {

namespace {

constexpr std::size_t kLastGamesShown = 10;

std::int32_t Saturated(std::int64_t n) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(n, std::numeric_limits<std::int32_t>::max()));
}

PeriodFigures DaysUpToToday(const std::vector<JournalEntry>& points, const CivilDate& today, int days) {
    const CivilDate first = CivilFromDays(DaysFromCivil(today) - (days - 1));
    return FiguresOfPeriod(points, FormatCivilDate(first), FormatCivilDate(today));
}

}  // namespace

std::string_view RangeName(ChartRange range) {
    switch (range) {
        case ChartRange::Days7:
            return "Last 7 days";
        case ChartRange::Days30:
            return "Last 30 days";
        case ChartRange::Months12:
            return "Last 12 months";
        case ChartRange::All:
            break;
    }
    return "All recorded";
}

std::string GamesText(std::int64_t games) { return std::to_string(games) + (games == 1 ? " game" : " games"); }

std::string PercentOfGames(const GameCounts& games) {
    return GetPercentText(Saturated(games.won), Saturated(games.lost));
}

std::string RangeSummaryText(const ChartData& chart) {
    const GameCounts& t = chart.total;
    return std::string(RangeName(chart.range)) + ": " + GamesText(t.won + t.lost) + ", " + std::to_string(t.won) +
           " won, " + std::to_string(t.lost) + " lost, " + PercentOfGames(t);
}

std::string PeriodTipText(std::string_view date_text, const ChartPeriod& period) {
    std::string text(date_text);
    if (period.games.won + period.games.lost == 0) return text + ": no games";
    return text + ": " + std::to_string(period.games.won) + " won, " + std::to_string(period.games.lost) + " lost, " +
           period.percent_text + " overall";
}

HistoryFigures ComputeHistoryFigures(const std::vector<JournalEntry>& points, const CivilDate& today) {
    HistoryFigures figures;
    figures.periods = {{
        {"Today", DaysUpToToday(points, today, 1)},
        {std::string(RangeName(ChartRange::Days7)), DaysUpToToday(points, today, 7)},
        {std::string(RangeName(ChartRange::Days30)), DaysUpToToday(points, today, 30)},
        {std::string(RangeName(ChartRange::All)), FiguresOfPeriod(points, "0000-01-01", "9999-12-31")},
    }};
    const JournalFigures journal = DeriveJournalFigures(points);
    figures.longest_winning = journal.longest_winning;
    figures.longest_losing = journal.longest_losing;
    for (const GameResult& game : LastGames(points, kLastGamesShown)) figures.last_games += game.won ? 'W' : 'L';
    return figures;
}

std::string StreakLengthText(std::int64_t length, bool winning) {
    const char* unit = winning ? (length == 1 ? " win" : " wins") : (length == 1 ? " loss" : " losses");
    return std::to_string(length) + unit;
}

}  // namespace tv
