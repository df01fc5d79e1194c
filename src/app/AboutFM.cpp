#include "app/AboutFM.h"

#include <shellapi.h>

#include "app/AboutFMIds.h"
#include "app/AboutFMLayout.h"
#include "app/AboutText.h"
#include "app/Application.h"
#include "ui/FormFont.h"
#include "ui/FormPlacement.h"
#include "ui/HandCursor.h"
#include "ui/PushButton.h"
#include "platform/RuntimeLibrary.h"

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

INT_PTR TAboutForm::ShowModal(HWND main_window) {
    return ModalDialog::ShowModal(main_window, about::kCaption, kDesign.client_width, kDesign.client_height,
                                  main_window);
}

HWND TAboutForm::OnCreate() {
    const HWND wnd = Handle();
    fonts_ = FormFonts::For(kFonts, CurrentDpi());
    ImageIcon = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, 0, 0, wnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdImageIcon)), GetModuleHandleA(nullptr),
                                nullptr);
    CreateLabels(wnd, kLabels);
    lblAppName = Label(GetDlgItem(wnd, IdLblAppName));
    lblVersion = Label(GetDlgItem(wnd, IdLblVersion));
    lblURL = Label(GetDlgItem(wnd, IdLblURL));
    lblEmail = Label(GetDlgItem(wnd, IdLblEmail));
    MakeClickable(lblURL);
    MakeClickable(lblEmail);
    btnOK = CreatePushButton(
        wnd,
        {.id = IdBtnOK, .caption = "&OK", .role = ButtonRole::DefaultAndCancel, .spacing = 4, .modal_result = IDOK},
        fonts_[kFormFont]);

    tips_.Create(wnd);
    tips_.Add(lblURL.Handle(), about::kUrlTip);
    tips_.Add(lblEmail.Handle(), about::kEmailTip);
    FormCreate();
    return btnOK;
}

void TAboutForm::FormCreate() { ShowApplicationIcon(CurrentDpi()); }

SIZE TAboutForm::LayOut(Dpi dpi) {
    if (dpi != icon_dpi_) ShowApplicationIcon(dpi);
    const FormLayout layout = LayOutFormAt(Handle(), kDesign, dpi, fonts_);
    tips_.FollowDpi(dpi);
    return SIZE{layout.client_width, layout.client_height};
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

INT_PTR TAboutForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    switch (msg) {
        case WM_CTLCOLORSTATIC:
            handled = true;
            return OnCtlColorStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_SETCURSOR:
            handled = OnSetCursor(reinterpret_cast<HWND>(wp));
            return TRUE;
        default:
            handled = false;
            return 0;
    }
}

LRESULT TAboutForm::OnCtlColorStatic(HDC dc, HWND control) {
    const LRESULT brush = LabelColors(dc);
    if (control == lblAppName.Handle()) SetTextColor(dc, kNavy);
    if (control == lblURL.Handle() || control == lblEmail.Handle()) SetTextColor(dc, kLinkBlue);
    return brush;
}

bool TAboutForm::OnSetCursor(HWND control) {
    if (control != lblURL.Handle() && control != lblEmail.Handle()) return false;
    SetCursor(HandPointCursor());
    return true;
}

}  // namespace tv
