#pragma once
// The rules of the automatic backup that Clear and Restore write of what they are about to
// overwrite: its name, its second, the question when it fails, and whether the command goes on.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "backup/BackupFormat.h"

namespace tv {

// The two commands that destroy the user's statistics.
enum class OverwritingCommand { Clear, Restore };

// "Before Clear" or "Before Restore": the backup name of the command's automatic backup.
const char* AutomaticBackupName(OverwritingCommand command);

// The question put when the automatic backup could not be written, with the reason in it.
std::string BackupFirstQuestion(OverwritingCommand command, const std::string& error);

// The first second from `from` on whose file name for backup_name is not among taken_names (file
// names without folder, compared as the file system does: ASCII letters without regard to case),
// so that an automatic backup never replaces an existing file.
BackupStamp FirstFreeSecond(std::string_view backup_name, const BackupStamp& from,
                            const std::vector<std::string>& taken_names);

enum class BackupFirstOutcome {
    Written,        // detail: the file's full path
    NothingToSave,  // the key is absent or holds none of the six values: no file
    Failed,         // detail: the reason, as the writer (or the store) words it
};

struct BackupFirstResult {
    BackupFirstOutcome outcome;
    std::string detail;
};

// Whether the command goes on to overwrite: after a written backup, or with nothing to save, it
// does; after a failed one only when ask(question) answers yes.
bool GoesOnAfterBackup(OverwritingCommand command, const BackupFirstResult& backup,
                       const std::function<bool(const std::string& question)>& ask);

}  // namespace tv
