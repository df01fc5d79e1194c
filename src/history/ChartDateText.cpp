#include "history/ChartDateText.h"

#include <windows.h>

namespace tv {

std::string ChartDateText(const CivilDate& date, ChartUnit unit) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(date.year);
    t.wMonth = static_cast<WORD>(date.month);
    t.wDay = static_cast<WORD>(date.day);
    char buffer[128] = {};
    // A month's label stays short on the axis: the locale's abbreviated month name and the year.
    const int written = unit == ChartUnit::Month
                            ? GetDateFormatA(LOCALE_USER_DEFAULT, 0, &t, "MMM yyyy", buffer, sizeof(buffer))
                            : GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, buffer, sizeof(buffer));
    return written > 0 ? std::string(buffer) : FormatCivilDate(date);
}

}  // namespace tv
