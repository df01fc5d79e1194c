#include "app/ui/ModalDialog.h"

#include <array>

#include "app/ui/FormFont.h"
#include "platform/WindowProcedure.h"
#include "widgets/button/FormButtons.h"

namespace tv {

namespace {

// DLGTEMPLATE followed by empty menu, class and title arrays; must be DWORD-aligned.
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD window_class = 0;
    WORD title = 0;
    WORD padding = 0;
};

}  // namespace

void CentreWindow(HWND wnd, HWND reference) {
    RECT r{};
    GetWindowRect(wnd, &r);
    RECT ref{};
    if (!reference || !GetWindowRect(reference, &ref)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &ref, 0);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    int x = ref.left + ((ref.right - ref.left) - w) / 2;
    int y = ref.top + ((ref.bottom - ref.top) - h) / 2;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (x + w > work.right) x = work.right - w;
    if (y + h > work.bottom) y = work.bottom - h;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR ModalDialog::ShowModal(HWND owner, const std::string& caption, int client_width, int client_height,
                               HWND centre_over) {
    caption_ = caption;
    client_width_ = client_width;
    client_height_ = client_height;
    centre_over_ = centre_over ? centre_over : owner;
    alignas(4) EmptyTemplate tmpl{};
    tmpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tmpl.header, owner, DialogProcedure<ModalDialog>,
                                   reinterpret_cast<LPARAM>(this));
}

void ModalDialog::Close(INT_PTR result) { EndDialog(wnd_, result); }

void ModalDialog::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(wnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(wnd_, GWL_EXSTYLE)));
    SetWindowPos(wnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOver(centre_over_);
}

void ModalDialog::CentreOver(HWND reference) { CentreWindow(wnd_, reference); }

INT_PTR ModalDialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

INT_PTR ModalDialog::HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            wnd_ = wnd;
            SetWindowTextA(wnd_, caption_.c_str());
            SetClientSize(client_width_, client_height_);
            HWND focus = OnCreate();
            if (focus) {
                SetFocus(focus);
                return FALSE;  // focus set by us
            }
            return TRUE;
        }
        case WM_COMMAND: {
            // Enter and Escape of the dialog manager are the default and cancel buttons' own clicks.
            if (RouteDialogCommand(wnd_, wp, lp)) return TRUE;
            const int id = LOWORD(wp);
            const int code = HIWORD(wp);
            if (OnCommand(id, code, reinterpret_cast<HWND>(lp))) return TRUE;
            if (id == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            return FALSE;
        }
        case WM_CLOSE:
            OnCancel();
            return TRUE;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(FormBrush());
        case WM_SYSCOLORCHANGE:
            ForwardSysColorChange(wnd_);
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_NCDESTROY:
            wnd_ = nullptr;
            return FALSE;
        default:
            break;
    }
    bool handled = false;
    const INT_PTR result = OnMessage(msg, wp, lp, handled);
    if (handled) {
        SetWindowLongPtrA(wnd, DWLP_MSGRESULT, result);
        return msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORLISTBOX ? result : TRUE;
    }
    return FALSE;
}

}  // namespace tv
