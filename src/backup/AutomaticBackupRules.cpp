#include "backup/AutomaticBackupRules.h"

#include <algorithm>

#include "platform/TextCase.h"
#include "platform/TextFormat.h"

namespace tv {

const char* AutomaticBackupName(OverwritingCommand command) {
    return command == OverwritingCommand::Clear ? "Before Clear" : "Before Restore";
}

std::string BackupFirstQuestion(OverwritingCommand command, const std::string& error) {
    return FormatText(command == OverwritingCommand::Clear
                          ? "The statistics could not be backed up first: %s. Clear them anyway?"
                          : "The statistics could not be backed up first: %s. Restore anyway?",
                      error);
}

BackupStamp FirstFreeSecond(std::string_view backup_name, const BackupStamp& from,
                            const std::vector<std::string>& taken_names) {
    const std::string name(backup_name);
    const auto taken = [&](const BackupStamp& stamp) {
        const std::string file_name = BackupFileName("", name, stamp);
        return std::any_of(taken_names.begin(), taken_names.end(),
                           [&](const std::string& t) { return EqualsIgnoringAsciiCase(t, file_name); });
    };
    BackupStamp stamp = from;
    // Each taken name blocks one second at most, so this ends within taken_names.size() steps.
    while (taken(stamp)) stamp = NextSecond(stamp);
    return stamp;
}

bool GoesOnAfterBackup(OverwritingCommand command, const BackupFirstResult& backup,
                       const std::function<bool(const std::string& question)>& ask) {
    if (backup.outcome != BackupFirstOutcome::Failed) return true;
    return ask(BackupFirstQuestion(command, backup.detail));
}

}  // namespace tv
