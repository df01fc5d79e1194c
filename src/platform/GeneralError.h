#pragma once
// The General error box: how an error that no command handled reaches the user. It sits with the
// platform pieces because every window procedure, the button's included, reports through it.
#include <string>

namespace tv {

// The text shown: the message, with a full stop added when the last character's code is above
// that of ".".
std::string GeneralErrorText(const std::string& message);

// A system message box: caption the application title, stop icon, one OK button.
void ShowGeneralError(const std::string& message);

// For catch (...) blocks at window-procedure boundaries: shows the current exception's message.
void ReportUnhandledException();

}  // namespace tv
