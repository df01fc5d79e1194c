#include "history/CivilDate.h"

#include <cstdio>

namespace tv {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int LastDayOfMonth(int y, int m) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

// Eras of 400 years repeat exactly (146097 days); years counted from March put the leap day last.
std::int64_t DaysFromCivil(const CivilDate& date) {
    const std::int64_t y = std::int64_t{date.year} - (date.month <= 2);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t year_of_era = y - era * 400;
    const std::int64_t month_from_march = (date.month + 9) % 12;
    const std::int64_t day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
    const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t day_of_era = days - era * 146097;
    const std::int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
    const int day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
    const int month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
    const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2));
    return {year, month, day};
}

int WeekdayOfDays(std::int64_t days) {
    // 1970-01-01 was a Thursday (3 from Monday).
    return static_cast<int>(days + 3 - FloorDiv(days + 3, 7) * 7);
}

std::int64_t WeekStartOfDays(std::int64_t days, int first_weekday) {
    const int into_week = (WeekdayOfDays(days) - first_weekday % 7 + 7) % 7;
    return days - into_week;
}

CivilDate AddMonths(const CivilDate& date, int months) {
    const std::int64_t index = std::int64_t{date.year} * 12 + (date.month - 1) + months;
    const int year = static_cast<int>(FloorDiv(index, 12));
    const int month = static_cast<int>(index - std::int64_t{year} * 12) + 1;
    const int last = LastDayOfMonth(year, month);
    return {year, month, date.day < last ? date.day : last};
}

std::string FormatCivilDate(const CivilDate& date) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<CivilDate> ParseCivilDate(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (text[i] - '0');
        }
    const CivilDate date{parts[0], parts[1], parts[2]};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > LastDayOfMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

}  // namespace tv
