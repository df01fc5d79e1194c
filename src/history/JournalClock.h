#pragma once
// The journal's clocks (Win32): the local time stamp of an entry and the settling clock.
#include <cstdint>
#include <string>

namespace tv {

// Now as local time with its offset from UTC at this moment (daylight saving included).
std::string JournalTimeNow();

// Milliseconds of a monotonic clock, for the settling rule.
std::int64_t JournalClockMilliseconds();

}  // namespace tv
