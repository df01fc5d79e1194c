// Painting of the popup button: everything goes to an off-screen bitmap that reaches the window in
// one transfer, so the button never flickers between background, frame and caption. Paint (at the
// end of the file) runs the steps below; each names what it does to the working rectangle R and
// the arrow width W it shares with the others. Painting changes no state of the button: it draws
// the look its state and the enabled flags of the moment give.
#include <vsstyle.h>

#include <algorithm>

#include "widgets/button/DisabledLook.h"
#include "widgets/button/VtPopBtn.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

namespace {

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Outline(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// One rectangle of a three-dimensional frame, of lines one pixel wide at every DPI: the bottom row
// and right column own the corners.
void FrameRectangle(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right) {
    constexpr int line = Dpi::kHairline;
    if (r.right - r.left < line || r.bottom - r.top < line) return;
    FillSolid(dc, {r.left, r.top, r.right - line, r.top + line}, top_left);
    FillSolid(dc, {r.left, r.top, r.left + line, r.bottom - line}, top_left);
    FillSolid(dc, {r.left, r.bottom - line, r.right, r.bottom}, bottom_right);
    FillSolid(dc, {r.right - line, r.top, r.right, r.bottom}, bottom_right);
}

// The drop-down arrow: rows of 7, 5, 3 and 1 pixels at 96 dpi, more at a higher DPI, centred in
// the rectangle; disabled, embossed by one line.
void DrawArrow(HDC dc, const RECT& r, bool enabled, COLORREF colour, const ButtonMetrics& m) {
    const ArrowGlyphPlace place = PlaceArrowGlyph(r.right - r.left, r.bottom - r.top, m);
    if (!place.shown) return;
    auto rows = [&](int x0, int y0, COLORREF c) {
        for (int row = 0; row < place.rows; ++row) {
            FillSolid(dc, {x0 + row, y0 + row, x0 + place.Width() - row, y0 + row + 1}, c);
        }
    };
    const int x = r.left + place.left, y = r.top + place.top;
    if (enabled) {
        rows(x, y, colour);
    } else {
        rows(x + m.relief_offset, y + m.relief_offset, GetSysColor(COLOR_BTNHIGHLIGHT));
        rows(x, y, GetSysColor(COLOR_BTNSHADOW));
    }
}

int DropDownState(PressState state, bool hot) {
    if (state == psDisabled) return CBXS_DISABLED;
    if (state == psLatched || state == psArrowPressed) return CBXS_PRESSED;
    return hot ? CBXS_HOT : CBXS_NORMAL;
}

}  // namespace

// What the steps of one paint share.
struct TCustomVtPopupButton::PaintContext {
    HDC dc = nullptr;
    RECT client{};
    RECT r{};   // the working rectangle
    int w = 0;  // the arrow width, 0 until a step needs it
    bool themed = false;
    HWND parent = nullptr;
    PressState state = psUp;  // the look: disabled, else the button's state
    bool disabled = false;
    bool looks_down = false;
    bool focused = false;
    HFONT font = nullptr;
    COLORREF face = 0;
    int themed_state = PBS_NORMAL;
};

COLORREF TCustomVtPopupButton::FaceColour() const { return ResolveColor(shadow_follows_color_ ? color_ : clBtnFace); }

void TCustomVtPopupButton::FrameColours(COLORREF face, COLORREF& h, COLORREF& d, COLORREF& f, COLORREF& s) const {
    const TColor face_value = shadow_follows_color_ ? color_ : clBtnFace;
    if (shadows_use_custom_) {
        h = ResolveColor(shadow_btn_highlight_);
        d = ResolveColor(shadow_btn_dk_shadow_);
        f = ResolveColor(color_);
        s = ResolveColor(shadow_btn_shadow_);
        return;
    }
    h = GetSysColor(COLOR_BTNHIGHLIGHT);
    d = GetSysColor(COLOR_3DDKSHADOW);
    s = GetSysColor(COLOR_BTNSHADOW);
    f = face;
    if (face_value == clBtnFace) return;
    if (const auto shades = DeriveShadowColors(face)) {
        h = shades->highlight;
        d = shades->dark_shadow;
        s = shades->shadow;
    }
}

void TCustomVtPopupButton::DrawButtonFrame(HDC dc, RECT r, bool raised, bool down, COLORREF face, bool thin) const {
    COLORREF h, d, f, s;
    FrameColours(face, h, d, f, s);
    COLORREF outer_tl, outer_br, inner_tl, inner_br;
    if (down) {
        outer_tl = s, outer_br = h, inner_tl = d, inner_br = f;
    } else if (raised) {
        outer_tl = h, outer_br = d, inner_tl = f, inner_br = s;
    } else {
        outer_tl = h, outer_br = s, inner_tl = f, inner_br = f;
    }
    FrameRectangle(dc, r, outer_tl, outer_br);
    if (!thin) {
        InflateRect(&r, -Dpi::kHairline, -Dpi::kHairline);
        FrameRectangle(dc, r, inner_tl, inner_br);
    }
}

COLORREF TCustomVtPopupButton::MoneyFlatFrameColour(const PaintContext& p) const {
    if (p.looks_down) return ResolveColor(MoneyFlatDownColor());
    if (Hot() && !p.disabled) return ResolveColor(MoneyFlatActiveColor());
    return ResolveColor(MoneyFlatInactiveColor());
}

int TCustomVtPopupButton::ThemedState(const PaintContext& p) const {
    if (p.disabled) return PBS_DISABLED;
    if (p.looks_down) return PBS_PRESSED;
    if (Hot()) return PBS_HOT;
    if ((default_ && draw_default_frame_) || Focused()) return PBS_DEFAULTED;
    return PBS_NORMAL;
}

// With an arrow part, W is its width and R loses it on the right.
void TCustomVtPopupButton::TakeArrowWidth(PaintContext& p) const {
    if (!UseArrow()) return;
    p.w = ArrowWidth();
    p.r.right -= p.w;
}

// The off-screen bitmap of the client size, kept while the size stays.
bool TCustomVtPopupButton::PrepareBitmap(HDC target, PaintContext& p) {
    GetClientRect(wnd_, &p.client);
    const int width = p.client.right, height = p.client.bottom;
    if (width <= 0 || height <= 0) return false;
    if (!paint_dc_ || paint_size_.cx != width || paint_size_.cy != height) {
        paint_dc_.reset();
        paint_bitmap_.reset(CreateCompatibleBitmap(target, width, height));
        paint_dc_.reset(CreateCompatibleDC(target));
        if (!paint_dc_ || !paint_bitmap_) {
            paint_dc_.reset();
            return false;
        }
        SelectObject(paint_dc_.get(), paint_bitmap_.get());
        paint_size_ = {width, height};
    }
    p.dc = paint_dc_.get();
    p.themed = IsThemed();
    p.parent = GetParent(wnd_);
    return true;
}

// Under a themed button, the parent paints its background into the bitmap.
void TCustomVtPopupButton::PaintParentBackground(PaintContext& p) {
    if (!p.themed || !p.parent) return;
    POINT origin{0, 0};
    MapWindowPoints(wnd_, p.parent, &origin, 1);
    SetMapMode(p.dc, MM_ANISOTROPIC);
    POINT old{};
    SetViewportOrgEx(p.dc, -origin.x, -origin.y, &old);
    SendMessageA(p.parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(p.dc), 0);
    SetViewportOrgEx(p.dc, old.x, old.y, nullptr);
    SetMapMode(p.dc, MM_TEXT);
}

// The look: a parent's disabling reaches no handler of the button, so it is read here, each paint.
void TCustomVtPopupButton::TakeLook(PaintContext& p) const {
    p.state = logic_.Look(!ShowsDisabledLook(wnd_));
    p.disabled = p.state == psDisabled;
    p.looks_down = logic_.LooksDownIn(p.state);
    p.focused = Focused();
}

// The button's font, R the client rectangle, the frame's face colour.
void TCustomVtPopupButton::SelectFontAndFace(PaintContext& p) {
    p.font = FontInUse();
    SelectObject(p.dc, p.font);
    p.r = p.client;
    p.face = FaceColour();
}

// The classic looks' background: the parent's pixels when transparent, else the colour or a
// background bitmap.
void TCustomVtPopupButton::PaintBackground(HDC target, PaintContext& p) {
    if (p.themed) return;
    const int width = p.client.right, height = p.client.bottom;
    if (Transparent() && p.parent) {
        RECT clip{};
        GetClipBox(target, &clip);
        RECT in_parent = clip;
        MapWindowPoints(wnd_, p.parent, reinterpret_cast<POINT*>(&in_parent), 2);
        RedrawWindow(p.parent, &in_parent, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
        const WindowDc window_dc(wnd_);
        BitBlt(p.dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, window_dc.get(), clip.left,
               clip.top, SRCCOPY);
    } else {
        FillSolid(p.dc, p.client, ResolveColor(color_));
        HBITMAP picture = p.looks_down ? down_background_.get() : background_.get();
        if (picture) {
            BITMAP info{};
            GetObjectA(picture, sizeof(info), &info);
            const UniqueMemDc src(CreateCompatibleDC(p.dc));
            const SelectGuard select_src(src.get(), picture);
            StretchBlt(p.dc, 0, 0, width, height, src.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        }
    }
    p.r = p.client;
}

// The classic looks' default or focus frame, one pixel outside the button's own frame.
void TCustomVtPopupButton::PaintDefaultOrFocusFrame(PaintContext& p) {
    if (p.themed || !((default_ && draw_default_frame_) || (p.focused && draw_focus_frame_))) return;
    TakeArrowWidth(p);
    Outline(p.dc, p.r,
            MoneyFlat() ? MoneyFlatFrameColour(p) : GetSysColor(old_styled_ ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW));
    p.r = p.client;
    if (!UseArrow()) InflateRect(&p.r, -metrics_.frame_line, -metrics_.frame_line);
}

// Themed: the push button in its state, and the drop-down part of the combo box class.
void TCustomVtPopupButton::PaintThemedBody(PaintContext& p) {
    const VtUxTheme& t = UxTheme();
    if (!t.DrawThemeBackground) return;
    t.DrawThemeBackground(ThemeHandle(), p.dc, BP_PUSHBUTTON, 0, &p.r, nullptr);
    p.themed_state = ThemedState(p);
    TakeArrowWidth(p);
    RECT clip{};
    GetClipBox(p.dc, &clip);
    t.DrawThemeBackground(ThemeHandle(), p.dc, BP_PUSHBUTTON, p.themed_state, &p.r, &clip);
    if (!UseArrow()) return;
    if (p.w == 0 && t.GetThemeSysSize) {
        p.w = t.GetThemeSysSize(arrow_theme_handle_.get(), SM_CXVSCROLL);
        p.r.right -= p.w;
    }
    const RECT arrow{p.r.right, p.r.top, p.r.right + p.w, p.r.bottom};
    t.DrawThemeBackground(arrow_theme_handle_.get(), p.dc, CP_DROPDOWNBUTTON, DropDownState(p.state, Hot()), &arrow,
                          nullptr);
}

// Classic: the three-dimensional frame (or the money-flat outline).
void TCustomVtPopupButton::PaintClassicBody(PaintContext& p) {
    TakeArrowWidth(p);
    const bool border_allowed = !background_ || background_draw_border_;
    if (!border_allowed || !show_border_) return;
    if (MoneyFlat()) {
        Outline(p.dc, p.r, MoneyFlatFrameColour(p));
    } else if (old_styled_ || ((logic_.MouseInControl() || p.focused) && !p.looks_down)) {
        DrawButtonFrame(p.dc, p.r, !thin_frame_, p.looks_down, p.face, thin_frame_);
    } else {
        DrawButtonFrame(p.dc, p.r, old_styled_, p.looks_down, p.face, thin_frame_);
    }
}

// Flat: a frame only while down, hot, or focused.
void TCustomVtPopupButton::PaintFlatBody(PaintContext& p) {
    TakeArrowWidth(p);
    if (MoneyFlat()) {
        Outline(p.dc, p.r, MoneyFlatFrameColour(p));
    } else if ((p.looks_down || (Hot() && !p.disabled) || p.focused) && (!background_ || background_draw_border_) &&
               show_border_) {
        DrawButtonFrame(p.dc, p.r, false, p.looks_down, p.face, true);
    }
}

// The classic looks' arrow part: its own frame and the arrow glyph.
void TCustomVtPopupButton::PaintClassicArrow(PaintContext& p) {
    if (p.themed || !UseArrow()) return;
    if (p.w == 0) TakeArrowWidth(p);
    RECT a{p.r.right, 0, p.r.right + p.w, p.client.bottom};
    if (default_ && draw_default_frame_) InflateRect(&a, 0, -metrics_.frame_line);
    const bool arrow_held = p.state == psPressed || p.state == psArrowPressed;
    if ((!background_ || background_draw_border_) && show_border_) {
        if (MoneyFlat()) {
            COLORREF c = ResolveColor(MoneyFlatInactiveColor());
            if (arrow_held) {
                c = ResolveColor(MoneyFlatDownColor());
            } else if (Hot() && !p.disabled) {
                c = ResolveColor(MoneyFlatActiveColor());
            }
            Outline(p.dc, a, c);
        } else if (!Flat() || Hot() || p.state == psLatched || p.state == psArrowPressed) {
            DrawButtonFrame(p.dc, a, (logic_.ArrowHot() || old_styled_) && !thin_frame_ && !Down(), arrow_held, p.face,
                            thin_frame_);
        }
    }
    DrawArrow(p.dc, a, !p.disabled, ResolveColor(font_color_), metrics_);
}

// Only a latched look (or pictures of their own) moves the content, by one line as the frame's
// lines move in.
POINT TCustomVtPopupButton::ContentOffset(const PaintContext& p) const {
    const bool own_pictures = (glyph_.UseImageList() && (!down_images_ || down_images_ == images_)) || glyph_.UseIcon();
    if (p.looks_down && (p.state == psLatched || own_pictures)) {
        return {metrics_.pressed_offset, metrics_.pressed_offset};
    }
    return {0, 0};
}

// The markup caption's defaults come from the button.
void TCustomVtPopupButton::SetMarkupDefaults(const PaintContext& p) {
    if (!is_html_ || !html_render_) return;
    TVtHTMLData& data = html_render_->Data;
    LOGFONTA lf{};
    GetObjectA(p.font, sizeof(lf), &lf);
    data.DefaultColor = font_color_;
    data.DefaultBgColor = clNone;
    data.DefaultStyle = static_cast<std::uint8_t>((lf.lfWeight >= FW_BOLD ? 1 : 0) | (lf.lfItalic ? 2 : 0) |
                                                  (lf.lfUnderline ? 4 : 0) | (lf.lfStrikeOut ? 8 : 0));
    data.DefaultHeight = lf.lfHeight;
    data.DefaultFont = lf.lfFaceName;
    data.Charset = lf.lfCharSet;
    data.LinkColor = link_color_;
    data.LinkStyle = static_cast<std::uint8_t>(link_style_);
}

// The image list whose picture the look shows: the disabled, down or hot pictures where the button
// has them, else the normal ones.
HIMAGELIST TCustomVtPopupButton::ShownImages(const PaintContext& p) const {
    if (p.disabled && disabled_images_) return disabled_images_;
    if (p.looks_down && down_images_) return down_images_;
    if (!p.disabled && Hot() && hot_images_) return hot_images_;
    return images_;
}

// Picture and caption through the glyph object, in the rectangle left by the frame.
void TCustomVtPopupButton::PaintContent(PaintContext& p) {
    const POINT offset = ContentOffset(p);
    p.r.right += p.w;  // the arrow width is passed to the layout separately
    const HIMAGELIST images = ShownImages(p);
    glyph_.ShowImageList(images);
    // A disabled list's picture is drawn as it is, not embossed.
    const PressState glyph_state = (p.disabled && images && images == disabled_images_) ? psUp : p.state;
    // Space for the frame, one line or two.
    if (adjust_space_for_glyph_) {
        const int frame = metrics_.frame_line * (thin_frame_ ? 1 : 2);
        InflateRect(&p.r, -frame, -frame);
    }
    SetMarkupDefaults(p);
    const std::string caption = Caption();
    CaptionStyle style;
    style.multi_line = MultiLineCaption(caption, is_html_);
    style.alignment = alignment_;
    style.effect = TextDrawType();
    style.font_colour = ResolveColor(font_color_);
    style.theme = ThemeHandle();
    style.part = BP_PUSHBUTTON;
    style.state = p.themed ? p.themed_state : PBS_NORMAL;
    style.through_theme = p.themed;  // the buttons keep their parent's font
    style.markup = is_html_ ? html_render_.get() : nullptr;
    style.dpi = dpi_;
    style.metrics = metrics_;
    POINT picture_at{};
    RECT text_rect = glyph_.ArrangeContent(p.dc, p.r, p.w, caption, layout_, margin_, spacing_, show_glyph_, show_text_,
                                           style, offset, picture_at);
    if (show_glyph_) glyph_.DrawPicture(p.dc, picture_at, glyph_state);
    if (show_text_ && !caption.empty()) glyph_.DrawCaption(p.dc, caption, text_rect, p.state, style);
    text_rect_ = text_rect;
}

// The dotted focus rectangle two pixels (at 96 dpi) inside R; its dots stay one pixel.
void TCustomVtPopupButton::PaintFocusRectangle(const PaintContext& p) {
    if (!p.focused || !show_focus_) return;
    RECT f = p.r;
    f.right -= p.w;
    InflateRect(&f, -metrics_.focus_inset, -metrics_.focus_inset);
    SetTextColor(p.dc, GetSysColor(COLOR_WINDOWFRAME));
    SetBkColor(p.dc, GetSysColor(COLOR_BTNFACE));
    DrawFocusRect(p.dc, &f);
}

void TCustomVtPopupButton::Paint(HDC target) {
    PaintContext p;
    if (!PrepareBitmap(target, p)) return;
    const int saved = SaveDC(p.dc);
    PaintParentBackground(p);
    TakeLook(p);
    SelectFontAndFace(p);
    PaintBackground(target, p);
    PaintDefaultOrFocusFrame(p);
    if (p.themed && arrow_theme_handle_) {
        PaintThemedBody(p);
    } else if (!Flat()) {
        PaintClassicBody(p);
    } else {
        PaintFlatBody(p);
    }
    PaintClassicArrow(p);
    PaintContent(p);
    PaintFocusRectangle(p);
    // One transfer to the window.
    BitBlt(target, 0, 0, p.client.right, p.client.bottom, p.dc, 0, 0, SRCCOPY);
    RestoreDC(p.dc, saved);
}

}  // namespace tv
