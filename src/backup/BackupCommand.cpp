#include "backup/BackupCommand.h"

#include <exception>

#include "backup/BackupFiles.h"
#include "backup/BackupFormat.h"
#include "platform/Error.h"
#include "platform/TextFormat.h"
#include "stats/StatsStore.h"
#include "ui/InputPrompt.h"

namespace tv {

namespace {

void WriteBackup(const std::string& folder, const std::string& backup_name, const RawRecord& raw) {
    const std::string path = BackupFileName(folder, backup_name, LocalNow());
    // A name that points elsewhere would write outside the program's folder.
    if (!IsSafeBackupName(backup_name)) throw TvError(FormatText("Cannot create file %s", path));
    WriteBackupFile(path, JoinBackupLines(BackupFileLines(raw)));
}

}  // namespace

std::string BackupFailedText(const std::string& error) { return "Could not backup statistics.\r\n" + error; }

BackupResult RunBackupCommand(HWND owner, const std::string& folder, std::string& backup_name, RawRecord& raw) {
    std::string text = backup_name;
    if (!InputQuery(owner, "Backup", "Please enter your name:", text)) return {BackupOutcome::Cancelled, {}};
    backup_name = TrimBackupName(text);
    // Errors reading a value are not this command's to report: they reach the General error box.
    if (!ReadRecordForBackup(raw).key_opened) return {BackupOutcome::NoStatistics, {}};
    try {
        WriteBackup(folder, backup_name, raw);
    } catch (const std::exception& e) {
        return {BackupOutcome::Failed, e.what()};
    }
    return {BackupOutcome::Completed, {}};
}

}  // namespace tv
