// Glyph bitmaps on buttons: cells per state, the embossed disabled picture, the shared lists.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

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

// The button takes a copy of the glyph bitmap.
void GiveGlyph(TCustomVtPopupButton& button, const std::vector<COLORREF>& cells) {
    HBITMAP glyph = MakeGlyph(cells);
    button.SetGlyph(glyph);
    DeleteObject(glyph);
}

int Count(const Capture& c, COLORREF colour) {
    int n = 0;
    for (COLORREF p : c.pixels) n += p == colour;
    return n;
}

// The same, inside a rectangle only (the picture's area, away from the frame).
int CountIn(const Capture& c, COLORREF colour, RECT r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) n += c.At(x, y) == colour;
    }
    return n;
}

// Where a 16 x 16 picture sits when it is centred in a caption-less button of that size.
RECT CentredPicture(int width, int height) {
    const int left = (width - 16) / 2, top = (height - 16) / 2;
    return {left, top, left + 16, top + 16};
}

// Pixels are counted in the classic look (a fresh prefix starts with the visual style on).
class ButtonGlyph : public testing::Test {
protected:
    void SetUp() override { testing_theme::SetVisualStyle(false); }
};

TEST_F(ButtonGlyph, PictureIsDrawnTransparentlyAndEmbossedWhenDisabled) {
    ButtonHost host;
    HWND b = host.Add("", 10, 10, 40, 30);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    GiveGlyph(*button, {RGB(255, 0, 0)});
    EXPECT_EQ(button->NumGlyphs(), 1);
    const Capture up = CaptureButton(b);
    EXPECT_EQ(Count(up, RGB(255, 0, 0)), 64);   // the 8 x 8 square
    EXPECT_EQ(Count(up, RGB(128, 128, 0)), 0);  // the ground is transparent
    EnableWindow(b, FALSE);
    const Capture disabled = CaptureButton(b);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 0)), 0);
    // The square in shadow, the highlight showing one pixel right and down of it.
    const RECT picture = CentredPicture(40, 30);
    EXPECT_EQ(CountIn(disabled, GetSysColor(COLOR_BTNSHADOW), picture), 64);
    EXPECT_EQ(CountIn(disabled, GetSysColor(COLOR_BTNHIGHLIGHT), picture), 15);
    EXPECT_EQ(Count(disabled, RGB(128, 128, 0)), 0);
}

using UniqueImageList = UniqueResource<NullIsEmpty<HIMAGELIST, ImageList_Destroy>>;

TEST_F(ButtonGlyph, AnImageListPictureWithoutDisabledImagesIsEmbossedWhenDisabled) {
    ButtonHost host;
    HWND b = host.Add("", 10, 10, 40, 30);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    UniqueImageList list(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    HBITMAP glyph = MakeGlyph({RGB(255, 0, 0)});
    ASSERT_EQ(ImageList_AddMasked(list.get(), glyph, RGB(128, 128, 0)), 0);
    DeleteObject(glyph);
    button->SetImages(list.get());
    button->SetImageIndex(0);
    ASSERT_TRUE(button->UseImageList());
    const RECT picture = CentredPicture(40, 30);
    EXPECT_EQ(CountIn(CaptureButton(b), RGB(255, 0, 0), picture), 64);
    EnableWindow(b, FALSE);
    const Capture disabled = CaptureButton(b);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 0)), 0) << "drawn in full colour";
    EXPECT_EQ(CountIn(disabled, GetSysColor(COLOR_BTNSHADOW), picture), 64);
    button->SetImages(nullptr);
}

TEST_F(ButtonGlyph, TheCellCountStaysWithinOneToFour) {
    ButtonHost host;
    HWND b = host.Add("", 10, 10, 40, 30);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    GiveGlyph(*button, {RGB(255, 0, 0), RGB(0, 255, 0)});
    for (int asked : {-3, 0}) {
        button->SetNumGlyphs(asked);
        EXPECT_GE(button->NumGlyphs(), 1) << asked;
        EXPECT_GT(button->Glyph().PictureSize().width, 0) << asked;
    }
    button->SetNumGlyphs(7);
    EXPECT_EQ(button->NumGlyphs(), 4);
    CaptureButton(b);  // paints without a negative cell
}

TEST_F(ButtonGlyph, TwoCellGlyphShowsItsSecondCellWhenDisabled) {
    ButtonHost host;
    HWND b = host.Add("", 10, 10, 40, 30);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    GiveGlyph(*button, {RGB(255, 0, 0), RGB(0, 255, 0)});
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(Count(CaptureButton(b), RGB(255, 0, 0)), 64);
    EnableWindow(b, FALSE);
    const Capture disabled = CaptureButton(b);
    EXPECT_EQ(Count(disabled, RGB(0, 255, 0)), 64);
    EXPECT_EQ(Count(disabled, RGB(255, 0, 0)), 0);
}

TEST_F(ButtonGlyph, SameCellSizeSharesOneListThatGoesWithTheLastImage) {
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
