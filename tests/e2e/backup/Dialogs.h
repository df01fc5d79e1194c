#pragma once
// Message boxes, prompts and list boxes of the program, worked from outside its process.
#include <windows.h>

#include <string>
#include <vector>

namespace tv::e2e {

// A message box of the process by its caption ("Information", "Warning", "Confirm", "Tallyvane").
HWND FindMessageBox(DWORD pid, const std::string& caption, int timeout_ms = 5000);
// Its message: the text of its STATIC child that has one.
std::string MessageBoxText(HWND box);
// Clicks the child button whose window text is given ("&Yes", "&No", "OK"); false when none.
bool PressButton(HWND dialog, const std::string& text);
// Answers a message box and waits until it has gone.
bool Answer(HWND box, const std::string& button_text);

// The items of a list box in another process, read as UTF-16 and given back in the ANSI code page.
std::vector<std::string> ListItems(HWND list);

// Selects a list box item with a real click on it (scrolling it into view first).
void ClickListBoxItem(HWND list, int index);
// The file names in a folder matching a wildcard.
std::vector<std::string> FilesMatching(const std::string& folder, const std::string& mask);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace tv::e2e
