#include "app/MessageBox.h"

namespace tv {

// Interim: the system's message box until the program's own Message box is built.
MsgResult ShowMessageBox(HWND owner, const std::string& text, MsgKind kind, MsgButtons buttons) {
    UINT type = MB_OK;
    if (buttons == (MsgButton::Yes | MsgButton::No)) type = MB_YESNO;
    const char* caption = "Information";
    switch (kind) {
        case MsgKind::Warning: caption = "Warning"; type |= MB_ICONWARNING; break;
        case MsgKind::Error: caption = "Error"; type |= MB_ICONSTOP; break;
        case MsgKind::Information: caption = "Information"; type |= MB_ICONINFORMATION; break;
        case MsgKind::Confirmation: caption = "Confirm"; type |= MB_ICONQUESTION; break;
        case MsgKind::Custom: caption = "Tallyvane"; break;
    }
    switch (MessageBoxA(owner, text.c_str(), caption, type)) {
        case IDYES: return MsgResult::Yes;
        case IDNO: return MsgResult::No;
        case IDOK: return MsgResult::OK;
        default: return MsgResult::Cancel;
    }
}

}  // namespace tv
