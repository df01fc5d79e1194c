#pragma once
// The backup tests' own helpers: list box clicks and the program folder's files.
#include <windows.h>

#include <string>
#include <vector>

namespace tv::e2e {

// Selects a list box item with a real click on it (scrolling it into view first).
void ClickListBoxItem(HWND list, int index);
// The file names in a folder matching a wildcard.
std::vector<std::string> FilesMatching(const std::string& folder, const std::string& mask);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace tv::e2e
