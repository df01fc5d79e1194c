#include "backup/BackupFormat.h"

#include <cstdio>

#include "backup/IntegerText.h"
#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFormat.h"

namespace tv {

namespace {

constexpr const char* kHeaderLine = "REGEDIT4";
constexpr const char* kKeyLineFormat = "[HKEY_CURRENT_USER%s]";
constexpr std::size_t kStampTailLength = 19;  // "yyyymmdd_hhmmss.reg"

std::string Hex2(std::uint8_t byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 0x0F]};
}

// count characters from the 1-based position pos; a position before the start counts from the
// start, and the piece ends where the text ends.
std::string_view Piece(std::string_view text, long long pos, std::size_t count) {
    if (pos < 1) pos = 1;
    const auto start = static_cast<std::size_t>(pos - 1);
    if (start >= text.size()) return {};
    return text.substr(start, count);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    // Greedy matching with one backtrack point: the last "*" seen.
    std::size_t n = 0, m = 0;
    std::size_t star = std::string_view::npos, star_n = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && AsciiUpper(mask[m]) == AsciiUpper(name[n])))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            star = m++;
            star_n = n;
        } else if (star != std::string_view::npos) {
            m = star + 1;
            n = ++star_n;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

std::string StampText(const BackupStamp& s) {
    char text[32];
    std::snprintf(text, sizeof(text), "%04d%02d%02d_%02d%02d%02d", s.year, s.month, s.day, s.hour, s.minute, s.second);
    return text;
}

std::string BackupFileName(const std::string& folder, const std::string& backup_name, const BackupStamp& now) {
    std::string path = folder;
    if (!backup_name.empty()) path += backup_name + "_";
    path += StampText(now) + ".reg";
    return path;
}

std::vector<std::string> BackupFileLines(const RawRecord& raw) {
    std::vector<std::string> lines{kHeaderLine, "", FormatText(kKeyLineFormat, std::string(kStatisticsKeyPath))};
    for (StatValue v : kRawRecordOrder) {
        const RawValue& b = raw[v];
        lines.push_back(
            FormatText("\"%s\"=hex:%s,%s,%s,%s", {ValueName(v), Hex2(b[0]), Hex2(b[1]), Hex2(b[2]), Hex2(b[3])}));
    }
    lines.emplace_back();
    return lines;
}

std::string JoinBackupLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

void CheckStamp(const BackupStamp& s) {
    if (s.year < 1 || s.year > 9999 || s.month < 1 || s.month > 12 || s.day < 1 || s.day > DaysInMonth(s.year, s.month))
        throw TvError("Invalid argument to date encode");
    if (s.hour < 0 || s.hour > 23 || s.minute < 0 || s.minute > 59 || s.second < 0 || s.second > 59)
        throw TvError("Invalid argument to time encode");
}

BackupStamp NextSecond(const BackupStamp& stamp) {
    BackupStamp s = stamp;
    if (++s.second < 60) return s;
    s.second = 0;
    if (++s.minute < 60) return s;
    s.minute = 0;
    if (++s.hour < 24) return s;
    s.hour = 0;
    if (++s.day <= DaysInMonth(s.year, s.month)) return s;
    s.day = 1;
    if (++s.month <= 12) return s;
    s.month = 1;
    ++s.year;
    return s;
}

BackupEntry ParseBackupFileName(const std::string& file_name) {
    const auto length = static_cast<long long>(file_name.size());
    const std::string_view name(file_name);
    BackupEntry entry;
    entry.FileName = file_name;
    BackupStamp& s = entry.Stamp;
    s.year = TextToInteger(Piece(name, length - 18, 4));
    s.month = TextToInteger(Piece(name, length - 14, 2));
    s.day = TextToInteger(Piece(name, length - 12, 2));
    s.hour = TextToInteger(Piece(name, length - 9, 2));
    s.minute = TextToInteger(Piece(name, length - 7, 2));
    s.second = TextToInteger(Piece(name, length - 5, 2));
    CheckStamp(s);
    // The character just before the timestamp (normally "_") is dropped whatever it is.
    if (file_name.size() > kStampTailLength + 1) entry.BackupName = file_name.substr(0, file_name.size() - 20);
    return entry;
}

std::string TrimBackupName(std::string_view text) { return std::string(TrimBlanks(text)); }

bool IsSafeBackupName(std::string_view name) {
    // Without a separator or a drive colon the name is part of one file name in the folder, dots
    // and all: "J..R" gives J..R_yyyymmdd_hhmmss.reg beside the program.
    return name.find_first_of("\\/:") == std::string_view::npos;
}

}  // namespace tv
