#include "history/ChartPeriods.h"

#include <algorithm>

#include "stats/DerivedFigures.h"

namespace tv {

namespace {

constexpr std::int64_t kAllInDaysUpTo = 31;    // days spanned
constexpr std::int64_t kAllInWeeksUpTo = 731;  // two years, a leap day among them

std::int64_t MonthIndex(const CivilDate& d) { return std::int64_t{d.year} * 12 + (d.month - 1); }

CivilDate FirstOfMonth(std::int64_t month_index) {
    const std::int64_t year = month_index >= 0 ? month_index / 12 : -((-month_index + 11) / 12);
    return {static_cast<int>(year), static_cast<int>(month_index - year * 12) + 1, 1};
}

// A point's local date as a day number and a month number, read once.
struct PointDay {
    std::int64_t day = 0;
    std::int64_t month = 0;
    bool reads = false;
};

std::vector<PointDay> DaysOf(const std::vector<JournalEntry>& points) {
    std::vector<PointDay> days(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        if (const auto date = ParseCivilDate(points[i].time)) days[i] = {DaysFromCivil(*date), MonthIndex(*date), true};
    return days;
}

// Where the periods of a range start and how a date finds its period.
class PeriodGrid {
public:
    PeriodGrid(ChartUnit unit, std::int64_t first_day, std::int64_t last_day, int first_weekday)
        : unit_(unit),
          first_day_(first_day),
          last_day_(last_day),
          first_weekday_(first_weekday),
          first_week_(WeekStartOfDays(first_day, first_weekday)),
          first_month_(MonthIndex(CivilFromDays(first_day))) {}

    ChartUnit Unit() const { return unit_; }
    bool Holds(const PointDay& d) const { return d.reads && d.day >= first_day_ && d.day <= last_day_; }
    std::size_t Count() const { return IndexOf({last_day_, MonthIndex(CivilFromDays(last_day_)), true}) + 1; }

    std::size_t IndexOf(const PointDay& d) const {
        switch (unit_) {
            case ChartUnit::Day:
                return static_cast<std::size_t>(d.day - first_day_);
            case ChartUnit::Week:
                return static_cast<std::size_t>((WeekStartOfDays(d.day, first_weekday_) - first_week_) / 7);
            case ChartUnit::Month:
                return static_cast<std::size_t>(d.month - first_month_);
        }
        return 0;
    }

    // The first day of period index, not before the range's first day.
    std::int64_t StartOf(std::size_t index) const {
        const auto i = static_cast<std::int64_t>(index);
        std::int64_t start = first_day_;
        switch (unit_) {
            case ChartUnit::Day:
                start = first_day_ + i;
                break;
            case ChartUnit::Week:
                start = first_week_ + 7 * i;
                break;
            case ChartUnit::Month:
                start = DaysFromCivil(FirstOfMonth(first_month_ + i));
                break;
        }
        return std::max(start, first_day_);
    }

private:
    ChartUnit unit_;
    std::int64_t first_day_, last_day_;
    int first_weekday_;
    std::int64_t first_week_, first_month_;
};

// The range's grid; nullopt for "All" over no point that reads.
std::optional<PeriodGrid> GridOf(const std::vector<PointDay>& days, ChartRange range, std::int64_t today,
                                 int first_weekday) {
    switch (range) {
        case ChartRange::Days7:
            return PeriodGrid(ChartUnit::Day, today - 6, today, first_weekday);
        case ChartRange::Days30:
            return PeriodGrid(ChartUnit::Day, today - 29, today, first_weekday);
        case ChartRange::Months12: {
            const std::int64_t first = DaysFromCivil(AddMonths(CivilFromDays(today), -12)) + 1;
            return PeriodGrid(ChartUnit::Week, first, today, first_weekday);
        }
        case ChartRange::All:
            break;
    }
    std::optional<std::int64_t> first, last;
    for (const PointDay& d : days)
        if (d.reads) {
            first = std::min(first.value_or(d.day), d.day);
            last = std::max(last.value_or(d.day), d.day);
        }
    if (!first) return std::nullopt;
    const std::int64_t end = std::max(*last, today);
    const std::int64_t span = end - *first;
    const ChartUnit unit = span <= kAllInDaysUpTo    ? ChartUnit::Day
                           : span <= kAllInWeeksUpTo ? ChartUnit::Week
                                                     : ChartUnit::Month;
    // Whole first week or month: nothing lies before the first point to be cut off.
    std::int64_t start = *first;
    if (unit == ChartUnit::Week) start = WeekStartOfDays(start, first_weekday);
    if (unit == ChartUnit::Month) start = DaysFromCivil(FirstOfMonth(MonthIndex(CivilFromDays(start))));
    return PeriodGrid(unit, start, end, first_weekday);
}

// The percentage as the main window shows it for these counts: none where it shows "n/a".
std::optional<std::int64_t> PercentShown(std::int32_t won, std::int32_t lost) {
    if (won > 0 || lost > 0) return WinPercent(won, lost);
    return 0;
}

}  // namespace

ChartData ComputeChartPeriods(const std::vector<JournalEntry>& points, ChartRange range, const CivilDate& today,
                              int first_weekday) {
    ChartData data;
    data.range = range;
    const std::vector<PointDay> days = DaysOf(points);
    const auto grid = GridOf(days, range, DaysFromCivil(today), first_weekday);
    if (!grid) return data;
    data.unit = grid->Unit();
    const std::size_t count = grid->Count();
    data.periods.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        data.periods[k].first = CivilFromDays(grid->StartOf(k));
        data.periods[k].last = CivilFromDays(grid->StartOf(k + 1) - 1);
    }

    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> last_point(count, kNone);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!grid->Holds(days[i])) continue;
        const std::size_t k = grid->IndexOf(days[i]);
        last_point[k] = i;
        if (points[i].event == JournalEvent::Clear) data.marks.push_back({k, ChartMarkKind::Clear});
        if (points[i].event == JournalEvent::Restore) data.marks.push_back({k, ChartMarkKind::Restore});
        if (i == 0) continue;  // the starting point: counting begins from it
        const GameCounts games = GamesBetween(points[i - 1], points[i]);
        data.periods[k].games.won += games.won;
        data.periods[k].games.lost += games.lost;
        data.total.won += games.won;
        data.total.lost += games.lost;
    }
    for (std::size_t k = 0; k < count; ++k) {
        ChartPeriod& period = data.periods[k];
        if (period.games.won + period.games.lost == 0 || last_point[k] == kNone) continue;
        const JournalValues& values = points[last_point[k]].values;
        period.percent = PercentShown(values.Won(), values.Lost());
        period.percent_text = GetPercentText(values.Won(), values.Lost());
    }
    return data;
}

}  // namespace tv
