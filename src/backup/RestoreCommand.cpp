#include "backup/RestoreCommand.h"

#include "backup/AutomaticBackup.h"
#include "platform/TextFormat.h"
#include "ui/MessageBox.h"

namespace tv {

namespace {

// The restore's own failure, in the words and the box the backup command uses for its own.
std::string RestoreFailedText(const std::string& error) { return "Could not restore statistics.\r\n" + error; }

}  // namespace

std::string RestoreQuestion(const std::string& date_text, const std::string& backup_name) {
    return backup_name.empty() ? FormatText("Restore backup file dated \"%s\"?", date_text)
                               : FormatText("Restore backup file dated \"%s\" from %s?", {date_text, backup_name});
}

bool ConfirmRestore(HWND owner, const std::string& date_text, const std::string& backup_name) {
    return ShowMessageBox(owner, RestoreQuestion(date_text, backup_name), MsgKind::Confirmation,
                          MsgButton::Yes | MsgButton::No) == MsgResult::Yes;
}

bool RestoreStatistics(HWND owner, const std::string& folder, const RawRecord& raw, const RawPresence& present) {
    // What the restore overwrites is saved first, so that restoring that backup undoes it.
    if (!BackUpBeforeOverwriting(owner, folder, OverwritingCommand::Restore)) return false;
    // All or nothing: a failure puts the values back and reaches the General error box. So it
    // does when the key cannot be opened or created, with its own words.
    if (!WriteStatisticsRecordAllOrNothing(raw, WriteRawValue, present)) {
        const std::string key = FormatText("Cannot create key HKEY_CURRENT_USER%s", std::string(kStatisticsKeyPath));
        ShowMessageBox(owner, RestoreFailedText(key), MsgKind::Warning, Buttons(MsgButton::OK));
        return false;
    }
    return true;
}

}  // namespace tv
