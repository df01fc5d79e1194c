#include "backup/BackupCommand.h"

#include <exception>

#include "app/ui/InputPrompt.h"
#include "app/ui/MessageBox.h"
#include "backup/BackupFiles.h"
#include "backup/BackupFormat.h"
#include "platform/Error.h"
#include "platform/Handles.h"
#include "platform/TextFormat.h"
#include "stats/StatsStore.h"

namespace tv {

namespace {

// Reads the six values over a cleared Raw record (no SType preset). False when the key is absent.
bool ReadValuesForBackup(RawRecord& raw) {
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
    ClearRawRecord(raw);
    for (StatValue v : kRawRecordOrder) ReadRawValue(key.get(), ValueName(v), raw[v]);
    return true;
}

void WriteBackup(const std::string& folder, const std::string& backup_name, const RawRecord& raw) {
    const std::string path = BackupFileName(folder, backup_name, LocalNow());
    // A name that points elsewhere would write outside the program's folder.
    if (!IsSafeBackupName(backup_name)) throw TvError(FormatText("Cannot create file %s", path));
    WriteBackupFile(path, JoinBackupLines(BackupFileLines(raw)));
}

}  // namespace

void RunBackupCommand(HWND owner, const std::string& folder, std::string& backup_name, RawRecord& raw) {
    std::string text = backup_name;
    if (!InputQuery(owner, "Backup", "Please enter your name:", text)) return;
    backup_name = TrimBackupName(text);
    // Errors reading a value are not this command's to report: they reach the General error box.
    if (!ReadValuesForBackup(raw)) return;
    try {
        WriteBackup(folder, backup_name, raw);
    } catch (const std::exception& e) {
        ShowMessageBox(owner, std::string("Could not backup statistics.\r\n") + e.what(), MsgKind::Warning,
                       Buttons(MsgButton::OK));
        return;
    }
    ShowMessageBox(owner, "FreeCell statistics backup completed.", MsgKind::Information, Buttons(MsgButton::OK));
}

}  // namespace tv
