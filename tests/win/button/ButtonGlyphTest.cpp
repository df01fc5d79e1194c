// Glyph bitmaps on buttons: cells per state, the embossed disabled picture, the shared lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "win/button/ButtonHost.h"
#include "win/button/ThemeSwitch.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::Capture;
using testing_button::CaptureButton;

// A glyph bitmap of cells 16 x 16: olive ground (bottom-left, so transparent) with a filled square
// in each cell's own colour.
HBITMAP MakeGlyph(const std::vector<COLORREF>& cells) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16 * static_cast<int>(cells.size()), 16);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int x = 16 * static_cast<int>(i);
        RECT all{x, 0, x + 16, 16};
        HBRUSH ground = CreateSolidBrush(RGB(128, 128, 0));
        FillRect(dc, &all, ground);
        DeleteObject(ground);
        RECT square{x + 4, 4, x + 12, 12};
        HBRUSH fill = CreateSolidBrush(cells[i]);
        FillRect(dc, &square, fill);
        DeleteObject(fill);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

int Count(const Capture& c, COLORREF colour) {
    int n = 0;
    for (COLORREF p : c.pixels) n += p == colour;
    return n;
}

// The pixels of the colour inside a rectangle (right and bottom excluded).
int CountIn(const Capture& c, COLORREF colour, const RECT& r) {
    int n = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(c.height, r.bottom); ++y)
        for (int x = std::max(0L, r.left); x < std::min<LONG>(c.width, r.right); ++x) n += c.At(x, y) == colour;
    return n;
}

// The smallest rectangle holding every pixel of the colour.
RECT BoundsOf(const Capture& c, COLORREF colour) {
    RECT r{c.width, c.height, 0, 0};
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.At(x, y) == colour) r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y),
                                           std::max<LONG>(r.right, x + 1), std::max<LONG>(r.bottom, y + 1)};
    return r;
}

TEST(ButtonGlyph, PictureIsDrawnTransparentlyAndEmbossedWhenDisabled) {
    // The classic look: the light style's disabled face is as white as the highlight.
    ASSERT_TRUE(testing_theme::SetVisualStyle(false));
    ButtonHost host;
    HWND b = host.Add("", 10, 10, 40, 30);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    HBITMAP glyph = MakeGlyph({RGB(255, 0, 0)});
    button->SetGlyph(glyph);
    DeleteObject(glyph);
    EXPECT_EQ(button->NumGlyphs(), 1);
    const Capture up = CaptureButton(b);
    EXPECT_EQ(Count(up, RGB(255, 0, 0)), 64);  // the 8 x 8 square
    EXPECT_EQ(Count(up, RGB(128, 128, 0)), 0);  // the ground is transparent
    const RECT square = BoundsOf(up, RGB(255, 0, 0));
    ASSERT_EQ(square.right - square.left, 8);
    ASSERT_EQ(square.bottom - square.top, 8);
    EnableWindow(b, FALSE);
    const Capture disabled = CaptureButton(b);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 0)), 0);
    EXPECT_EQ(Count(disabled, RGB(128, 128, 0)), 0);
    // Embossed where the square was: all of it in shadow, over a highlight copy one pixel right
    // and down that shows along the square's right and bottom edges only. The frame's own shadow
    // lies outside the picture and is not counted.
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    ASSERT_NE(shadow, highlight);
    EXPECT_EQ(CountIn(disabled, shadow, square), 64);
    const RECT right_edge{square.right, square.top + 1, square.right + 1, square.bottom + 1};
    const RECT bottom_edge{square.left + 1, square.bottom, square.right, square.bottom + 1};
    EXPECT_EQ(CountIn(disabled, highlight, right_edge), 8);
    EXPECT_EQ(CountIn(disabled, highlight, bottom_edge), 7);
    const RECT around{square.left - 4, square.top - 4, square.right + 4, square.bottom + 4};
    EXPECT_EQ(CountIn(disabled, shadow, around), 64);
    EXPECT_EQ(CountIn(disabled, highlight, around), 15);
}

TEST(ButtonGlyph, TwoCellGlyphShowsItsSecondCellWhenDisabled) {
    ButtonHost host;
    HWND b = host.Add("", 10, 10, 40, 30);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    HBITMAP glyph = MakeGlyph({RGB(255, 0, 0), RGB(0, 255, 0)});
    button->SetGlyph(glyph);
    DeleteObject(glyph);
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(Count(CaptureButton(b), RGB(255, 0, 0)), 64);
    EnableWindow(b, FALSE);
    const Capture disabled = CaptureButton(b);
    EXPECT_EQ(Count(disabled, RGB(0, 255, 0)), 64);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 0)), 0);
}

TEST(ButtonGlyph, SameCellSizeSharesOneListThatGoesWithTheLastImage) {
    {
        ButtonHost host;
        HWND a = host.Add("", 10, 10, 40, 30);
        HWND b = host.Add("", 60, 10, 40, 30);
        HBITMAP glyph = MakeGlyph({RGB(255, 0, 0)});
        TCustomVtPopupButton::FromHandle(a)->SetGlyph(glyph);
        TCustomVtPopupButton::FromHandle(b)->SetGlyph(glyph);
        DeleteObject(glyph);
        CaptureButton(a);
        CaptureButton(b);
        TVtGlyphList* list_a = TCustomVtPopupButton::FromHandle(a)->Glyph().BorrowedList();
        TVtGlyphList* list_b = TCustomVtPopupButton::FromHandle(b)->Glyph().BorrowedList();
        ASSERT_NE(list_a, nullptr);
        EXPECT_EQ(list_a, list_b);
        EXPECT_EQ(list_a->Count(), 2);
        ASSERT_NE(GlyphCache(false), nullptr);
        EXPECT_EQ(GlyphCache(false)->Size(), 1u);
    }
    // Both buttons are gone: their images, the list and the cache with them.
    EXPECT_EQ(GlyphCache(false), nullptr);
}

}  // namespace
}  // namespace tv
