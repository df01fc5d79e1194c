#pragma once
// Backup files: their names, their ten lines, and decoding a listed file name.
#include <string>
#include <string_view>
#include <vector>

#include "stats/StatsRecord.h"

namespace tv {

// A local date and time to the second.
struct BackupStamp {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const BackupStamp&) const = default;
    bool IsMidnight() const { return hour == 0 && minute == 0 && second == 0; }
};

// One listed backup file.
struct BackupEntry {
    BackupStamp Stamp;
    std::string FileName;    // without folder, as the listing gives it
    std::string BackupName;  // empty when the file name has none
};

// The folder listing's mask: any name, then the 19-character timestamp tail.
inline constexpr const char* kBackupListingMask = "*????????_??????.reg";

// Wildcard match of a file name: "?" is exactly one character, "*" any run including none; letters
// compare without regard to case (ASCII), as the file system does.
bool MatchesMask(std::string_view name, std::string_view mask);

// "yyyymmdd_hhmmss".
std::string StampText(const BackupStamp& stamp);

// folder (with trailing separator) + [backup name + "_"] + timestamp + ".reg".
std::string BackupFileName(const std::string& folder, const std::string& backup_name, const BackupStamp& now);

// The ten lines of a backup file for the Raw record, without line ends.
std::vector<std::string> BackupFileLines(const RawRecord& raw);

// The lines joined, each followed by CR LF: the file's exact bytes.
std::string JoinBackupLines(const std::vector<std::string>& lines);

// Decodes a file name without folder. Throws TvError with the conversion error's text.
BackupEntry ParseBackupFileName(const std::string& file_name);

// Removes every leading and trailing character whose code is 32 or below.
std::string TrimBackupName(std::string_view text);

// False for a name that could place the file outside its folder: one with a "\", a "/" or a drive
// colon. Dots are harmless without a separator.
bool IsSafeBackupName(std::string_view name);

// Throws TvError "Invalid argument to date encode" / "... time encode" for impossible values.
void CheckStamp(const BackupStamp& stamp);

// A valid stamp one second later, carried over into minute, hour, day, month and year.
BackupStamp NextSecond(const BackupStamp& stamp);

}  // namespace tv
