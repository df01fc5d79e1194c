#pragma once
// The History window's dates and times in the user's formats, and the user's calendar (Win32).
#include <string>

#include "history/CivilDate.h"
#include "history/JournalEntry.h"

namespace tv {

// A date in the user's short date format.
std::string ShortDateText(const CivilDate& date);
// A yyyy-mm-dd date in the short date format; the text itself when it does not read as a date.
std::string ShortDateText(const std::string& iso_date);
// An entry's time in the short date and the long time format; its stored text when it does not read.
std::string EntryTimeText(const JournalEntry& record);
// The local date today.
CivilDate LocalToday();
// The first day of the week in the user's locale: 0 Monday ... 6 Sunday.
int LocaleFirstWeekday();

}  // namespace tv
