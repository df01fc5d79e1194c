// Painting of the popup button: everything goes to an off-screen bitmap that reaches the window in
// one transfer, so the button never flickers between background, frame and caption.
#include <algorithm>

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

// One rectangle of a three-dimensional frame: the bottom row and right column own the corners.
void FrameRectangle(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right) {
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, top_left);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

// The drop-down arrow: rows of 7, 5, 3 and 1 pixels centred in the rectangle.
void DrawArrow(HDC dc, const RECT& r, bool enabled, COLORREF colour) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width < 6 || height < 3) return;
    const int left = std::max(width / 2 - 3, 0);
    const int top = std::max(height / 2 - 2, 0);
    auto rows = [&](int x0, int y0, COLORREF c) {
        for (int row = 0; row < 4; ++row) FillSolid(dc, {x0 + row, y0 + row, x0 + 7 - row, y0 + row + 1}, c);
    };
    if (enabled) {
        rows(r.left + left, r.top + top, colour);
    } else {
        rows(r.left + left + 1, r.top + top + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        rows(r.left + left, r.top + top, GetSysColor(COLOR_BTNSHADOW));
    }
}

}  // namespace

COLORREF TCustomVtPopupButton::FaceColour() const {
    return ResolveColor(FShadowFollowsColor ? FColor : clBtnFace);
}

void TCustomVtPopupButton::FrameColours(COLORREF face, COLORREF& h, COLORREF& d, COLORREF& f,
                                        COLORREF& s) const {
    const TColor face_value = FShadowFollowsColor ? FColor : clBtnFace;
    if (FShadowsUseCustom) {
        h = ResolveColor(FShadowBtnHighlight);
        d = ResolveColor(FShadowBtnDkShadow);
        f = ResolveColor(FColor);
        s = ResolveColor(FShadowBtnShadow);
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

void TCustomVtPopupButton::DrawButtonFrame(HDC dc, RECT r, bool raised, bool down, COLORREF face,
                                           bool thin) const {
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
        InflateRect(&r, -1, -1);
        FrameRectangle(dc, r, inner_tl, inner_br);
    }
}

COLORREF TCustomVtPopupButton::MoneyFlatFrameColour() const {
    if (LooksDown()) return ResolveColor(MoneyFlatDownColor());
    if (Hot() && logic_.press_state != psDisabled) return ResolveColor(MoneyFlatActiveColor());
    return ResolveColor(MoneyFlatInactiveColor());
}

int TCustomVtPopupButton::ThemedState() const {
    if (logic_.press_state == psDisabled) return 4;
    if (LooksDown()) return 3;
    if (Hot()) return 2;
    if ((FDefault && FDrawDefaultFrame) || Focused()) return 5;
    return 1;
}

void TCustomVtPopupButton::Paint(HDC target) {
    RECT client{};
    GetClientRect(wnd_, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;

    // 1. The off-screen bitmap.
    if (!paint_dc_ || paint_size_.cx != width || paint_size_.cy != height) {
        paint_dc_.reset();
        paint_bitmap_.reset(CreateCompatibleBitmap(target, width, height));
        paint_dc_.reset(CreateCompatibleDC(target));
        if (!paint_dc_ || !paint_bitmap_) {
            paint_dc_.reset();
            return;
        }
        SelectObject(paint_dc_.get(), paint_bitmap_.get());
        paint_size_ = {width, height};
    }
    HDC dc = paint_dc_.get();
    const int saved = SaveDC(dc);
    const VtUxTheme& t = UxTheme();
    const bool themed = IsThemed();
    HWND parent = GetParent(wnd_);

    // 2. The parent's background under a themed button, painted into the bitmap.
    if (themed && parent) {
        POINT origin{0, 0};
        MapWindowPoints(wnd_, parent, &origin, 1);
        SetMapMode(dc, MM_ANISOTROPIC);
        POINT old{};
        SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
        SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
        SetMapMode(dc, MM_TEXT);
    }

    // 3. Reconcile the state with the enabled flags.
    logic_.enabled = IsWindowEnabled(wnd_) != FALSE;
    logic_.Reconcile(logic_.enabled && (!parent || IsWindowEnabled(parent)));
    const PressState state = logic_.press_state;
    const bool disabled = state == psDisabled;
    const bool focused = Focused();

    // 4. Font, working rectangle, face colour.
    HFONT font = font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectGuard select_font(dc, font);
    RECT r = client;
    const COLORREF face = FaceColour();
    int w = 0;

    // 5. Background.
    if (!themed) {
        if (Transparent() && parent) {
            RECT clip{};
            GetClipBox(target, &clip);
            RECT in_parent = clip;
            MapWindowPoints(wnd_, parent, reinterpret_cast<POINT*>(&in_parent), 2);
            RedrawWindow(parent, &in_parent, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
            WindowDc window_dc(wnd_);
            BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, window_dc.get(),
                   clip.left, clip.top, SRCCOPY);
        } else {
            FillSolid(dc, client, ResolveColor(FColor));
            HBITMAP picture = LooksDown() ? FDownBackground.get() : FBackground.get();
            if (picture) {
                BITMAP info{};
                GetObjectA(picture, sizeof(info), &info);
                UniqueMemDc src(CreateCompatibleDC(dc));
                SelectGuard select_src(src.get(), picture);
                StretchBlt(dc, 0, 0, width, height, src.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
            }
        }
        r = client;
    }

    // 6. Default or focus frame.
    if (!themed && ((FDefault && FDrawDefaultFrame) || (focused && FDrawFocusFrame))) {
        if (UseArrow()) {
            w = ArrowWidth();
            r.right -= w;
        }
        Outline(dc, r, MoneyFlat() ? MoneyFlatFrameColour()
                                   : GetSysColor(FOldStyled ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW));
        r = client;
        if (!UseArrow()) InflateRect(&r, -1, -1);
    }

    const bool border_allowed = !FBackground || FBackgroundDrawBorder;
    int themed_state = 1;
    // 7. Body.
    if (themed && FArrowThemeHandle && t.DrawThemeBackground) {
        t.DrawThemeBackground(ThemeHandle(), dc, 1, 0, &r, nullptr);
        themed_state = ThemedState();
        if (UseArrow()) {
            w = ArrowWidth();
            r.right -= w;
        }
        RECT clip{};
        GetClipBox(dc, &clip);
        t.DrawThemeBackground(ThemeHandle(), dc, 1, themed_state, &r, &clip);
        if (UseArrow()) {
            if (w == 0 && t.GetThemeSysSize) {
                w = t.GetThemeSysSize(FArrowThemeHandle, 2);
                r.right -= w;
            }
            const RECT arrow{r.right, r.top, r.right + w, r.bottom};
            int arrow_state = 1;
            if (disabled) {
                arrow_state = 4;
            } else if (state == psLatched || state == psArrowPressed) {
                arrow_state = 3;
            } else if (Hot()) {
                arrow_state = 2;
            }
            t.DrawThemeBackground(FArrowThemeHandle, dc, 1, arrow_state, &arrow, nullptr);
        }
    } else if (!Flat()) {
        if (UseArrow()) {
            w = ArrowWidth();
            r.right -= w;
        }
        if (border_allowed && FShowBorder) {
            if (MoneyFlat()) {
                Outline(dc, r, MoneyFlatFrameColour());
            } else if (FOldStyled || ((logic_.mouse_in_control || focused) && !LooksDown())) {
                DrawButtonFrame(dc, r, !FThinFrame, LooksDown(), face, FThinFrame);
            } else {
                DrawButtonFrame(dc, r, FOldStyled, LooksDown(), face, FThinFrame);
            }
        }
    } else {
        if (UseArrow()) {
            w = ArrowWidth();
            r.right -= w;
        }
        if (MoneyFlat()) {
            Outline(dc, r, MoneyFlatFrameColour());
        } else if ((LooksDown() || (Hot() && !disabled) || focused) && border_allowed && FShowBorder) {
            DrawButtonFrame(dc, r, false, LooksDown(), face, true);
        }
    }

    // 8. The arrow part of the classic looks.
    if (!themed && UseArrow()) {
        if (w == 0) {
            w = ArrowWidth();
            r.right -= w;
        }
        RECT a{r.right, 0, r.right + w, height};
        if (FDefault && FDrawDefaultFrame) InflateRect(&a, 0, -1);
        if (border_allowed && FShowBorder) {
            if (MoneyFlat()) {
                COLORREF c = ResolveColor(MoneyFlatInactiveColor());
                if (state == psPressed || state == psArrowPressed) {
                    c = ResolveColor(MoneyFlatDownColor());
                } else if (Hot() && !disabled) {
                    c = ResolveColor(MoneyFlatActiveColor());
                }
                Outline(dc, a, c);
            } else if (!Flat() || Hot() || state == psLatched || state == psArrowPressed) {
                DrawButtonFrame(dc, a, (logic_.arrow_hot || FOldStyled) && !FThinFrame && !Down(),
                                state == psPressed || state == psArrowPressed, face, FThinFrame);
            }
        }
        DrawArrow(dc, a, !disabled, ResolveColor(FFontColor));
    }

    // 9. Content offset: only a latched look (or pictures of their own) moves the content.
    POINT offset{0, 0};
    if (LooksDown() && (state == psLatched ||
                        (glyph_.UseImageList() && (!FDownImages || FDownImages == FImages)) || glyph_.UseIcon())) {
        offset = {1, 1};
    }
    // 10. The arrow width is passed to the layout separately.
    r.right += w;
    // 11. The down list while the button looks down.
    HIMAGELIST normal_list = glyph_.ImageList();
    const bool swap = LooksDown() && FDownImages;
    if (swap) glyph_.SetImageList(FDownImages);
    // 12. Glyph state.
    const PressState glyph_state =
        (FDisabledImages && glyph_.ImageList() == FDisabledImages && disabled) ? psUp : state;
    // 13. Space for the frame.
    if (FAdjustSpaceForGlyph) InflateRect(&r, FThinFrame ? -1 : -2, FThinFrame ? -1 : -2);

    // 14. The markup caption's defaults come from the button.
    if (FIsHTML && FHTMLRender) {
        TVtHTMLData& data = FHTMLRender->Data;
        LOGFONTA lf{};
        GetObjectA(font, sizeof(lf), &lf);
        data.DefaultColor = FFontColor;
        data.DefaultBgColor = clNone;
        data.DefaultStyle = static_cast<std::uint8_t>((lf.lfWeight >= FW_BOLD ? 1 : 0) | (lf.lfItalic ? 2 : 0) |
                                                      (lf.lfUnderline ? 4 : 0) | (lf.lfStrikeOut ? 8 : 0));
        data.DefaultHeight = lf.lfHeight;
        data.DefaultFont = lf.lfFaceName;
        data.Charset = lf.lfCharSet;
        data.LinkColor = FLinkColor;
        data.LinkStyle = static_cast<std::uint8_t>(FLinkStyle);
    }

    // 15. Picture and caption.
    CaptionStyle style;
    style.multi_line = FMultiLine;
    style.alignment = FAlignment;
    style.effect = TextDrawType();
    style.font_colour = ResolveColor(FFontColor);
    style.theme = ThemeHandle();
    style.part = 1;
    style.state = themed ? themed_state : 1;
    style.through_theme = themed;  // the buttons keep their parent's font
    style.markup = FIsHTML ? FHTMLRender.get() : nullptr;
    const std::string caption = Caption();
    POINT picture_at{};
    RECT text_rect = glyph_.ArrangeContent(dc, r, w, caption, FLayout, FMargin, FSpacing, FShowGlyph, FShowText,
                                           style, offset, picture_at);
    if (FShowGlyph) glyph_.DrawPicture(dc, picture_at, glyph_state);
    if (FShowText && !caption.empty()) glyph_.DrawCaption(dc, caption, text_rect, state, style);
    FTextRect = text_rect;
    // 16.
    if (swap) glyph_.SetImageList(normal_list);

    // 17. Focus rectangle.
    if (focused && FShowFocus) {
        RECT f = r;
        f.right -= w;
        InflateRect(&f, -2, -2);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWFRAME));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &f);
    }

    // 18. One transfer to the window.
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace tv
