// Any file name either decodes to a possible date and time and the name before it, or fails with
// a conversion error; nothing else may happen. The checks are made outside the error handler, so
// that a wrong answer cannot be mistaken for a conversion error.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "backup/BackupFormat.h"
#include "platform/Error.h"

namespace {

// A possible date and time, by the calendar of the standard library rather than the program's.
bool IsPossible(const tv::BackupStamp& s) {
    using namespace std::chrono;
    const year_month_day date{year{s.year}, month{static_cast<unsigned>(s.month)}, day{static_cast<unsigned>(s.day)}};
    return s.year >= 1 && s.year <= 9999 && s.month >= 1 && s.month <= 12 && s.day >= 1 && date.ok() && s.hour >= 0 &&
           s.hour <= 23 && s.minute >= 0 && s.minute <= 59 && s.second >= 0 && s.second <= 59;
}

// The stamp a plain "yyyymmdd_hhmmss.reg" tail spells, digits only; none for any other tail.
std::optional<tv::BackupStamp> PlainStamp(const std::string& name) {
    if (name.size() < 19) return std::nullopt;
    const std::string tail = name.substr(name.size() - 19);
    for (std::size_t i = 0; i < 15; ++i)
        if (i != 8 && (tail[i] < '0' || tail[i] > '9')) return std::nullopt;
    auto number = [&](std::size_t at, std::size_t n) { return std::stoi(tail.substr(at, n)); };
    return tv::BackupStamp{number(0, 4), number(4, 2), number(6, 2), number(9, 2), number(11, 2), number(13, 2)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    const std::optional<tv::BackupStamp> plain = PlainStamp(name);
    std::optional<tv::BackupEntry> entry;
    try {
        entry = tv::ParseBackupFileName(name);
    } catch (const tv::TvError&) {
        // Refused: then the tail does not spell a possible date and time in plain digits.
        if (plain && IsPossible(*plain)) std::abort();
        return 0;
    }
    if (!IsPossible(entry->Stamp)) std::abort();
    if (plain && !(entry->Stamp == *plain)) std::abort();
    if (entry->FileName != name) std::abort();
    if (name.size() >= 20 && entry->BackupName != name.substr(0, name.size() - 20)) std::abort();
    if (name.size() <= 20 && !entry->BackupName.empty()) std::abort();
    return 0;
}
