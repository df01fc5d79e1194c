#pragma once
// Dates of the proleptic Gregorian calendar as day numbers, so that days, weeks and months are
// counted on the calendar itself: a clock change (23 or 25 hours in a day) cannot move a day.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

struct CivilDate {
    int year = 1970, month = 1, day = 1;
    bool operator==(const CivilDate&) const = default;
};

// Days since 1970-01-01 (negative before it).
std::int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(std::int64_t days);

// 0 Monday ... 6 Sunday, the numbering of the locale's first day of the week.
int WeekdayOfDays(std::int64_t days);

// The day number of the first day of the week holding days, weeks starting on first_weekday.
std::int64_t WeekStartOfDays(std::int64_t days, int first_weekday);

// The same day of the month months later (earlier when negative), the last day of a shorter month.
CivilDate AddMonths(const CivilDate& date, int months);

// "yyyy-mm-dd", and the date at the start of a journal time ("2026-12-08T19:30:05+01:00").
std::string FormatCivilDate(const CivilDate& date);
std::optional<CivilDate> ParseCivilDate(std::string_view text);

}  // namespace tv
