// The button painted into memory bitmaps: frames, focus rectangle, caption, disabled look, arrow,
// and the themed look switched on and off while the window is open.
#include <gtest/gtest.h>

#include <algorithm>

#include "win/button/ButtonHost.h"
#include "win/button/ThemeSwitch.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::Capture;
using testing_button::CaptureButton;
using testing_button::PumpMessages;

struct Shades {
    COLORREF h = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF d = GetSysColor(COLOR_3DDKSHADOW);
    COLORREF f = GetSysColor(COLOR_BTNFACE);
    COLORREF s = GetSysColor(COLOR_BTNSHADOW);
};

// Outer and inner rectangles: top-left colour on the top row, bottom-right colour owning the corners.
void ExpectFrame(const Capture& c, COLORREF outer_tl, COLORREF outer_br, COLORREF inner_tl, COLORREF inner_br) {
    const int w = c.width, h = c.height;
    EXPECT_EQ(c.At(0, 0), outer_tl);
    EXPECT_EQ(c.At(w / 2, 0), outer_tl);
    EXPECT_EQ(c.At(0, h / 2), outer_tl);
    EXPECT_EQ(c.At(w - 1, 0), outer_br);  // the right column owns the corner
    EXPECT_EQ(c.At(0, h - 1), outer_br);  // the bottom row owns the corner
    EXPECT_EQ(c.At(w / 2, h - 1), outer_br);
    EXPECT_EQ(c.At(w - 1, h / 2), outer_br);
    EXPECT_EQ(c.At(1, 1), inner_tl);
    EXPECT_EQ(c.At(w / 2, 1), inner_tl);
    EXPECT_EQ(c.At(w - 2, 1), inner_br);
    EXPECT_EQ(c.At(w / 2, h - 2), inner_br);
}

struct Box {
    int left = 10000, top = 10000, right = -1, bottom = -1;
};

Box BoxOf(const Capture& c, COLORREF colour, int margin = 3, int right_cut = 0) {
    Box b;
    for (int y = margin; y < c.height - margin; ++y) {
        for (int x = margin; x < c.width - margin - right_cut; ++x) {
            if (c.At(x, y) != colour) continue;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
        }
    }
    return b;
}

class ButtonPaint : public testing::Test {
protected:
    void SetUp() override {
        testing_theme::SetVisualStyle(false);
        c = Shades{};
    }
    void TearDown() override { testing_theme::SetVisualStyle(false); }
    ButtonHost host;
    Shades c;  // taken again after the style switch in SetUp
};

TEST_F(ButtonPaint, ClassicFramesFollowTheState) {
    HWND other = host.Add("Other", 200, 10);
    HWND b = host.Add("&Clear Statistics", 10, 10);
    SetFocus(other);
    PumpMessages();
    // Idle: soft frame.
    ExpectFrame(CaptureButton(b), c.h, c.s, c.f, c.f);

    // Hot: raised frame with the dark shadow.
    SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(TCustomVtPopupButton::FromHandle(b)->MouseInControl());
    ExpectFrame(CaptureButton(b), c.h, c.d, c.f, c.s);
    SendMessageA(b, WM_MOUSELEAVE, 0, 0);
    ExpectFrame(CaptureButton(b), c.h, c.s, c.f, c.f);

    // Focused: raised frame and the dotted focus rectangle four pixels inside.
    SetFocus(b);
    PumpMessages();
    ASSERT_EQ(GetFocus(), b);
    const Capture focused = CaptureButton(b);
    ExpectFrame(focused, c.h, c.d, c.f, c.s);
    int dots = 0, outside = 0;
    for (int x = 4; x < focused.width - 4; ++x) {
        if (focused.At(x, 4) != c.f) ++dots;
        if (focused.At(x, 3) != c.f) ++outside;
    }
    EXPECT_GT(dots, (focused.width - 8) / 3);
    EXPECT_EQ(outside, 0);
    EXPECT_NE(focused.At(4, focused.height / 2), c.f);

    // Held down: the down frame; the caption stays where it was.
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(TCustomVtPopupButton::FromHandle(b)->GetPressState(), psPressed);
    const Capture down = CaptureButton(b);
    ExpectFrame(down, c.s, c.h, c.d, c.f);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    const Box up_box = BoxOf(focused, text), down_box = BoxOf(down, text);
    EXPECT_EQ(up_box.left, down_box.left);
    EXPECT_EQ(up_box.top, down_box.top);
    SendMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    ReleaseCapture();
}

TEST_F(ButtonPaint, CaptionIsCentredAndItsAccessKeyAddsOnlyAnUnderline) {
    HWND marked = host.Add("&Clear Statistics", 10, 10);
    HWND plain = host.Add("Clear Statistics", 10, 50);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    const Capture mc = CaptureButton(marked), pc = CaptureButton(plain);
    const Box p = BoxOf(pc, text);
    ASSERT_GE(p.right, 0);
    // Centred both ways (within the pixel that odd sizes leave over).
    EXPECT_NEAR((p.left + p.right) / 2.0, 97 / 2.0, 1.5);
    EXPECT_NEAR((p.top + p.bottom) / 2.0, 25 / 2.0, 2.0);
    // The letters of both captions are the same pixels in the same place.
    int differing = 0;
    for (int y = p.top - 1; y <= p.bottom; ++y)
        for (int x = p.left - 2; x <= p.right + 2; ++x) differing += mc.At(x, y) != pc.At(x, y);
    EXPECT_EQ(differing, 0);
    // Below them the marked caption has the underline of the first letter. It starts at the letter's
    // origin, which lies up to the letter's left bearing before its first ink.
    const Box m = BoxOf(mc, text);
    ASSERT_GT(m.bottom, p.bottom);
    EXPECT_EQ(m.top, p.top);
    int run_start = -1, run_end = -1;
    for (int x = 0; x < mc.width; ++x) {
        if (mc.At(x, m.bottom) != text) continue;
        if (run_start < 0) run_start = x;
        run_end = x;
    }
    EXPECT_GE(run_start, p.left - 1);
    EXPECT_LE(run_start, p.left);
    EXPECT_GE(run_end - run_start + 1, 4);
    EXPECT_LT(run_end, p.left + 12);
}

TEST_F(ButtonPaint, DisabledCaptionIsEmbossed) {
    HWND b = host.Add("&Clear Statistics", 10, 10);
    EnableWindow(b, FALSE);
    const Capture img = CaptureButton(b);
    EXPECT_EQ(TCustomVtPopupButton::FromHandle(b)->GetPressState(), psDisabled);
    const Box shadow = BoxOf(img, c.s), highlight = BoxOf(img, c.h), text = BoxOf(img, GetSysColor(COLOR_BTNTEXT));
    EXPECT_LT(text.right, 0) << "no caption in the normal text colour";
    ASSERT_GE(shadow.right, 0);
    ASSERT_GE(highlight.right, 0);
    EXPECT_EQ(highlight.right, shadow.right + 1);
    EXPECT_EQ(highlight.bottom, shadow.bottom + 1);
    EnableWindow(b, TRUE);
    CaptureButton(b);
    EXPECT_EQ(TCustomVtPopupButton::FromHandle(b)->GetPressState(), psUp);
}

enum class ModalBox { None, OfTheForm, OfNoWindow, NotYetShown };

// Captured from inside a message box, while the box has the host disabled: one the host owns, or
// a task-modal one of no owner (which disables every window of the thread).
struct UnderMessageBox {
    static HWND& Target() {
        static HWND target = nullptr;
        return target;
    }
    static Capture& Seen() {
        static Capture seen;
        return seen;
    }
    static void CALLBACK TakeAndClose(HWND, UINT, UINT_PTR, DWORD) {
        HWND form = GetAncestor(Target(), GA_ROOT);
        EXPECT_FALSE(IsWindowEnabled(form)) << "the box disables the form";
        Seen() = CaptureButton(Target());
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM form) {
                char name[16] = {};
                GetClassNameA(w, name, sizeof(name));
                HWND owner = GetWindow(w, GW_OWNER);
                if ((!owner || owner == reinterpret_cast<HWND>(form)) && lstrcmpA(name, "#32770") == 0) {
                    EndDialog(w, IDOK);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(form));
    }
    // A dialog without WS_VISIBLE is shown when its modal loop first goes idle: the owner's
    // pending paints come before that, under a dialog that is there but not yet visible.
    static INT_PTR CALLBACK TakeBeforeShown(HWND dialog, UINT msg, WPARAM, LPARAM) {
        if (msg != WM_INITDIALOG) return FALSE;
        EXPECT_FALSE(IsWindowVisible(dialog));
        TakeAndClose(nullptr, 0, 0, 0);
        return TRUE;
    }
    static Capture Take(HWND host, HWND button, ModalBox box) {
        if (box == ModalBox::None) return CaptureButton(button);
        if (box == ModalBox::NotYetShown) {
            Target() = button;
            Seen() = Capture{};
            struct {
                DLGTEMPLATE header{WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 0, 200, 80};
                WORD menu = 0, window_class = 0, title = 0;
            } tmpl;
            DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tmpl.header, host, &TakeBeforeShown, 0);
            return Seen();
        }
        Target() = button;
        Seen() = Capture{};
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &TakeAndClose);
        if (box == ModalBox::OfTheForm) {
            MessageBoxA(host, "Delete the backup?", "Tallyvane", MB_YESNO);
        } else {
            MessageBoxA(nullptr, "The statistics could not be read.", "Tallyvane", MB_OK | MB_TASKMODAL);
        }
        KillTimer(nullptr, timer);
        return Seen();
    }
};

// Disabled by the program (the button's own window, a panel between it and the form, the form
// itself) the button shows the disabled look; a modal box disabling its owner leaves the look alone,
// as it does the system's buttons.
TEST_F(ButtonPaint, OnlyTheProgramsDisablingShowsTheDisabledLook) {
    HWND panel = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 50, 200, 60, host.Handle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND on_form = host.Add("&Delete", 10, 10);
    HWND on_panel = CreateWindowExA(0, kVtPopupButtonClass, "&Launch", WS_CHILD | WS_VISIBLE, 10, 10, 97, 25, panel,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(on_panel, WM_SETFONT, SendMessageA(on_form, WM_GETFONT, 0, 0), FALSE);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    auto normal = [&](const Capture& img) { return BoxOf(img, text).right >= 0; };
    struct Case {
        const char* name;
        HWND disabled;  // by the program, none: no window
        ModalBox box;
        bool on_form_normal, on_panel_normal;
    };
    const Case cases[] = {
        {"nothing disabled", nullptr, ModalBox::None, true, true},
        {"a message box of the form open", nullptr, ModalBox::OfTheForm, true, true},
        {"a task-modal box of no window open", nullptr, ModalBox::OfNoWindow, true, true},
        {"a dialog of the form not yet shown", nullptr, ModalBox::NotYetShown, true, true},
        {"the panel disabled", panel, ModalBox::None, true, false},
        {"the panel disabled, a message box open", panel, ModalBox::OfTheForm, true, false},
        {"the form disabled", host.Handle(), ModalBox::None, false, false},
    };
    for (const Case& c : cases) {
        if (c.disabled) EnableWindow(c.disabled, FALSE);
        const Capture form_img = UnderMessageBox::Take(host.Handle(), on_form, c.box);
        const Capture panel_img = UnderMessageBox::Take(host.Handle(), on_panel, c.box);
        if (c.disabled) EnableWindow(c.disabled, TRUE);
        ASSERT_GT(form_img.width, 0) << c.name;
        ASSERT_GT(panel_img.width, 0) << c.name;
        EXPECT_EQ(normal(form_img), c.on_form_normal) << c.name << ": button on the form";
        EXPECT_EQ(normal(panel_img), c.on_panel_normal) << c.name << ": button on the panel";
    }
    DestroyWindow(panel);
}

TEST_F(ButtonPaint, ArrowPartHasRowsOfSevenFiveThreeOne) {
    HWND b = host.Add("Menu", 10, 10, 97, 25);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetUseArrow(true);
    const Capture img = CaptureButton(b);
    const int w = button->ArrowWidth();
    ASSERT_EQ(w, 13);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    std::vector<int> rows;
    for (int y = 0; y < img.height; ++y) {
        int n = 0;
        for (int x = img.width - w; x < img.width; ++x) n += img.At(x, y) == text;
        if (n) rows.push_back(n);
    }
    EXPECT_EQ(rows, (std::vector<int>{7, 5, 3, 1}));
    // The body's caption moved left: it is centred in the space without the arrow.
    const Box caption = BoxOf(img, text, 3, w);
    const Box plain = BoxOf(CaptureButton(host.Add("Menu", 10, 50)), text);
    EXPECT_LT(caption.left, plain.left);
}

TEST_F(ButtonPaint, ThemedLookFollowsAThemeChangeWhileOpen) {
    HWND b = host.Add("&Clear Statistics", 10, 10);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    const Capture classic = CaptureButton(b);
    EXPECT_FALSE(button->IsThemed());
    EXPECT_EQ(SendMessageA(b, kVtGetThemeHandle, 0, 0), 0);

    ASSERT_TRUE(testing_theme::SetVisualStyle(true));
    PumpMessages();
    // The visual-style library sends the theme change to open windows; make sure this one had it.
    if (!button->IsThemed()) SendMessageA(b, WM_THEMECHANGED, 0, 0);
    EXPECT_TRUE(button->IsThemed());
    EXPECT_NE(SendMessageA(b, kVtGetThemeHandle, 0, 0), 0);
    const Capture themed = CaptureButton(b);
    EXPECT_FALSE(themed == classic);
    // Hot is a different themed state from normal.
    SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const Capture hot = CaptureButton(b);
    EXPECT_FALSE(hot == themed);
    SendMessageA(b, WM_MOUSELEAVE, 0, 0);
    // Off again: the classic look comes back without restarting.
    ASSERT_TRUE(testing_theme::SetVisualStyle(false));
    PumpMessages();
    if (button->IsThemed()) SendMessageA(b, WM_THEMECHANGED, 0, 0);
    EXPECT_FALSE(button->IsThemed());
    EXPECT_TRUE(CaptureButton(b) == classic);
}

TEST_F(ButtonPaint, UseXPThemesOffKeepsTheClassicLook) {
    HWND b = host.Add("&Clear Statistics", 10, 10);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    ASSERT_TRUE(testing_theme::SetVisualStyle(true));
    PumpMessages();
    SendMessageA(b, WM_THEMECHANGED, 0, 0);
    const Capture themed = CaptureButton(b);
    button->SetUseXPThemes(false);
    EXPECT_FALSE(button->IsThemed());
    const Capture off = CaptureButton(b);
    EXPECT_FALSE(off == themed);
    ExpectFrame(off, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE),
                GetSysColor(COLOR_BTNFACE));
    button->SetUseXPThemes(true);
    EXPECT_TRUE(button->IsThemed());
    ASSERT_TRUE(testing_theme::SetVisualStyle(false));
    PumpMessages();
}

TEST_F(ButtonPaint, MarkupCaptionDrawsItsLinkAndClicksIt) {
    HWND b = host.Add("Go <a href=\"home\">here</a>", 10, 10, 120, 25);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetIsHTML(true);
    std::string clicked;
    button->OnLinkClick = [&](TCustomVtPopupButton&, const std::string& href) { clicked = href; };
    const Capture img = CaptureButton(b);
    const Box link = BoxOf(img, RGB(0, 0, 255));  // the default link colour, blue
    const Box text = BoxOf(img, GetSysColor(COLOR_BTNTEXT));
    ASSERT_GE(link.right, 0) << "no link pixels";
    ASSERT_GE(text.right, 0);
    EXPECT_LT(text.left, link.left);  // "Go" before the link
    // A press and release on the link follows it and is no click of the button.
    const LPARAM at = MAKELPARAM((link.left + link.right) / 2, (link.top + link.bottom) / 2);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_NE(button->GetPressState(), psPressed);
    SendMessageA(b, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clicked, "home");
    // The link colour is the button's.
    button->SetLinkColor(RGB(255, 0, 0));
    EXPECT_GE(BoxOf(CaptureButton(b), RGB(255, 0, 0)).right, 0);
}

TEST_F(ButtonPaint, ContextMenuOverALinkRaisesTheLinkPopupOnly) {
    HWND b = host.Add("Go <a href=\"home\">here</a>", 10, 10, 120, 25);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetIsHTML(true);
    const Capture img = CaptureButton(b);
    const Box link = BoxOf(img, RGB(0, 0, 255));
    ASSERT_GE(link.right, 0) << "no link pixels";
    POINT over_link{(link.left + link.right) / 2, (link.top + link.bottom) / 2};
    POINT over_text{2, (link.top + link.bottom) / 2};
    ClientToScreen(b, &over_link);
    ClientToScreen(b, &over_text);
    std::vector<POINT> asked;
    button->OnContextPopup = [&](TCustomVtPopupButton&, POINT client) {
        asked.push_back(client);
        return true;  // handled: no menu pops
    };
    // Without a link menu the platform's own handling runs.
    SendMessageA(b, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(b), MAKELPARAM(over_link.x, over_link.y));
    EXPECT_TRUE(asked.empty());
    UniqueResource<NullIsEmpty<HMENU, DestroyMenu>> menu(CreatePopupMenu());
    AppendMenuA(menu.get(), MF_STRING, 1, "Copy link");
    button->SetLinkPopupMenu(menu.get());
    EXPECT_EQ(SendMessageA(b, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(b), MAKELPARAM(over_link.x, over_link.y)), 1);
    ASSERT_EQ(asked.size(), 1u);
    POINT expected = over_link;
    ScreenToClient(b, &expected);
    EXPECT_EQ(asked[0].x, expected.x);
    EXPECT_EQ(asked[0].y, expected.y);
    // Off the link, and from the keyboard (no point), the link menu is not involved.
    SendMessageA(b, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(b), MAKELPARAM(over_text.x, over_text.y));
    SendMessageA(b, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(b), static_cast<LPARAM>(-1));
    EXPECT_EQ(asked.size(), 1u);
    button->SetLinkPopupMenu(nullptr);
}

}  // namespace
}  // namespace tv
