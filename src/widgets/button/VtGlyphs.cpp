#include "widgets/button/VtGlyphs.h"

#include <memory>

#include "platform/WideText.h"
#include "widgets/button/GlyphRules.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

namespace {

std::unique_ptr<TVtGlyphCache<TVtGlyphList>>& CacheSlot() {
    static std::unique_ptr<TVtGlyphCache<TVtGlyphList>> cache;
    return cache;
}

BITMAP BitmapInfo(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap) GetObjectA(bitmap, sizeof(info), &info);
    return info;
}

COLORREF BottomLeftPixel(HBITMAP bitmap) {
    const BITMAP info = BitmapInfo(bitmap);
    if (info.bmWidth <= 0 || info.bmHeight <= 0) return 0;
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    SelectGuard select(dc.get(), bitmap);
    return GetPixel(dc.get(), 0, info.bmHeight - 1);
}

// A screen-compatible bitmap of the given size.
UniqueBitmap ScreenBitmap(int width, int height) {
    WindowDc screen(nullptr);
    return UniqueBitmap(CreateCompatibleBitmap(screen.get(), width, height));
}

// A monochrome mask: 1 where the picture has the mask colour, 0 elsewhere.
UniqueBitmap MakeMask(HDC picture_dc, int width, int height, COLORREF mask_colour, bool inverted) {
    UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    UniqueMemDc mask_dc(CreateCompatibleDC(picture_dc));
    SelectGuard select(mask_dc.get(), mask.get());
    const COLORREF old_bk = SetBkColor(picture_dc, mask_colour);
    BitBlt(mask_dc.get(), 0, 0, width, height, picture_dc, 0, 0, inverted ? NOTSRCCOPY : SRCCOPY);
    SetBkColor(picture_dc, old_bk);
    return mask;
}

}  // namespace

TVtGlyphCache<TVtGlyphList>* GlyphCache(bool create) {
    auto& cache = CacheSlot();
    if (!cache && create) cache = std::make_unique<TVtGlyphCache<TVtGlyphList>>();
    return cache.get();
}

void FreeGlyphCacheIfEmpty() {
    auto& cache = CacheSlot();
    if (cache && cache->Empty()) cache.reset();
}

int TVtGlyphList::AddMasked(HBITMAP bitmap, COLORREF mask_colour) {
    if (!list_) {
        WindowDc screen(nullptr);
        const bool deep = !ThemesAvailable() && GetDeviceCaps(screen.get(), BITSPIXEL) == 32;
        list_.reset(comctl::ImageListCreate(width_, height_, (deep ? ILC_COLOR32 : ILC_COLORDDB) | ILC_MASK, 1, 4));
        if (!list_) return -1;
    }
    // Masked images keep black where they are transparent.
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    UniqueBitmap image = ScreenBitmap(width_, height_);
    {
        UniqueMemDc src(CreateCompatibleDC(nullptr));
        SelectGuard select_src(src.get(), bitmap);
        SelectGuard select(dc.get(), image.get());
        BitBlt(dc.get(), 0, 0, width_, height_, src.get(), 0, 0, SRCCOPY);
    }
    UniqueBitmap mask;
    {
        SelectGuard select(dc.get(), image.get());
        mask = MakeMask(dc.get(), width_, height_, mask_colour, false);
        UniqueMemDc mask_dc(CreateCompatibleDC(dc.get()));
        SelectGuard select_mask(mask_dc.get(), mask.get());
        SetTextColor(dc.get(), RGB(0, 0, 0));
        SetBkColor(dc.get(), RGB(255, 255, 255));
        constexpr DWORD kDSna = 0x00220326;  // the destination where the source is clear: black under the mask
        BitBlt(dc.get(), 0, 0, width_, height_, mask_dc.get(), 0, 0, kDSna);
    }
    bool grow = false;
    const int slot = slots_.Allocate(grow);
    const bool ok = grow ? comctl::ImageListAdd(list_.get(), image.get(), mask.get()) == slot
                         : comctl::ImageListReplace(list_.get(), slot, image.get(), mask.get()) != FALSE;
    if (!ok) {
        slots_.Release(slot);
        return -1;
    }
    return slot;
}

void MakeEmbossed(HDC picture_dc, int width, int height) {
    const COLORREF background = GetPixel(picture_dc, 0, height - 1);
    // 1 marks the figure, 0 the background.
    UniqueBitmap mono = MakeMask(picture_dc, width, height, background, true);
    UniqueMemDc mono_dc(CreateCompatibleDC(picture_dc));
    SelectGuard select_mono(mono_dc.get(), mono.get());
    const RECT all{0, 0, width, height};
    SetDCBrushColor(picture_dc, GetSysColor(COLOR_3DDKSHADOW));
    FillRect(picture_dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const COLORREF old_text = SetTextColor(picture_dc, RGB(0, 0, 0));
    const COLORREF old_bk = SetBkColor(picture_dc, RGB(255, 255, 255));
    constexpr DWORD kDSPDxax = 0x00E20746;  // brush where the source is set, destination elsewhere
    {
        UniqueBrush highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
        SelectGuard brush(picture_dc, highlight.get());
        BitBlt(picture_dc, 1, 1, width, height, mono_dc.get(), 0, 0, kDSPDxax);
    }
    {
        UniqueBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
        SelectGuard brush(picture_dc, shadow.get());
        BitBlt(picture_dc, 0, 0, width, height, mono_dc.get(), 0, 0, kDSPDxax);
    }
    SetTextColor(picture_dc, old_text);
    SetBkColor(picture_dc, old_bk);
}

void DrawCaptionText(HDC dc, const std::string& caption, RECT rect, UINT format, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, format);
}

TVtButtonGlyph::TVtButtonGlyph() { GlyphCache(true); }

TVtButtonGlyph::~TVtButtonGlyph() {
    glyph_.reset();
    DropCachedImages();
    FreeGlyphCacheIfEmpty();
}

void TVtButtonGlyph::Changed() {
    if (OnChange) OnChange();
}

void TVtButtonGlyph::DropCachedImages() {
    for (int& index : indices_) {
        if (index != -1 && list_) list_->Delete(index);
        index = -1;
    }
    if (list_) {
        if (auto* cache = GlyphCache(false)) cache->ReturnList(list_);
        list_ = nullptr;
    }
}

void TVtButtonGlyph::SetAlphaImageList(HIMAGELIST list) {
    alpha_list_ = list;
    DropCachedImages();
    Changed();
}

void TVtButtonGlyph::SetImageIndex(int index) {
    image_index_ = index;
    DropCachedImages();
    Changed();
}

void TVtButtonGlyph::SetUseImageList(bool value) {
    use_image_list_ = value;
    Changed();
}

void TVtButtonGlyph::SetGlyph(HBITMAP bitmap) {
    DropCachedImages();
    glyph_.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    if (glyph_) {
        transparent_color_ = BottomLeftPixel(glyph_.get());
        const BITMAP info = BitmapInfo(glyph_.get());
        num_glyphs_ = DeriveNumGlyphs(info.bmWidth, info.bmHeight, num_glyphs_);
    } else {
        num_glyphs_ = 1;
    }
    Changed();
}

void TVtButtonGlyph::SetIcon(HICON icon) {
    icon_.reset(icon ? CopyIcon(icon) : nullptr);
    if (!icon_) use_icon_ = false;
    DropCachedImages();
    Changed();
}

void TVtButtonGlyph::SetUseIcon(bool value) {
    use_icon_ = value;
    DropCachedImages();
    Changed();
}

void TVtButtonGlyph::SetNumGlyphs(int value) {
    if (value < 1 || value > 4 || value == num_glyphs_) return;
    DropCachedImages();
    num_glyphs_ = value;
    Changed();
}

LayoutSize TVtButtonGlyph::PictureSize() const {
    if (use_image_list_ && image_list_) {
        if (image_index_ == -1) return {};
        int w = 0, h = 0;
        comctl::ImageListGetIconSize(image_list_, &w, &h);
        return {w, h};
    }
    if (use_icon_ && icon_) {
        ICONINFO info{};
        if (!GetIconInfo(icon_.get(), &info)) return {};
        UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
        const BITMAP bm = BitmapInfo(colour ? colour.get() : mask.get());
        return {bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2};
    }
    if (glyph_) {
        const BITMAP bm = BitmapInfo(glyph_.get());
        return {bm.bmWidth / num_glyphs_, bm.bmHeight};
    }
    return {};
}

int TVtButtonGlyph::StateImage(PressState state) {
    state = GlyphStateImage(state, num_glyphs_);
    if (indices_[state] != -1) return indices_[state];
    const BITMAP bm = BitmapInfo(glyph_.get());
    if (!glyph_ || bm.bmWidth <= 0 || bm.bmHeight <= 0) return -1;
    const int width = bm.bmWidth / num_glyphs_;
    const int height = bm.bmHeight;
    if (!list_) list_ = GlyphCache(true)->GetList(width, height);

    UniqueBitmap cell = ScreenBitmap(width, height);
    {
        UniqueMemDc dc(CreateCompatibleDC(nullptr));
        UniqueMemDc src(CreateCompatibleDC(nullptr));
        SelectGuard select(dc.get(), cell.get());
        SelectGuard select_src(src.get(), glyph_.get());
        const RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
        const int source = GlyphCellForState(state, num_glyphs_);
        BitBlt(dc.get(), 0, 0, width, height, src.get(), source * width, 0, SRCCOPY);
        if (state == psDisabled && num_glyphs_ < 2) MakeEmbossed(dc.get(), width, height);
    }
    COLORREF mask = ResolveColor(transparent_color_);
    if (state == psDisabled) mask = BottomLeftPixel(cell.get());
    indices_[state] = list_->AddMasked(cell.get(), mask);
    return indices_[state];
}

RECT TVtButtonGlyph::ArrangeContent(HDC dc, const RECT& rect, int arrow_width, const std::string& caption,
                                    TButtonLayout layout, int margin, int spacing, bool show_glyph, bool show_text,
                                    const CaptionStyle& style, POINT offset, POINT& picture_position) {
    const ContentRect r{rect.left, rect.top, rect.right, rect.bottom};
    const LayoutSize avail = AvailableContentSize(r, arrow_width);
    scaled_ = false;
    const LayoutSize picture = show_glyph ? PictureSize() : LayoutSize{};

    LayoutSize text{};
    if (show_text && !caption.empty() && style.markup) {
        style.markup->ParseText(caption);
        text = {style.markup->Data.TextSize.X, style.markup->Data.TextSize.Y};
    } else if (show_text && !caption.empty()) {
        const UINT flags = DT_CALCRECT | (style.multi_line ? 0u : static_cast<UINT>(DT_SINGLELINE));
        const VtUxTheme& t = UxTheme();
        const bool by_theme = style.through_theme && style.theme && t.GetThemeTextExtent;
        const HFONT font = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
        Measured key{caption, font, avail.width, flags, by_theme ? style.theme : nullptr, by_theme ? style.state : 0,
                     {}};
        if (key.caption == measured_.caption && key.font == measured_.font && key.width == measured_.width &&
            key.flags == measured_.flags && key.theme == measured_.theme && key.state == measured_.state) {
            text = measured_.size;
        } else {
            RECT measured{0, 0, avail.width, 0};
            if (by_theme) {
                const std::wstring wide = AnsiToWide(caption);
                RECT extent{};
                t.GetThemeTextExtent(style.theme, dc, style.part, style.state, wide.c_str(), -1, flags, &measured,
                                     &extent);
                measured = extent;
            } else {
                DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, flags);
            }
            text = {measured.right - measured.left, measured.bottom - measured.top};
            key.size = text;
            measured_ = std::move(key);
        }
    }
    const ContentPlacement p =
        PlaceContent(r, arrow_width, picture, text, layout, margin, spacing, {offset.x, offset.y}, style.dpi);
    scaled_ = p.scaled;
    scaled_size_ = p.picture_size;
    picture_position = {p.picture.x, p.picture.y};
    return {p.caption.left, p.caption.top, p.caption.right, p.caption.bottom};
}

void TVtButtonGlyph::DrawPicture(HDC dc, POINT pos, PressState state) {
    if (use_image_list_ && image_list_) {
        if (image_index_ == -1) return;
        int w = 0, h = 0;
        comctl::ImageListGetIconSize(image_list_, &w, &h);
        if (scaled_ || state == psDisabled) {
            UniqueMemDc mem(CreateCompatibleDC(dc));
            UniqueBitmap picture = ScreenBitmap(w, h);
            SelectGuard select(mem.get(), picture.get());
            const RECT all{0, 0, w, h};
            FillRect(mem.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
            comctl::ImageListDraw(image_list_, image_index_, mem.get(), 0, 0, ILD_TRANSPARENT);
            if (state == psDisabled && !scaled_) MakeEmbossed(mem.get(), w, h);
            const COLORREF key = GetPixel(mem.get(), 0, h - 1);
            const int dw = scaled_ ? scaled_size_.width : w;
            const int dh = scaled_ ? scaled_size_.height : h;
            TransparentBlt(dc, pos.x, pos.y, dw, dh, mem.get(), 0, 0, w, h, key);
        } else {
            comctl::ImageListDraw(image_list_, image_index_, dc, pos.x, pos.y, ILD_TRANSPARENT);
        }
        return;
    }
    if (use_icon_ && icon_) {
        const LayoutSize size = scaled_ ? scaled_size_ : PictureSize();
        DrawIconEx(dc, pos.x, pos.y, icon_.get(), size.width, size.height, 0, nullptr, DI_NORMAL);
        return;
    }
    const BITMAP bm = BitmapInfo(glyph_.get());
    if (!glyph_ || bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
    const int index = StateImage(state);
    if (index < 0 || !list_) return;
    if (scaled_) {
        const int w = list_->Width(), h = list_->Height();
        UniqueMemDc mem(CreateCompatibleDC(dc));
        UniqueBitmap picture = ScreenBitmap(w, h);
        SelectGuard select(mem.get(), picture.get());
        const RECT all{0, 0, w, h};
        FillRect(mem.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
        comctl::ImageListDraw(list_->Handle(), index, mem.get(), 0, 0, ILD_NORMAL);
        const COLORREF key = GetPixel(mem.get(), 0, h - 1);
        TransparentBlt(dc, pos.x, pos.y, scaled_size_.width, scaled_size_.height, mem.get(), 0, 0, w, h, key);
    } else {
        comctl::ImageListDraw(list_->Handle(), index, dc, pos.x, pos.y, ILD_TRANSPARENT);
    }
}

void TVtButtonGlyph::DrawCaption(HDC dc, const std::string& caption, RECT& rect, PressState state,
                                 const CaptionStyle& style) {
    SetBkMode(dc, TRANSPARENT);
    if (style.markup) {
        style.markup->Paint(dc, {0, 0}, rect);
        return;
    }
    const VtUxTheme& t = UxTheme();
    if (style.through_theme && style.theme && t.DrawThemeText) {
        DWORD format = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
        if (style.multi_line) {
            const DWORD across = style.alignment == 0 ? DT_LEFT : style.alignment == 1 ? DT_RIGHT : DT_CENTER;
            format = across | DT_VCENTER;
        }
        const std::wstring wide = AnsiToWide(caption);
        t.DrawThemeText(style.theme, dc, style.part, style.state, wide.c_str(), -1, format, 0, &rect);
        return;
    }
    const UINT format = DT_END_ELLIPSIS | DT_VCENTER | DT_CENTER | (style.multi_line ? 0u : DT_SINGLELINE);
    if (state == psDisabled) {
        RECT moved = rect;
        OffsetRect(&moved, style.metrics.relief_offset, style.metrics.relief_offset);
        DrawCaptionText(dc, caption, moved, format, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawCaptionText(dc, caption, rect, format, GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    const TextEffectPlace effect = PlaceTextEffect(style.effect, style.metrics);
    if (style.effect != tdtNormal) {
        RECT moved = rect;
        OffsetRect(&moved, effect.dx, effect.dy);
        const int copy_colour = style.effect == tdtShadowed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
        DrawCaptionText(dc, caption, moved, format, GetSysColor(copy_colour));
    }
    DrawCaptionText(dc, caption, rect, format, style.font_colour);
    InflateRect(&rect, effect.grow, effect.grow);
}

}  // namespace tv
