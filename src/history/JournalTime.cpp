#include "history/JournalTime.h"

#include <cstdio>
#include <cstdlib>

namespace tv {

namespace {

// Exactly count digits at text[pos...]; advances pos.
bool ReadDigits(std::string_view text, std::size_t& pos, int count, int& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

}  // namespace

std::string FormatJournalTime(const JournalTime& t) {
    const int offset = std::abs(t.offset_minutes);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, t.offset_minutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::optional<JournalTime> ParseJournalTime(std::string_view text) {
    JournalTime t;
    std::size_t pos = 0;
    if (!ReadDigits(text, pos, 4, t.year) || !Expect(text, pos, '-') || !ReadDigits(text, pos, 2, t.month) ||
        !Expect(text, pos, '-') || !ReadDigits(text, pos, 2, t.day))
        return std::nullopt;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return std::nullopt;
    if (pos >= text.size() || (text[pos] != 'T' && text[pos] != ' ')) return std::nullopt;
    ++pos;
    if (!ReadDigits(text, pos, 2, t.hour) || !Expect(text, pos, ':') || !ReadDigits(text, pos, 2, t.minute))
        return std::nullopt;
    if (pos < text.size() && text[pos] == ':' && !(++pos, ReadDigits(text, pos, 2, t.second))) return std::nullopt;
    if (t.hour > 23 || t.minute > 59 || t.second > 60) return std::nullopt;
    if (pos == text.size()) return t;
    if (text[pos] == 'Z' && pos + 1 == text.size()) return t;
    if (text[pos] != '+' && text[pos] != '-') return std::nullopt;
    const int sign = text[pos++] == '-' ? -1 : 1;
    int hours = 0, minutes = 0;
    if (!ReadDigits(text, pos, 2, hours)) return std::nullopt;
    if (pos < text.size() && text[pos] == ':') ++pos;
    if (!ReadDigits(text, pos, 2, minutes) || pos != text.size() || hours > 23 || minutes > 59) return std::nullopt;
    t.offset_minutes = sign * (hours * 60 + minutes);
    return t;
}

}  // namespace tv
