#include "ui/ModalDialog.h"

#include <array>

#include "ui/FormFont.h"
#include "platform/WindowDpi.h"
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
    design_width_ = client_width;
    design_height_ = client_height;
    centre_over_ = centre_over ? centre_over : owner;
    alignas(4) EmptyTemplate tmpl{};
    tmpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tmpl.header, owner, DialogProcedure<ModalDialog>,
                                   reinterpret_cast<LPARAM>(this));
}

void ModalDialog::Close(INT_PTR result) { EndDialog(wnd_, result); }

void ModalDialog::OnInitDialog(HWND wnd) {
    wnd_ = wnd;
    // The DPI of the monitor the dialog has come up on: what it is laid out for.
    dpi_ = DpiOfWindow(wnd_);
    SetWindowTextA(wnd_, caption_.c_str());
}

SIZE ModalDialog::LayOut(Dpi dpi) { return ClientSizeAt(dpi); }

SIZE ModalDialog::ClientSizeAt(Dpi dpi) const { return SIZE{dpi.Scale(design_width_), dpi.Scale(design_height_)}; }

void ModalDialog::OnDpiChanged(WPARAM wp, LPARAM lp) {
    dpi_ = DpiFromMessage(wp);
    const SIZE client = LayOut(dpi_);
    FinishDpiChange(wnd_, lp, client.cx, client.cy);
}

INT_PTR ModalDialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

INT_PTR ModalDialog::HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            OnInitDialog(wnd);
            HWND focus = OnCreate();
            KeepDialogScalingToItself(wnd_);
            const SIZE client = LayOut(dpi_);
            FitClientArea(wnd_, client.cx, client.cy);
            CentreWindow(wnd_, centre_over_);
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
        case WM_GETDPISCALEDSIZE: {
            // The size the dialog will have at the new DPI: the system's suggestion then fits.
            const Dpi dpi(static_cast<int>(wp));
            const BOOL answered = AnswerDpiScaledSize(wnd_, lp, ClientSizeAt(dpi), dpi);
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, answered);
            return TRUE;
        }
        case WM_DPICHANGED:
            OnDpiChanged(wp, lp);
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
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
