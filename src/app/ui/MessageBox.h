#pragma once
// The Message box: every question and notice the program puts to the user.
#include <windows.h>

#include <string>

#include "app/ui/MessageBoxTypes.h"

namespace tv {

// Modal; centred over owner. Esc and the close box give the cancel button's result.
MsgResult ShowMessageBox(HWND owner, const std::string& text, MsgKind kind, MsgButtons buttons);

}  // namespace tv
