#pragma once
// The backup tests' own helpers: list box clicks, and (from the driver) the program folder's files.
#include <windows.h>

#include <string>

#include "support/system/Folders.h"
#include "support/system/Registry.h"

namespace tv::e2e {

// Selects a list box item with a real click on it (scrolling it into view first).
void ClickListBoxItem(HWND list, int index);
// A backup file of these figures, byte for byte as the program writes one.
std::string BackupText(const test::GameFigures& f);
// The local time some seconds from now (backups are named by the local time).
SYSTEMTIME LocalTimeIn(int seconds);

}  // namespace tv::e2e
