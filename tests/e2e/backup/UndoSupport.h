#pragma once
// What the undo tests compare: the files a command added to the program's folder, the names and
// list texts of automatic backups, and the game's key with or without its six values.
#include <windows.h>

#include <map>
#include <string>

#include "support/system/Folders.h"
#include "support/system/Registry.h"

namespace tv::e2e {

// The entries of after that before lacks. Every entry of before must be in after unchanged: one
// that is gone or changed is a test failure.
test::FolderContents AddedFiles(const test::FolderContents& before, const test::FolderContents& after);

// backup_name, "_", a timestamp "yyyymmdd_hhmmss" and ".reg".
bool IsAutomaticBackupName(const std::string& file_name, const std::string& backup_name);
// The file name of a backup under backup_name made the given number of seconds from now.
std::string AutomaticBackupNameIn(const std::string& backup_name, int seconds);
// The restore dialog's item for a backup file name, in the test prefix's United States locale
// ("8/12/2026 1:30:00 AM - Before Clear").
std::string ListItemOf(const std::string& file_name);

// Moves a window to the middle of the screen, so that a wide box centred over it stays clear of
// the screen's edges (which would push it aside).
void MoveToTheMiddleOfTheScreen(HWND wnd);
// The question after an automatic backup that failed: a confirmation with this text over the
// window that raised it, No its default (Enter) and its cancel button (Esc), the focus on No.
void ExpectBackupFirstQuestion(HWND box, HWND over, const std::string& text);

using KeyValues = std::map<std::string, test::StoredValue>;
// The values without Won, Lost, Wins, Losses, Streak and SType.
KeyValues WithoutTheSix(const KeyValues& values);
// The six values as a restore writes them (four-byte REG_BINARY), and nothing else.
KeyValues ValuesOf(const test::GameFigures& f);

}  // namespace tv::e2e
