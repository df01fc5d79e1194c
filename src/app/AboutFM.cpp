#include "app/AboutFM.h"

#include <shellapi.h>

#include "app/AboutFMIds.h"
#include "app/AboutFMLayout.h"
#include "app/AboutText.h"
#include "app/Application.h"
#include "platform/RuntimeLibrary.h"
#include "ui/HandCursor.h"
#include "ui/PushButton.h"

namespace tv {

using namespace aboutfm;

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

// The application's icon at a size of pixels: the resource holds several, the nearest is taken.
UniqueIcon LoadApplicationIcon(int size) {
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, 0));
    if (!icon) {
        icon = static_cast<HICON>(
            LoadImageA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION), IMAGE_ICON, size, size, 0));
    }
    return UniqueIcon(icon);
}

void MakeClickable(const Label& label) {
    // SS_NOTIFY: the label reports clicks and takes part in hit-testing (cursor and tooltip).
    const HWND wnd = label.Handle();
    SetWindowLongPtrA(wnd, GWL_STYLE, GetWindowLongPtrA(wnd, GWL_STYLE) | SS_NOTIFY);
}

void ShellOpen(const std::string& target) {
    // Whatever the shell answers is its own business: it reports failures itself.
    if (const auto shell_execute = RuntimeProc<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA"))
        shell_execute(ApplicationWindow(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

TAboutForm::TAboutForm() : Form(kDesign) {}

INT_PTR TAboutForm::ShowModal(HWND main_window) { return Form::ShowModal(main_window, about::kCaption, main_window); }

HWND TAboutForm::OnCreate() {
    const HWND wnd = Handle();
    ImageIcon =
        CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, 0, 0, wnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdImageIcon)), GetModuleHandleA(nullptr), nullptr);
    lblAppName = Label(GetDlgItem(wnd, IdLblAppName));
    lblVersion = Label(GetDlgItem(wnd, IdLblVersion));
    lblURL = Label(GetDlgItem(wnd, IdLblURL));
    lblEmail = Label(GetDlgItem(wnd, IdLblEmail));
    MakeClickable(lblURL);
    MakeClickable(lblEmail);
    btnOK = CreatePushButton(
        wnd,
        {.id = IdBtnOK, .caption = "&OK", .role = ButtonRole::DefaultAndCancel, .spacing = 4, .modal_result = IDOK},
        Font(kFormFont));

    tips_.Create(wnd);
    tips_.Add(lblURL.Handle(), about::kUrlTip);
    tips_.Add(lblEmail.Handle(), about::kEmailTip);
    FormCreate();
    return btnOK;
}

void TAboutForm::FormCreate() { ShowApplicationIcon(CurrentDpi()); }

SIZE TAboutForm::LayOut(Dpi dpi) {
    if (dpi != icon_dpi_) ShowApplicationIcon(dpi);
    const SIZE client = Form::LayOut(dpi);
    tips_.FollowDpi(dpi);
    return client;
}

void TAboutForm::ShowApplicationIcon(Dpi dpi) {
    // The picture in the size of its image control at this DPI, not a smaller one stretched; the
    // control shows it without owning it.
    UniqueIcon icon = LoadApplicationIcon(dpi.Scale(FindControl(kDesign, IdImageIcon)->rect.width));
    SendMessageA(ImageIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);
    icon_dpi_ = dpi;
}

bool TAboutForm::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDOK:
            Close(IDOK);
            return true;
        case IdLblURL:
            if (code == STN_CLICKED) lblURLClick();
            return true;
        case IdLblEmail:
            if (code == STN_CLICKED) lblEmailClick();
            return true;
        default:
            return false;
    }
}

void TAboutForm::lblURLClick() { ShellOpen(about::UrlLinkTarget(lblURL.Caption())); }

void TAboutForm::lblEmailClick() { ShellOpen(about::EmailLinkTarget(lblEmail.Caption())); }

LRESULT TAboutForm::OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) {
    handled = msg == WM_SETCURSOR && OnSetCursor(reinterpret_cast<HWND>(wp));
    return TRUE;
}

COLORREF TAboutForm::LabelTextColor(HWND label) const {
    if (label == lblAppName.Handle()) return kNavy;
    if (label == lblURL.Handle() || label == lblEmail.Handle()) return kLinkBlue;
    return Form::LabelTextColor(label);
}

bool TAboutForm::OnSetCursor(HWND control) {
    if (control != lblURL.Handle() && control != lblEmail.Handle()) return false;
    SetCursor(HandPointCursor());
    return true;
}

}  // namespace tv
