#include "history/HistoryLocale.h"

#include <windows.h>

#include "history/JournalTime.h"

namespace tv {

namespace {

std::string FormattedDate(const SYSTEMTIME& t) {
    char buffer[128] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, buffer, sizeof(buffer)) <= 0) return {};
    return buffer;
}

}  // namespace

std::string ShortDateText(const CivilDate& date) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(date.year);
    t.wMonth = static_cast<WORD>(date.month);
    t.wDay = static_cast<WORD>(date.day);
    return FormattedDate(t);
}

std::string ShortDateText(const std::string& iso_date) {
    const auto date = ParseCivilDate(iso_date);
    return date ? ShortDateText(*date) : iso_date;
}

std::string EntryTimeText(const JournalEntry& record) {
    const auto time = ParseJournalTime(record.time);
    if (!time) return record.time;
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(time->year);
    t.wMonth = static_cast<WORD>(time->month);
    t.wDay = static_cast<WORD>(time->day);
    t.wHour = static_cast<WORD>(time->hour);
    t.wMinute = static_cast<WORD>(time->minute);
    t.wSecond = static_cast<WORD>(time->second);
    std::string text = FormattedDate(t);
    char buffer[128] = {};
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, buffer, sizeof(buffer)) > 0) {
        text += ' ';
        text += buffer;
    }
    return text.empty() ? record.time : text;
}

CivilDate LocalToday() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

int LocaleFirstWeekday() {
    char buffer[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, buffer, sizeof(buffer)) <= 0) return 0;
    const int day = buffer[0] - '0';
    return day >= 0 && day <= 6 ? day : 0;
}

}  // namespace tv
