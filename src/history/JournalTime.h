#pragma once
// The journal's time stamps: ISO 8601 local time with its offset from UTC.
#include <optional>
#include <string>
#include <string_view>

namespace tv {

struct JournalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int offset_minutes = 0;  // local time minus UTC
};

// 2026-12-08T19:30:05+01:00
std::string FormatJournalTime(const JournalTime& t);

// Reads what FormatJournalTime writes, and what a spreadsheet may make of it: a space for the T,
// no seconds, Z or an offset without its colon or no offset at all (then 0).
std::optional<JournalTime> ParseJournalTime(std::string_view text);

}  // namespace tv
