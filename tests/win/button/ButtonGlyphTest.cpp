// Glyph bitmaps on buttons: cells per state, the embossed disabled picture, the shared lists.
#include <gtest/gtest.h>

#include "win/button/ButtonHost.h"

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

TEST(ButtonGlyph, PictureIsDrawnTransparentlyAndEmbossedWhenDisabled) {
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
    EnableWindow(b, FALSE);
    const Capture disabled = CaptureButton(b);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 0)), 0);
    EXPECT_GE(Count(disabled, GetSysColor(COLOR_BTNSHADOW)), 64 - 8);  // the square in shadow
    EXPECT_EQ(Count(disabled, RGB(128, 128, 0)), 0);
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
