#pragma once
// A period's date as the user's locale writes it: the short date of its first day, or the month
// and year for a period of a calendar month.
#include <string>

#include "history/ChartPeriods.h"
#include "history/CivilDate.h"

namespace tv {

std::string ChartDateText(const CivilDate& date, ChartUnit unit);

}  // namespace tv
