// The About form inside this process: the links' hand cursor and the hand-cursor installation.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/AboutFM.h"
#include "app/AboutFMIds.h"
#include "ui/HandCursor.h"

namespace tv {
namespace {

// Runs a check inside the About box's modal loop, then closes the box.
struct ModalProbe {
    std::function<void(HWND about)> check;
    bool ran = false;
};
ModalProbe* active_probe = nullptr;  // test-only: the timer procedure has no context argument

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = FindWindowA(nullptr, "About");
    if (!about || !active_probe || active_probe->ran) return;
    KillTimer(nullptr, timer);
    active_probe->ran = true;
    active_probe->check(about);
    PostMessageA(about, WM_COMMAND, IDOK, 0);
}

void ShowAboutWith(const std::function<void(HWND)>& check) {
    ModalProbe probe{check};
    active_probe = &probe;
    SetTimer(nullptr, 0, 50, ProbeTimer);
    TAboutForm about;
    EXPECT_EQ(about.ShowModal(nullptr), IDOK);
    active_probe = nullptr;
    EXPECT_TRUE(probe.ran);
}

HCURSOR CursorOver(HWND control) {
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)));
    SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

TEST(AboutForm, LinksShowTheInstalledHandCursorOtherControlsDoNot) {
    const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    const HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(HandPointCursor(), arrow) << "nothing installed yet";
    InstallSystemHandCursor();
    EXPECT_EQ(HandPointCursor(), hand);

    ShowAboutWith([&](HWND about) {
        EXPECT_EQ(CursorOver(GetDlgItem(about, aboutfm::IdLblURL)), hand);
        EXPECT_EQ(CursorOver(GetDlgItem(about, aboutfm::IdLblEmail)), hand);
        EXPECT_NE(CursorOver(GetDlgItem(about, aboutfm::IdLblVersion)), hand);
        EXPECT_NE(CursorOver(GetDlgItem(about, IDOK)), hand);
    });
}

TEST(AboutForm, LinksReportClicksAndAreBlueAndUnderlined) {
    ShowAboutWith([](HWND about) {
        for (int id : {aboutfm::IdLblURL, aboutfm::IdLblEmail}) {
            HWND link = GetDlgItem(about, id);
            EXPECT_TRUE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);
            LOGFONTA lf{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
            EXPECT_TRUE(lf.lfUnderline);
            EXPECT_EQ(lf.lfHeight, -11);
        }
        LOGFONTA name{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(about, aboutfm::IdLblAppName), WM_GETFONT, 0, 0)),
                   sizeof(name), &name);
        EXPECT_STREQ(name.lfFaceName, "Arial Black");
        EXPECT_EQ(name.lfHeight, -19);
        EXPECT_EQ(name.lfCharSet, ANSI_CHARSET);

        // The colours the dialog hands the labels for painting.
        HDC dc = GetDC(about);
        auto colour_of = [&](int id) {
            SendMessageA(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(GetDlgItem(about, id)));
            return GetTextColor(dc);
        };
        EXPECT_EQ(colour_of(aboutfm::IdLblURL), RGB(0, 0, 255));
        EXPECT_EQ(colour_of(aboutfm::IdLblEmail), RGB(0, 0, 255));
        EXPECT_EQ(colour_of(aboutfm::IdLblAppName), RGB(0, 0, 128));
        EXPECT_EQ(colour_of(aboutfm::IdLblVersion), GetSysColor(COLOR_WINDOWTEXT));
        ReleaseDC(about, dc);
    });
}

}  // namespace
}  // namespace tv
