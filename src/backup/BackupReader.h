#pragma once
// Reading the values back out of a backup file's text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextCase.h"
#include "stats/StatsRecord.h"

namespace tv {

// The quoted value names, as they start a value line.
inline constexpr const char* kQuotedWon = "\"Won\"";
inline constexpr const char* kQuotedLost = "\"Lost\"";
inline constexpr const char* kQuotedWins = "\"Wins\"";
inline constexpr const char* kQuotedLosses = "\"Losses\"";
inline constexpr const char* kQuotedStreak = "\"Streak\"";
inline constexpr const char* kQuotedSType = "\"SType\"";

// A whole file's bytes as lines: split at CR LF, lone CR and lone LF; nothing after the first NUL
// is seen. A file starting with the UTF-16LE byte-order mark (as the registry editor exports) is
// decoded first; characters outside ASCII become "?", which no value line needs.
std::vector<std::string> SplitBackupText(std::string_view bytes);

// The value of the first line whose text before its first "=" equals the quoted name by
// same_name (the user's locale, case ignored: platform/LocaleText.h); a missing or empty value
// reads as 0. Throws TvError "'%s' is not a valid integer value".
std::int32_t ReadBackupValue(const std::vector<std::string>& lines, std::string_view quoted_name,
                             TextEquality same_name);

// Whether a line holds the quoted name before its first "=" (as ReadBackupValue finds it): a value
// the file does not hold was absent when it was written.
bool HasBackupValue(const std::vector<std::string>& lines, std::string_view quoted_name, TextEquality same_name);

// The six figures of a backup file, read in the order Won, Lost, Wins, Losses, Streak, SType.
DecodedRecord ReadBackupFigures(const std::vector<std::string>& lines, TextEquality same_name);

}  // namespace tv
