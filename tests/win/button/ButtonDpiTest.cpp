// The button at the display scale the test runs at: the harness sets the prefix's LogPixels
// (96, 120, 144 or 192) before the test starts and says which in TV_TEST_DPI, as the system gives
// a program its DPI. A window's DPI cannot change while it lives under Wine, so the arithmetic of
// every scale is the layout's own tests'; here the button shows it in its pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "platform/Handles.h"
#include "platform/WindowDpi.h"
#include "win/button/ButtonHost.h"
#include "win/button/ThemeSwitch.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::Capture;
using testing_button::CaptureButton;
using testing_button::PumpMessages;

// The DPI the harness ran the test at; 96 when run by hand without it.
int RunDpi() {
    const char* value = std::getenv("TV_TEST_DPI");
    return value ? std::atoi(value) : 96;
}

// The figures each scale must show, written out rather than computed: 13, 2 and 4 at 96 dpi
// scaled as MulDiv rounds (16.25, 19.5 and 26 for the arrow part).
struct Expected {
    int arrow_width, focus_inset, glyph_rows;
};
const std::map<int, Expected> kExpected = {{96, {13, 2, 4}}, {120, {16, 3, 5}}, {144, {20, 3, 6}}, {192, {26, 4, 8}}};

// As the program: a per-monitor aware process, where the system supports saying so.
void DeclarePerMonitorAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const auto set = reinterpret_cast<SetContext>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set) set(reinterpret_cast<HANDLE>(-4));  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
}

// The pointer away from every button of the test: a test before may have left it where a button
// now appears, which would paint that button hot. The display server takes the move in its own
// time.
bool ParkPointer() {
    const int x = GetSystemMetrics(SM_CXSCREEN) - 1, y = GetSystemMetrics(SM_CYSCREEN) - 1;
    for (int i = 0; i < 300; ++i) {
        SetCursorPos(x, y);
        Sleep(10);
        POINT now{};
        GetCursorPos(&now);
        if (now.x == x && now.y == y) return true;
    }
    return false;
}

class ButtonAtDpi : public testing::Test {
protected:
    static void SetUpTestSuite() { DeclarePerMonitorAware(); }
    void SetUp() override {
        ASSERT_TRUE(ParkPointer());
        testing_theme::SetVisualStyle(false);
        ASSERT_EQ(kExpected.count(dpi.Value()), 1u) << "no figures for " << dpi.Value() << " dpi";
        expected = kExpected.at(dpi.Value());
        // "MS Sans Serif" 8 point at this DPI, as the windows set it.
        font.reset(
            CreateFontA(dpi.FontHeight(8), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
    }
    void TearDown() override { testing_theme::SetVisualStyle(false); }

    // A 97 x 25 button of the 96-dpi layout, at this DPI.
    HWND AddButton(const char* caption, int y) {
        HWND b = host.Add(caption, dpi.Scale(10), dpi.Scale(y), dpi.Scale(97), dpi.Scale(25));
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        PumpMessages();
        return b;
    }

    const Dpi dpi{RunDpi()};
    Expected expected{};
    ButtonHost host;
    UniqueFont font;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
};

TEST_F(ButtonAtDpi, TheButtonTakesTheDpiOfItsWindowAndKeepsItAcrossFontAndScaleMessages) {
    HWND b = AddButton("OK", 10);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    EXPECT_EQ(DpiOfWindow(b).Value(), RunDpi()) << "the prefix's display scale reaches the window";
    EXPECT_EQ(button->CurrentDpi(), DpiOfWindow(b));

    // The window's re-layout after a change of scale: the button takes the DPI again, makes again
    // what it made for the old one and paints itself anew.
    ValidateRect(b, nullptr);
    SendMessageA(b, WM_DPICHANGED_AFTERPARENT, 0, 0);
    EXPECT_EQ(button->CurrentDpi(), DpiOfWindow(b));
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(b, &update, FALSE)) << "a repaint is due";
    const Capture after = CaptureButton(b);
    EXPECT_EQ(after.width, dpi.Scale(97));
    EXPECT_EQ(after.At(0, 0), highlight);
}

TEST_F(ButtonAtDpi, TheArrowPartHasItsScaledWidthAndItsFramesStayOnePixel) {
    HWND b = AddButton("Menu", 10);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetUseArrow(true);
    const Capture img = CaptureButton(b);
    const int w = expected.arrow_width;
    EXPECT_EQ(button->ArrowWidth(), w);
    const int split = img.width - w;  // the arrow part's first column
    const int y = img.height / 2;
    // Idle: soft frames. The body's outer right column is shadow, the arrow part's outer left
    // column highlight, each one pixel wide; inside both, the face.
    EXPECT_EQ(img.At(split - 1, y), shadow);
    EXPECT_EQ(img.At(split, y), highlight);
    EXPECT_EQ(img.At(split + 1, y), face);
    EXPECT_EQ(img.At(split - 2, y), face);
    // The button's own frame: one line at the edge and one inside it, at every scale.
    EXPECT_EQ(img.At(img.width / 3, 0), highlight);
    EXPECT_EQ(img.At(img.width / 3, 1), face);
    EXPECT_EQ(img.At(img.width / 3, 2), face);
    EXPECT_EQ(img.At(0, y), highlight);
    EXPECT_EQ(img.At(1, y), face);
    EXPECT_EQ(img.At(img.width - 1, y), shadow);

    // The arrow glyph: rows one pixel high, two pixels narrower each, centred in the part.
    std::vector<int> rows;
    for (int row = 0; row < img.height; ++row) {
        int n = 0;
        for (int x = split; x < img.width; ++x) n += img.At(x, row) == text;
        if (n) rows.push_back(n);
    }
    std::vector<int> want;
    for (int n = expected.glyph_rows; n >= 1; --n) want.push_back(2 * n - 1);
    EXPECT_EQ(rows, want);
}

TEST_F(ButtonAtDpi, TheFocusRectangleKeepsItsScaledDistanceAndDotsOfOnePixel) {
    HWND other = AddButton("Other", 50);
    HWND b = AddButton("OK", 10);
    SetFocus(other);
    SetFocus(b);
    PumpMessages();
    ASSERT_EQ(GetFocus(), b);
    const Capture img = CaptureButton(b);
    // Two lines of frame, then the scaled distance.
    const int inset = 2 + expected.focus_inset;
    auto dot = [&](int x, int y) { return img.At(x, y) != face; };

    // The top edge: dots of one pixel with a gap of one, and clear rows above and below.
    int dots = 0;
    for (int x = inset + 1; x < img.width - inset - 2; ++x) {
        dots += dot(x, inset);
        EXPECT_FALSE(dot(x, inset) && dot(x + 1, inset)) << "two dots side by side at " << x;
        EXPECT_FALSE(dot(x, inset - 1)) << "above the edge at " << x;
    }
    EXPECT_GE(dots, (img.width - 2 * inset - 3) / 2 - 1);
    for (int x = inset + 2; x < inset + 6; ++x) EXPECT_FALSE(dot(x, inset + 1)) << "below the edge at " << x;

    // The left edge likewise, one column wide.
    int left_dots = 0;
    for (int y = inset + 1; y < img.height - inset - 2; ++y) {
        left_dots += dot(inset, y);
        EXPECT_FALSE(dot(inset, y) && dot(inset, y + 1)) << "two dots one above the other at " << y;
        EXPECT_FALSE(dot(inset - 1, y)) << "left of the edge at " << y;
        EXPECT_FALSE(dot(inset + 1, y)) << "right of the edge at " << y;
    }
    EXPECT_GE(left_dots, (img.height - 2 * inset - 3) / 2 - 1);
}

}  // namespace
}  // namespace tv
