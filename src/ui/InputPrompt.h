#pragma once
// The Input prompt: a caption, a prompt text, a one-line edit field, OK and Cancel.
#include <windows.h>

#include <string>

namespace tv {

namespace inputprompt {
enum ControlId : int { IdPrompt = 300, IdEdit = 301 };  // OK and Cancel are IDOK and IDCANCEL
inline constexpr int kMaxLength = 255;
}  // namespace inputprompt

// Shows the prompt modally, centred over owner, with value as the initial text (all selected).
// On OK returns true and the edited text in value; on Cancel, Esc or the close box returns false
// and leaves value as it was.
bool InputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value);

// Removes every CR and LF: what a paste into the one-line field keeps of a multi-line text.
std::string RemoveLineBreaks(const std::string& text);

}  // namespace tv
