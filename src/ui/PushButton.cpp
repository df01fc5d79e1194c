#include "ui/PushButton.h"

#include "widgets/button/VtPopBtn.h"

namespace tv {

HWND CreatePushButton(HWND parent, const PushButtonSpec& spec, HFONT font) {
    RegisterVtPopupButtonClass();
    const bool is_default = spec.role == ButtonRole::Default || spec.role == ButtonRole::DefaultAndCancel;
    const bool is_cancel = spec.role == ButtonRole::Cancel || spec.role == ButtonRole::DefaultAndCancel;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    HWND button = CreateWindowExA(0, kVtPopupButtonClass, spec.caption.c_str(), style, spec.x, spec.y, spec.width,
                                  spec.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                  GetModuleHandleA(nullptr), nullptr);
    if (!button) return nullptr;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (TCustomVtPopupButton* b = TCustomVtPopupButton::FromHandle(button)) {
        b->SetDrawDefaultFrame(false);
        b->SetLinkStyle(4);  // underline
        b->SetNumGlyphs(1);
        b->SetSpacing(spec.spacing);
        b->SetDefault(is_default);
        b->SetCancel(is_cancel);
        b->SetModalResult(spec.modal_result);
        b->Loaded();
    }
    return button;
}

}  // namespace tv
