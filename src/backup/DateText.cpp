#include "backup/DateText.h"

#include <windows.h>

namespace tv {

std::string DateText(const BackupStamp& stamp) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(stamp.year);
    t.wMonth = static_cast<WORD>(stamp.month);
    t.wDay = static_cast<WORD>(stamp.day);
    t.wHour = static_cast<WORD>(stamp.hour);
    t.wMinute = static_cast<WORD>(stamp.minute);
    t.wSecond = static_cast<WORD>(stamp.second);
    char buffer[128] = {};
    std::string text;
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, buffer, sizeof(buffer)) > 0) text = buffer;
    if (stamp.IsMidnight()) return text;
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, buffer, sizeof(buffer)) > 0) {
        text += ' ';
        text += buffer;
    }
    return text;
}

}  // namespace tv
