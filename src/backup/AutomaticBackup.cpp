#include "backup/AutomaticBackup.h"

#include <vector>

#include "backup/BackupFiles.h"
#include "platform/Error.h"
#include "platform/TextFormat.h"
#include "stats/StatsStore.h"
#include "ui/MessageBox.h"

namespace tv {

namespace {

// Another program may take a name between the listing and the move: a few more seconds are
// tried, each refused by the move itself rather than replaced.
constexpr int kNameAttempts = 16;

}  // namespace

BackupFirstResult WriteAutomaticBackup(const std::string& folder, OverwritingCommand command, const BackupStamp& now) {
    const std::string name = AutomaticBackupName(command);
    try {
        RawRecord raw;
        if (ReadRecordForBackup(raw).values_found == 0) return {BackupFirstOutcome::NothingToSave, {}};
        const std::string text = JoinBackupLines(BackupFileLines(raw));
        std::vector<std::string> taken = FindBackupFileNames(folder);
        std::string path;
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const BackupStamp stamp = FirstFreeSecond(name, now, taken);
            path = BackupFileName(folder, name, stamp);
            if (WriteNewBackupFile(path, text)) return {BackupFirstOutcome::Written, path};
            taken.push_back(BackupFileName("", name, stamp));
        }
        return {BackupFirstOutcome::Failed, FormatText("Cannot create file %s", path)};
    } catch (const TvError& e) {
        // A value the backup format cannot hold is a reason not to have a backup, like a full
        // disk: the user decides whether to go on without one.
        return {BackupFirstOutcome::Failed, e.what()};
    }
}

bool BackUpBeforeOverwriting(HWND owner, const std::string& folder, OverwritingCommand command) {
    const BackupFirstResult backup = WriteAutomaticBackup(folder, command, LocalNow());
    return GoesOnAfterBackup(command, backup, [owner](const std::string& question) {
        // No is the default: going on without a backup is never a matter of one key too many.
        return ShowMessageBox(owner, question, MsgKind::Confirmation, MsgButton::Yes | MsgButton::No, MsgButton::No) ==
               MsgResult::Yes;
    });
}

}  // namespace tv
