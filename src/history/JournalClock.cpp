#include "history/JournalClock.h"

#include <windows.h>

#include "history/JournalTime.h"

namespace tv {

namespace {

std::int64_t FileTimeTicks(const SYSTEMTIME& t) {
    FILETIME ft{};
    SystemTimeToFileTime(&t, &ft);
    return (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

}  // namespace

std::string JournalTimeNow() {
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    SYSTEMTIME local = utc;
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
    // The offset of this very moment, from the two readings of one instant, rounded to minutes.
    constexpr std::int64_t kTicksPerMinute = 60LL * 10'000'000;
    const std::int64_t difference = FileTimeTicks(local) - FileTimeTicks(utc);
    const int offset =
        static_cast<int>((difference + (difference >= 0 ? 1 : -1) * kTicksPerMinute / 2) / kTicksPerMinute);
    return FormatJournalTime(
        {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, offset});
}

std::int64_t JournalClockMilliseconds() { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace tv
