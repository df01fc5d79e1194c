#pragma once
// The backup tests' own helpers: list box clicks, and (from the driver) the program folder's files.
#include <windows.h>

#include <string>

#include "support/system/Folders.h"
#include "support/system/Registry.h"

namespace tv::e2e {

// Selects a list box item with a real click on it (scrolling it into view first).
void ClickListBoxItem(HWND list, int index);
// The history the program keeps beside itself. It records every change the backup tests make and
// has tests of its own; they wait for its first entry before they fill a disk, and leave it out
// where they compare the folder's files.
inline constexpr const char* kHistoryFileName = "FreeCell history.csv";
// True once the history in folder holds its first entry (within a few seconds).
bool WaitForTheHistoryStart(const std::string& folder);
test::FolderContents WithoutTheHistory(test::FolderContents files);

// A backup file of these figures, byte for byte as the program writes one.
std::string BackupText(const test::GameFigures& f);
// The local time some seconds from now (backups are named by the local time).
SYSTEMTIME LocalTimeIn(int seconds);

}  // namespace tv::e2e
