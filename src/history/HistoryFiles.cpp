#include "history/HistoryFiles.h"

#include <windows.h>

#include <utility>

#include "backup/BackupFiles.h"
#include "backup/BackupReader.h"
#include "platform/LocaleText.h"

namespace tv {

namespace {

struct NamedColumn {
    JournalColumn column;
    const char* quoted_name;
};

constexpr NamedColumn kBackupColumns[] = {
    {JournalColumn::Won, kQuotedWon},       {JournalColumn::Lost, kQuotedLost},
    {JournalColumn::Wins, kQuotedWins},     {JournalColumn::Losses, kQuotedLosses},
    {JournalColumn::Streak, kQuotedStreak}, {JournalColumn::SType, kQuotedSType},
};

}  // namespace

JournalRead ReadJournalFile(const std::string& path) {
    // No file yet is the journal of a program that has not recorded anything.
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND)
        return {};
    return ReadJournal(ReadBackupFileBytes(path));
}

BackupSnapshot ReadBackupSnapshot(const std::string& folder, const BackupEntry& entry) {
    const std::vector<std::string> lines = ReadBackupFile(folder + entry.FileName);
    BackupSnapshot snapshot;
    const BackupStamp& t = entry.Stamp;
    snapshot.year = t.year;
    snapshot.month = t.month;
    snapshot.day = t.day;
    snapshot.hour = t.hour;
    snapshot.minute = t.minute;
    snapshot.second = t.second;
    snapshot.backup_name = entry.BackupName;
    for (const auto& [column, quoted_name] : kBackupColumns) {
        if (HasBackupValue(lines, quoted_name, EqualsIgnoringCaseInLocale))
            snapshot.values[column] = ReadBackupValue(lines, quoted_name, EqualsIgnoringCaseInLocale);
    }
    return snapshot;
}

}  // namespace tv
