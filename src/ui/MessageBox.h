#pragma once
// The Message box: every question and notice the program puts to the user.
#include <windows.h>

#include <optional>
#include <string>

#include "ui/MessageBoxTypes.h"

namespace tv {

// Modal; centred over owner. Esc and the close box give the cancel button's result. Enter gives
// the default button's: default_button when it is shown, else the usual one (DefaultButton).
MsgResult ShowMessageBox(HWND owner, const std::string& text, MsgKind kind, MsgButtons buttons,
                         std::optional<MsgButton> default_button = std::nullopt);

}  // namespace tv
