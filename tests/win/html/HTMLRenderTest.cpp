// The caption renderer painting through GDI into a memory bitmap, checked pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "platform/Handles.h"
#include "platform/WindowDpi.h"
#include "support/system/Folders.h"
#include "widgets/html/GdiFontCache.h"
#include "widgets/html/HTMLRender.h"
#include "widgets/html/LinkCursor.h"

namespace tv {
namespace {

constexpr COLORREF kBackground = RGB(240, 250, 200);
constexpr COLORREF kLink = RGB(255, 0, 0);
constexpr COLORREF kText = RGB(0, 0, 128);

// A 32-bit top-down DIB selected into a memory DC, so pixels can be read directly.
class PixelSurface {
public:
    PixelSurface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        dc_.reset(CreateCompatibleDC(nullptr));
        old_ = SelectObject(dc_.get(), bitmap_.get());
        Fill(kBackground);
    }
    ~PixelSurface() { Unselect(); }
    // A bitmap can be selected into one DC only; this frees it for another.
    void Unselect() { SelectObject(dc_.get(), old_); }

    void Fill(COLORREF color) {
        for (int i = 0; i < width_ * height_; ++i)
            bits_[i] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t v = bits_[y * width_ + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels of the colour within [left, right) x [top, bottom).
    int Count(COLORREF color, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += At(x, y) == color;
        return n;
    }
    int CountNot(COLORREF color, int left, int top, int right, int bottom) const {
        return (right - left) * (bottom - top) - Count(color, left, top, right, bottom);
    }
    HDC dc() const { return dc_.get(); }
    // Keeps the picture for a person to look at (a 32-bit bottom-up BMP file).
    void Save(const char* path) const {
        GdiFlush();
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{};
        info.biSize = sizeof info;
        info.biWidth = width_;
        info.biHeight = height_;
        info.biPlanes = 1;
        info.biBitCount = 32;
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + width_ * height_ * 4;
        UniqueHandle out(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        if (out.get() == INVALID_HANDLE_VALUE) {
            out.release();
            return;
        }
        DWORD written = 0;
        WriteFile(out.get(), &file, sizeof file, &written, nullptr);
        WriteFile(out.get(), &info, sizeof info, &written, nullptr);
        for (int y = height_ - 1; y >= 0; --y) WriteFile(out.get(), bits_ + y * width_, width_ * 4, &written, nullptr);
    }
    bool ok() const { return bits_ && dc_; }

private:
    int width_, height_;
    UniqueBitmap bitmap_;
    UniqueMemDc dc_;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

struct LineBox {
    int top = 0;
    const TVtHTMLBreakItem* line = nullptr;
};

// The line holding the item and the x where the item starts (left-aligned lines).
LineBox LineOf(const TVtHTMLData& data, const TVtHTMLItem* target, int& x) {
    LineBox box;
    int y = 0;
    for (int i = 0; i < data.Items.Count(); ++i) {
        const TVtHTMLItem* item = data.Items.Get(i);
        if (item->IsBreak()) {
            if (box.line) y += box.line->Height;
            box.line = static_cast<const TVtHTMLBreakItem*>(item);
            box.top = y;
            x = box.line->Indent;
        } else if (item == target) {
            return box;
        } else if (item->ItemType != ikRule) {
            x += item->Width;
        }
    }
    return {};
}

const TVtHTMLItem* FindItem(const TVtHTMLData& data, std::uint8_t kind, const std::string& text = "") {
    for (int i = 0; i < data.Items.Count(); ++i) {
        const TVtHTMLItem* item = data.Items.Get(i);
        if (item->ItemType == kind && (text.empty() || item->Text == text)) return item;
    }
    return nullptr;
}

class HTMLRenderTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(surface.ok());
        render.Data.DefaultColor = kText;
        render.Data.LinkColor = kLink;
        render.Data.DefaultHeight = -13;
        render.Data.DefaultFont = "Tahoma";
    }
    PixelSurface surface{260, 140};
    TVtHTMLRender render;
    const RECT rect{10, 10, 229, 119};  // painting covers 220 x 110 pixels
};

TEST_F(HTMLRenderTest, PaintsEveryKindOfItem) {
    render.ParseText("<b>Bold</b> <a href=\"http://tally.example/\">link here</a><ul><li>item</ul><hr>H<sub>2</sub>O");
    const TVtHTMLData& data = render.Data;
    render.Paint(surface.dc(), {0, 0}, rect);
    surface.Save((test::ArtifactsFolder() + "html_caption.bmp").c_str());

    // Outside the rectangle, and inside it away from the text, the background is untouched.
    EXPECT_EQ(surface.CountNot(kBackground, 0, 0, 260, 10), 0);
    EXPECT_EQ(surface.CountNot(kBackground, 0, 0, 10, 140), 0);
    EXPECT_EQ(surface.CountNot(kBackground, 231, 0, 260, 140), 0);
    EXPECT_EQ(surface.CountNot(kBackground, 10, 10 + data.TextSize.Y + 4, 231, 140), 0);

    // The link run is drawn in the link colour, and nothing else is.
    const TVtHTMLItem* link = FindItem(data, ikText, "link here");
    ASSERT_NE(link, nullptr);
    int linkX = 0;
    const LineBox first = LineOf(data, link, linkX);
    ASSERT_NE(first.line, nullptr);
    const int firstBottom = 10 + first.top + first.line->Height;
    EXPECT_GT(surface.Count(kLink, 10 + linkX, 10, 10 + linkX + link->Width, firstBottom), 10);
    EXPECT_EQ(surface.Count(kLink, 10, 10, 10 + linkX, firstBottom), 0);
    EXPECT_EQ(surface.Count(kLink, 10, firstBottom, 231, 140), 0);

    // Bold text is wider than the same text drawn plain.
    const TVtHTMLItem* bold = FindItem(data, ikText, "Bold");
    ASSERT_NE(bold, nullptr);
    TVtHTMLFont plain = bold->MeasureFont(false);
    plain.Style = 0;
    EXPECT_GT(bold->Width, render.Metrics().TextExtent(plain, "Bold") + 1);

    // The bullet is a filled disc in the text colour left of the item.
    const TVtHTMLItem* bullet = FindItem(data, ikBullet);
    ASSERT_NE(bullet, nullptr);
    const int bulletSize = render.Metrics().AveCharWidth(bullet->MeasureFont(false));
    const TVtHTMLItem* item = FindItem(data, ikText, "item");
    int itemX = 0;
    const LineBox bulletLine = LineOf(data, item, itemX);
    EXPECT_GT(surface.Count(kText, 10 + itemX - bulletSize - 1, 10 + bulletLine.top, 10 + itemX - 1,
                            10 + bulletLine.top + bulletLine.line->Height),
              bulletSize * bulletSize / 3);

    // The rule: its top row in button shadow, the row below in button face, across the rectangle.
    const TVtHTMLItem* rule = FindItem(data, ikRule);
    ASSERT_NE(rule, nullptr);
    int ruleX = 0;
    const LineBox ruleLine = LineOf(data, rule, ruleX);
    ASSERT_EQ(ruleLine.line->Height, 0);
    const int ruleY = 10 + ruleLine.top;
    EXPECT_EQ(surface.Count(GetSysColor(COLOR_BTNSHADOW), 120, ruleY, 229, ruleY + 1), 109);
    EXPECT_EQ(surface.Count(GetSysColor(COLOR_BTNFACE), 120, ruleY + 1, 229, ruleY + 2), 109);

    // The subscript reaches lower than the runs beside it.
    const TVtHTMLItem* h = FindItem(data, ikText, "H");
    const TVtHTMLItem* two = FindItem(data, ikText, "2");
    ASSERT_NE(h, nullptr);
    ASSERT_NE(two, nullptr);
    int hX = 0, twoX = 0;
    LineOf(data, h, hX);
    const LineBox last = LineOf(data, two, twoX);
    auto lowestInk = [&](int left, int right) {
        for (int y = 139; y >= 10 + last.top; --y)
            if (surface.CountNot(kBackground, left, y, right, y + 1) > 0) return y;
        return -1;
    };
    EXPECT_GT(lowestInk(10 + twoX, 10 + twoX + two->Width), lowestInk(10 + hX, 10 + hX + h->Width));

    // The link's middle is a link.
    std::string href;
    const POINT middle{linkX + link->Width / 2, first.top + first.line->Height / 2};
    EXPECT_TRUE(render.LinkAt(middle, {0, 0}, rect, href));
    EXPECT_EQ(href, "http://tally.example/");
    EXPECT_FALSE(render.LinkAt(POINT{2, middle.y}, {0, 0}, rect, href));
    EXPECT_EQ(href, "");
}

TEST_F(HTMLRenderTest, EmptyCaptionKeepsTheBackground) {
    render.ParseText("");
    EXPECT_EQ(render.Data.TextSize.X, 0);
    render.Paint(surface.dc(), {0, 0}, rect);
    render.Paint(surface.dc(), {0, 0}, RECT{0, 0, 50, 50});  // another size: a new buffer
    EXPECT_EQ(surface.CountNot(kBackground, 0, 0, 260, 140), 0);
}

TEST_F(HTMLRenderTest, RelativeFontSizesArePointsAtTheDpiOfTheWindowPaintedFor) {
    // Until the owner says otherwise, the system's DPI (the prefix's display scale).
    EXPECT_EQ(render.Metrics().PixelsPerInchY(), SystemDpi().Value());
    const UniqueWindow window(
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    render.SetDpi(DpiOfWindow(window.get()));
    EXPECT_EQ(render.Metrics().PixelsPerInchY(), DpiOfWindow(window.get()).Value());

    // Two steps up are two points: 3 pixels at 96 dpi (2.67 rounded), 4 at 144, 5 at 192 (5.33).
    render.Data.DefaultHeight = -11;
    const std::pair<int, int> heights[] = {{96, -14}, {144, -15}, {192, -16}};
    for (const auto& [dpi, height] : heights) {
        render.SetDpi(Dpi(dpi));
        render.ParseText("<font size=+2>x</font>");
        const TVtHTMLItem* x = FindItem(render.Data, ikText, "x");
        ASSERT_NE(x, nullptr) << dpi;
        EXPECT_EQ(x->FontHeight, height) << dpi;
    }
}

TEST_F(HTMLRenderTest, ImagesUseTheirBottomLeftPixelAsTransparent) {
    // A 4 x 4 bitmap: blue, with a green bottom row that must not show.
    PixelSurface picture(4, 4);
    picture.Fill(RGB(0, 0, 255));
    for (int x = 0; x < 4; ++x) SetPixel(picture.dc(), x, 3, RGB(0, 255, 0));
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(picture.dc(), OBJ_BITMAP));
    picture.Unselect();
    std::string asked;
    render.OnImageNeeded = [&](TVtHTMLLayout&, const std::string& src, TVtHTMLImage& image) {
        asked = src;
        image.Handle = bitmap;
    };
    render.ParseText("<img src=pic.bmp>");
    EXPECT_EQ(asked, "pic.bmp");
    const TVtHTMLItem* image = FindItem(render.Data, ikImage);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Width, 4);
    EXPECT_EQ(image->Height, 4);
    render.Paint(surface.dc(), {0, 0}, rect);
    EXPECT_EQ(surface.Count(RGB(0, 0, 255), 10, 10, 14, 13), 12);
    EXPECT_EQ(surface.Count(kBackground, 10, 13, 14, 14), 4);
    EXPECT_EQ(surface.Count(RGB(0, 255, 0), 0, 0, 260, 140), 0);
}

TEST(GdiFontCacheTest, AFontIsFoundByTheFaceAsFarAsGdiHoldsIt) {
    // A face name as long as a caption may hold: GDI keeps its first LF_FACESIZE - 1 characters,
    // and so does the cache's key, so a lookup costs the same whatever the name's length.
    const std::string prefix = "Tahoma" + std::string(LF_FACESIZE - 1 - 6, 'x');
    TVtHTMLFont one{TVtSharedText(prefix + std::string(1 << 16, 'a')), -13, 0, 0};
    TVtHTMLFont other{TVtSharedText(prefix + std::string(1 << 16, 'b')), -13, 0, 0};
    EXPECT_EQ(TVtGdiFontCache::KeyOf(one).Face, prefix);
    TVtGdiFontCache cache;
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const TVtGdiFontCache::Entry& first = cache.Get(one, dc.get());
    const HFONT handle = first.Handle.get();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(cache.Get(other, dc.get()).Handle.get(), handle);  // the same font to GDI
    LOGFONTA made{};
    ASSERT_NE(GetObjectA(handle, sizeof made, &made), 0);
    EXPECT_EQ(std::string(made.lfFaceName), prefix);
    other.Height = -14;
    EXPECT_NE(cache.Get(other, dc.get()).Handle.get(), handle);
}

TEST(LinkCursorTest, LinkCursorComesFromTheProgramsResource) {
    HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), "URLCURSOR");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(GetVtCursor(crVtLink), own);
    EXPECT_EQ(GetVtCursor(1), nullptr);
}

}  // namespace
}  // namespace tv
