#include "app/PushButton.h"

namespace tv {

HWND CreatePushButton(HWND parent, const PushButtonSpec& spec, HFONT font) {
    const bool is_default = spec.role == ButtonRole::Default || spec.role == ButtonRole::DefaultAndCancel;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    HWND button = CreateWindowExA(0, "BUTTON", spec.caption.c_str(), style, spec.x, spec.y, spec.width, spec.height,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                  GetModuleHandleA(nullptr), nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return button;
}

}  // namespace tv
