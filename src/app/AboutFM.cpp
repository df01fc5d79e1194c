#include "app/AboutFM.h"

#include <shellapi.h>

#include "app/AboutFMIds.h"
#include "app/AboutText.h"
#include "app/Application.h"
#include "app/ui/FormFont.h"
#include "app/ui/HandCursor.h"
#include "app/ui/PushButton.h"
#include "platform/RuntimeLibrary.h"

namespace tv {

using namespace aboutfm;

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

UniqueFont CreateAppNameFont() {
    return UniqueFont(CreateFontA(-19, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial Black"));
}

UniqueFont CreateLinkFont() {
    return UniqueFont(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
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
    return ModalDialog::ShowModal(main_window, about::kCaption, kClientWidth, kClientHeight, main_window);
}

HWND TAboutForm::OnCreate() {
    const HWND wnd = Handle();
    font_ = CreateFormFont(false);
    app_name_font_ = CreateAppNameFont();
    link_font_ = CreateLinkFont();
    SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    ImageIcon = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, 12, 18, 32, 32, wnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdImageIcon)), GetModuleHandleA(nullptr),
                                nullptr);
    lblAppName.Create(wnd, 60, 12, about::kAppName, app_name_font_.get(), LabelAnchor::Left, IdLblAppName);
    lblVersion.Create(wnd, 60, 42, about::kVersionText, font_.get(), LabelAnchor::Left, IdLblVersion);
    lblURL.Create(wnd, 12, 72, about::kHomepageUrl, link_font_.get(), LabelAnchor::Left, IdLblURL);
    lblEmail.Create(wnd, 12, 90, about::kSupportEmail, link_font_.get(), LabelAnchor::Left, IdLblEmail);
    MakeClickable(lblURL);
    MakeClickable(lblEmail);
    btnOK = CreatePushButton(wnd, {IDOK, "&OK", 192, 90, 75, 25, ButtonRole::DefaultAndCancel, 4, IDOK}, font_.get());

    tips_.Create(wnd);
    tips_.Add(lblURL.Handle(), about::kUrlTip);
    tips_.Add(lblEmail.Handle(), about::kEmailTip);
    FormCreate();
    return btnOK;
}

void TAboutForm::FormCreate() {
    // The icon resource is shared by the system: the control shows it without owning it.
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    SendMessageA(ImageIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
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
