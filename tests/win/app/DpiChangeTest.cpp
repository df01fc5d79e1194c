// A window moved to a monitor of another scale: WM_DPICHANGED with the new DPI and the system's
// suggested rectangle. The window takes the rectangle, lays every control out again at the new
// DPI in fonts made for it, and tells its children, which the system does not do here.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/AboutFM.h"
#include "app/AboutFMLayout.h"
#include "app/MainFM.h"
#include "app/MainFMLayout.h"
#include "backup/RestoreFM.h"
#include "backup/RestoreFMLayout.h"
#include "platform/Handles.h"
#include "platform/WindowDpi.h"
#include "stats/StatsStore.h"
#include "ui/FormDesign.h"
#include "ui/InputPrompt.h"
#include "ui/MessageBox.h"
#include "ui/MessageBoxLayout.h"

namespace tv {
namespace {

RECT RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LayoutRect AsLayout(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

SIZE ClientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return {r.right, r.bottom};
}

LOGFONTA FontOf(HWND wnd) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(wnd, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    return lf;
}

std::string TextOf(HWND wnd) {
    char text[256] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    return text;
}

// The text's size in the control's own font.
SIZE ExtentInOwnFont(HWND control) {
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const SelectGuard select(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    const std::string text = TextOf(control);
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    return {size.cx, tm.tmHeight};
}

// The windows of this thread that were sent WM_DPICHANGED_AFTERPARENT while it lives.
class AfterParentLog {
public:
    AfterParentLog() {
        log_ = &seen_;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId());
    }
    ~AfterParentLog() {
        UnhookWindowsHookEx(hook_);
        log_ = nullptr;
    }
    AfterParentLog(const AfterParentLog&) = delete;
    AfterParentLog& operator=(const AfterParentLog&) = delete;
    bool Saw(HWND wnd) const { return seen_.count(wnd) != 0; }

private:
    static LRESULT CALLBACK Record(int code, WPARAM wp, LPARAM lp) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (code == HC_ACTION && log_ && message->message == WM_DPICHANGED_AFTERPARENT) log_->insert(message->hwnd);
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline std::set<HWND>* log_ = nullptr;  // test-only: the hook procedure has no context argument
    std::set<HWND> seen_;
    HHOOK hook_ = nullptr;
};

// What the system sends when a window is dragged onto a monitor of another scale: the new DPI and a
// rectangle, somewhere else, whose client area (with the window's own frame) is client.
RECT SendDpiChanged(HWND wnd, Dpi dpi, SIZE client) {
    RECT window{};
    GetWindowRect(wnd, &window);
    const SIZE now = ClientSize(wnd);
    const int frame_x = (window.right - window.left) - now.cx;
    const int frame_y = (window.bottom - window.top) - now.cy;
    RECT suggested{window.left + 17, window.top + 11, 0, 0};
    suggested.right = suggested.left + client.cx + frame_x;
    suggested.bottom = suggested.top + client.cy + frame_y;
    const WPARAM wp = MAKEWPARAM(dpi.Value(), dpi.Value());
    SendMessageA(wnd, WM_DPICHANGED, wp, reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

// A DPI other than the one the windows come up with.
Dpi OtherDpi(HWND wnd) { return DpiOfWindow(wnd).Value() == 144 ? Dpi(192) : Dpi(144); }

// Every label and control of a designed form where its layout at dpi puts it, in fonts of that DPI;
// with a log, every control was told of the change.
void ExpectLaidOut(HWND form, const FormDesign& design, Dpi dpi, const AfterParentLog* log = nullptr) {
    const FormLayout layout = LayOutForm(design, dpi);
    const SIZE client = ClientSize(form);
    EXPECT_EQ(client.cx, layout.client_width) << dpi.Value();
    EXPECT_EQ(client.cy, layout.client_height) << dpi.Value();
    for (const PlacedLabel& placed : layout.labels) {
        HWND label = GetDlgItem(form, placed.id);
        ASSERT_NE(label, nullptr) << placed.id;
        const LOGFONTA font = FontOf(label);
        EXPECT_EQ(font.lfHeight, layout.font_heights[static_cast<std::size_t>(placed.font)]) << TextOf(label);
        EXPECT_STREQ(font.lfFaceName, design.fonts[static_cast<std::size_t>(placed.font)].face) << TextOf(label);
        const SIZE text = ExtentInOwnFont(label);
        EXPECT_EQ(AsLayout(RectInParent(label)), LabelRect(placed.x, placed.y, placed.anchor, text.cx, text.cy))
            << TextOf(label);
    }
    for (const PlacedControl& placed : layout.controls) {
        HWND control = GetDlgItem(form, placed.id);
        ASSERT_NE(control, nullptr) << placed.id;
        EXPECT_EQ(AsLayout(RectInParent(control)), placed.rect) << TextOf(control);
        if (placed.font != kNoFont) {
            EXPECT_EQ(FontOf(control).lfHeight, layout.font_heights[static_cast<std::size_t>(placed.font)])
                << TextOf(control);
        }
        if (log) {
            EXPECT_TRUE(log->Saw(control)) << "no WM_DPICHANGED_AFTERPARENT for " << TextOf(control);
        }
    }
}

void ExpectRect(HWND wnd, const RECT& expected) {
    RECT now{};
    GetWindowRect(wnd, &now);
    EXPECT_EQ(now.left, expected.left);
    EXPECT_EQ(now.top, expected.top);
    EXPECT_EQ(now.right, expected.right);
    EXPECT_EQ(now.bottom, expected.bottom);
}

// The whole move of a designed form to dpi: the system's message, then the form where it was
// suggested, laid out at dpi, every control told.
void ExpectMovedTo(HWND form, const FormDesign& design, Dpi dpi) {
    const FormLayout layout = LayOutForm(design, dpi);
    const AfterParentLog log;
    const RECT suggested = SendDpiChanged(form, dpi, {layout.client_width, layout.client_height});
    ExpectRect(form, suggested);
    ExpectLaidOut(form, design, dpi, &log);
}

// The outer size a window answers for a DPI before the system moves it there (WM_GETDPISCALEDSIZE).
SIZE DpiScaledSize(HWND wnd, Dpi dpi) {
    SIZE size{-1, -1};
    EXPECT_TRUE(
        SendMessageA(wnd, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi.Value()), reinterpret_cast<LPARAM>(&size)));
    return size;
}

// The frame the system draws at dpi around a client area, by the window's own styles.
SIZE FrameAround(HWND wnd, SIZE client, Dpi dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    const auto adjust = reinterpret_cast<AdjustForDpiFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
    RECT r{0, 0, client.cx, client.cy};
    if (!adjust || !adjust(&r, static_cast<DWORD>(GetWindowLongPtrA(wnd, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(wnd, GWL_EXSTYLE)), static_cast<UINT>(dpi.Value())))
        return {-1, -1};
    return {r.right - r.left, r.bottom - r.top};
}

// Asked at its own DPI, a window answers the size it has; asked at another, before it moves, the
// frame of that DPI around the client area it then takes once move() has moved it there. Asking
// changes nothing.
void ExpectSizeAnswers(HWND wnd, Dpi moved, const std::function<void()>& move) {
    RECT window{};
    GetWindowRect(wnd, &window);
    const SIZE own = DpiScaledSize(wnd, DpiOfWindow(wnd));
    EXPECT_EQ(own.cx, window.right - window.left);
    EXPECT_EQ(own.cy, window.bottom - window.top);
    const SIZE before = ClientSize(wnd);
    const SIZE there = DpiScaledSize(wnd, moved);
    EXPECT_EQ(ClientSize(wnd).cx, before.cx);
    EXPECT_EQ(ClientSize(wnd).cy, before.cy);
    move();
    const SIZE expected = FrameAround(wnd, ClientSize(wnd), moved);
    EXPECT_EQ(there.cx, expected.cx) << moved.Value();
    EXPECT_EQ(there.cy, expected.cy) << moved.Value();
}

class MainWindowDpi : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, StatisticsSubKey()); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, StatisticsSubKey());
        // The window posts WM_QUIT when it is destroyed: it must not end the next test's loops.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
};

TEST_F(MainWindowDpi, ReLaysItselfOutAtTheNewDpiAndTakesTheSuggestedRectangle) {
    TMainForm form;
    ASSERT_TRUE(form.Create(SW_SHOWNOACTIVATE));
    HWND main = form.Handle();
    const Dpi first = DpiOfWindow(main);
    ExpectLaidOut(main, mainfm::kDesign, first);
    const Dpi moved = OtherDpi(main);
    ExpectMovedTo(main, mainfm::kDesign, moved);

    // A label written afterwards sizes itself in the new font.
    const std::uint8_t won[4] = {0x39, 0x30, 0, 0};  // 12345
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, StatisticsSubKey(), "Won", REG_BINARY, won, 4), ERROR_SUCCESS);
    form.RefreshDisplay();
    HWND won_label = GetDlgItem(main, mainfm::IdLblWon);
    ASSERT_EQ(TextOf(won_label), "12345");
    EXPECT_EQ(FontOf(won_label).lfHeight, moved.FontHeight(8));
    EXPECT_EQ(RectInParent(won_label).right - RectInParent(won_label).left, ExtentInOwnFont(won_label).cx);
    EXPECT_EQ(RectInParent(won_label).left, moved.Scale(84));

    // And back.
    ExpectMovedTo(main, mainfm::kDesign, first);
}

TEST_F(MainWindowDpi, ASuggestionWithAFrameOfAnotherScaleStillGivesTheLayoutsClientArea) {
    // The system computes the suggestion with the frame of the new DPI; where it draws frames at
    // one DPI only, the window keeps the suggested place and makes its client area the layout's.
    TMainForm form;
    ASSERT_TRUE(form.Create(SW_SHOWNOACTIVATE));
    HWND main = form.Handle();
    const Dpi moved = OtherDpi(main);
    const FormLayout layout = LayOutForm(mainfm::kDesign, moved);
    RECT suggested{100, 80, 100 + layout.client_width + 40, 80 + layout.client_height + 60};
    SendMessageA(main, WM_DPICHANGED, MAKEWPARAM(moved.Value(), moved.Value()), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(main, &now);
    EXPECT_EQ(now.left, 100);
    EXPECT_EQ(now.top, 80);
    const SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, layout.client_width);
    EXPECT_EQ(client.cy, layout.client_height);
}

TEST_F(MainWindowDpi, TellsTheSystemItsSizeAtANewDpiBeforeTheMove) {
    TMainForm form;
    ASSERT_TRUE(form.Create(SW_SHOWNOACTIVATE));
    HWND main = form.Handle();
    const Dpi moved = OtherDpi(main);
    ExpectSizeAnswers(main, moved, [&] { ExpectMovedTo(main, mainfm::kDesign, moved); });
}

// Runs a check inside a modal loop once the dialog with this caption shows, then closes it.
struct ModalProbe {
    const char* caption;
    std::function<void(HWND)> check;
    bool ran = false;
};
ModalProbe* active_probe = nullptr;  // test-only: the timer procedure has no context argument

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(nullptr, active_probe ? active_probe->caption : "");
    if (!dialog || !active_probe || active_probe->ran) return;
    KillTimer(nullptr, timer);
    active_probe->ran = true;
    active_probe->check(dialog);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

template <typename Show>
void WithModal(const char* caption, const std::function<void(HWND)>& check, Show show) {
    ModalProbe probe{caption, check};
    active_probe = &probe;
    SetTimer(nullptr, 0, 50, ProbeTimer);
    show();
    active_probe = nullptr;
    EXPECT_TRUE(probe.ran) << caption;
}

TEST(DialogDpi, TheAboutBoxScalesItsIconFontsAndTooltips) {
    TAboutForm about;
    WithModal(
        about::kCaption,
        [](HWND box) {
            ExpectLaidOut(box, aboutfm::kDesign, DpiOfWindow(box));
            const Dpi moved = OtherDpi(box);
            ExpectSizeAnswers(box, moved, [&] { ExpectMovedTo(box, aboutfm::kDesign, moved); });
            // The picture itself comes in the new size, not the old one stretched.
            HICON icon =
                reinterpret_cast<HICON>(SendMessageA(GetDlgItem(box, aboutfm::IdImageIcon), STM_GETICON, 0, 0));
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP bitmap{};
            GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
            EXPECT_EQ(bitmap.bmWidth, moved.Scale(32));
            if (info.hbmColor) DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            // The tooltips in the system's tooltip font at the new DPI.
            HWND tips = nullptr;
            EnumThreadWindows(
                GetCurrentThreadId(),
                [](HWND wnd, LPARAM found) -> BOOL {
                    char name[64] = {};
                    GetClassNameA(wnd, name, sizeof(name));
                    if (std::string(name) != "tooltips_class32") return TRUE;
                    *reinterpret_cast<HWND*>(found) = wnd;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&tips));
            ASSERT_NE(tips, nullptr);
            EXPECT_EQ(FontOf(tips).lfHeight, NonClientMetricsFor(moved).lfStatusFont.lfHeight);
        },
        [&] { about.ShowModal(nullptr); });
}

TEST(DialogDpi, TheRestoreDialogScalesItsListAndItsItems) {
    RawRecord raw{};
    TFormRestore form(raw, "C:\\no-such-folder\\");
    WithModal(
        restorefm::kCaption,
        [](HWND dialog) {
            const Dpi moved = OtherDpi(dialog);
            ExpectSizeAnswers(dialog, moved, [&] { ExpectMovedTo(dialog, restorefm::kDesign, moved); });
            HWND list = GetDlgItem(dialog, restorefm::IdListBoxFiles);
            EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0),
                      restorefm::ListItemHeight(moved, ExtentInOwnFont(list).cy));
            EXPECT_GE(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), moved.Scale(13));
        },
        [&] { form.ShowModal(nullptr); });
}

TEST(DialogDpi, TheMessageBoxTakesTheMessageFontOfTheNewDpi) {
    WithModal(
        "Confirm",
        [](HWND box) {
            const Dpi moved = OtherDpi(box);
            HWND yes = GetDlgItem(box, msgbox::kIdYes);
            HWND text = GetDlgItem(box, msgbox::kIdText);
            HWND icon = GetDlgItem(box, msgbox::kIdIcon);
            AfterParentLog log;
            // The box knows its size only once it has measured in the new font: the suggestion's size
            // is the system's guess, its place is kept.
            RECT suggested{60, 40, 360, 240};
            ExpectSizeAnswers(box, moved, [&] {
                SendMessageA(box, WM_DPICHANGED, MAKEWPARAM(moved.Value(), moved.Value()),
                             reinterpret_cast<LPARAM>(&suggested));
            });
            RECT now{};
            GetWindowRect(box, &now);
            EXPECT_EQ(now.left, 60);
            EXPECT_EQ(now.top, 40);
            const LOGFONTW message = NonClientMetricsFor(moved).lfMessageFont;
            EXPECT_EQ(FontOf(text).lfHeight, message.lfHeight);
            EXPECT_EQ(FontOf(yes).lfHeight, message.lfHeight);
            EXPECT_TRUE(log.Saw(yes));
            // The icon in the new size, the text not cut, the buttons in the units of the new font.
            EXPECT_EQ(AsLayout(RectInParent(icon)).width, moved.Scale(32));
            const SIZE extent = ExtentInOwnFont(text);
            EXPECT_GE(RectInParent(text).right - RectInParent(text).left, extent.cx);
            EXPECT_GE(RectInParent(text).bottom - RectInParent(text).top, extent.cy);
            const UniqueFont font(CreateFontIndirectW(&message));
            const UniqueMemDc dc(CreateCompatibleDC(nullptr));
            const SelectGuard select(dc.get(), font.get());
            TEXTMETRICW tm{};
            GetTextMetricsW(dc.get(), &tm);
            EXPECT_EQ(RectInParent(yes).bottom - RectInParent(yes).top, VertUnits(DialogUnits{0, tm.tmHeight}, 14));
            EXPECT_LE(RectInParent(yes).bottom, ClientSize(box).cy);
        },
        [] {
            ShowMessageBox(nullptr, "Clear the statistics?", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No);
        });
}

TEST(DialogDpi, TheInputPromptLaysItselfOutInTheFormFontOfTheNewDpi) {
    WithModal(
        "Backup",
        [](HWND prompt) {
            const Dpi moved = OtherDpi(prompt);
            RECT suggested{50, 30, 450, 230};
            ExpectSizeAnswers(prompt, moved, [&] {
                SendMessageA(prompt, WM_DPICHANGED, MAKEWPARAM(moved.Value(), moved.Value()),
                             reinterpret_cast<LPARAM>(&suggested));
            });
            HWND field = GetDlgItem(prompt, inputprompt::IdEdit);
            EXPECT_EQ(FontOf(field).lfHeight, moved.FontHeight(8));
            EXPECT_LE(RectInParent(GetDlgItem(prompt, IDOK)).bottom, ClientSize(prompt).cy);
        },
        [] {
            std::string value = "Robin";
            InputQuery(nullptr, "Backup", "Please enter your name:", value);
        });
}

}  // namespace
}  // namespace tv
