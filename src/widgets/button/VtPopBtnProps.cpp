// The popup button's properties: the steps that end a window's setting of them, and the setters.
#include <algorithm>

#include "widgets/button/FormButtons.h"
#include "widgets/button/VtPopBtn.h"
#include "widgets/html/LinkCursor.h"

namespace tv {

void TCustomVtPopupButton::Loaded() {
    glyph_.SetUseImageList(images_ != nullptr && glyph_.UseImageList());
    glyph_.Invalidate();
    Apply(logic_.ReapplyDown());  // so that the group is told
    Invalidate();
}

bool TCustomVtPopupButton::MultiLineCaption(const std::string& caption, bool is_html) {
    return !is_html && caption.find("\r\n") != std::string::npos;
}

bool TCustomVtPopupButton::MultiLine() const { return MultiLineCaption(Caption(), is_html_); }

// Setters.

void TCustomVtPopupButton::SetAlignment(TAlignment value) { SetAndInvalidate(alignment_, value); }

void TCustomVtPopupButton::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    if (wnd_) {
        TellDialogDefault(value);
        // Every button of the form looks at the focus again.
        HWND form = FormOf(wnd_);
        HWND focus = GetFocus();
        FormFocusChanged(form, focus && (focus == form || IsChild(form, focus)) ? focus : nullptr);
    }
    if (draw_default_frame_) Invalidate();
}

void TCustomVtPopupButton::SetDrawDefaultFrame(bool value) {
    if (value == draw_default_frame_) return;
    draw_default_frame_ = value;
    if (default_) Invalidate();
}

void TCustomVtPopupButton::SetDrawFocusFrame(bool value) {
    if (value == draw_focus_frame_) return;
    draw_focus_frame_ = value;
    if (Focused()) Invalidate();
}

void TCustomVtPopupButton::SetPullDownMenu(HMENU menu) {
    pull_down_menu_ = menu;
    disable_auto_popup_ = menu == nullptr;
}

void TCustomVtPopupButton::SetAllowAllUp(bool value) {
    if (value == logic_.AllowAllUp()) return;
    logic_.SetAllowAllUp(value);
    AnnounceGroup();
}

void TCustomVtPopupButton::SetGroupIndex(int value) {
    if (value == logic_.GroupIndex()) return;
    logic_.SetGroupIndex(value);
    AnnounceGroup();
}

void TCustomVtPopupButton::SetDown(bool value) { Apply(logic_.SetDown(value)); }

void TCustomVtPopupButton::SetFlat(bool value) {
    if (value == logic_.Flat()) return;
    logic_.SetFlat(value);
    if (value) old_styled_ = false;
    Invalidate();
}

void TCustomVtPopupButton::SetGlyph(HBITMAP bitmap) {
    glyph_.SetGlyph(bitmap);
    Invalidate();
}

void TCustomVtPopupButton::SetUseIcon(bool value) {
    if (value == glyph_.UseIcon()) return;
    glyph_.SetUseIcon(value);
    if (!glyph_.UseImageList()) Invalidate();
}

void TCustomVtPopupButton::SetImageIndex(int value) {
    if (value == glyph_.ImageIndex()) return;
    glyph_.SetImageIndex(value);
    if (glyph_.UseImageList()) Invalidate();
}

void TCustomVtPopupButton::SetUseImageList(bool value) {
    if (value == glyph_.UseImageList()) return;
    glyph_.SetUseImageList(value);
    Invalidate();
}

void TCustomVtPopupButton::SetImages(HIMAGELIST list) {
    if (list == images_) return;
    const bool first = images_ == nullptr;
    images_ = list;
    if (!list) {
        glyph_.SetUseImageList(false);
    } else if (first) {
        glyph_.SetUseImageList(true);
    }
    Invalidate();
}

// Painting chooses among the lists by the state; a new list shows at once where the state shows it.
void TCustomVtPopupButton::SetHotImages(HIMAGELIST list) {
    if (list == hot_images_) return;
    hot_images_ = list;
    if (Hot()) Invalidate();
}

void TCustomVtPopupButton::SetDownImages(HIMAGELIST list) {
    if (list == down_images_) return;
    down_images_ = list;
    if (LooksDown()) Invalidate();
}

void TCustomVtPopupButton::SetDisabledImages(HIMAGELIST list) {
    if (list == disabled_images_) return;
    disabled_images_ = list;
    if (!Enabled()) Invalidate();
}

void TCustomVtPopupButton::SetLayout(TButtonLayout value) { SetAndInvalidate(layout_, value); }

void TCustomVtPopupButton::SetMargin(int value) {
    if (value < -1) return;
    SetAndInvalidate(margin_, value);
}

void TCustomVtPopupButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == glyph_.NumGlyphs()) return;
    glyph_.SetNumGlyphs(value);
    Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnHighlight(TColor value) {
    if (value == shadow_btn_highlight_) return;
    shadow_btn_highlight_ = value;
    if (shadows_use_custom_) Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnShadow(TColor value) {
    if (value == shadow_btn_shadow_) return;
    shadow_btn_shadow_ = value;
    if (shadows_use_custom_) Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnDkShadow(TColor value) {
    if (value == shadow_btn_dk_shadow_) return;
    shadow_btn_dk_shadow_ = value;
    if (shadows_use_custom_) Invalidate();
}

void TCustomVtPopupButton::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    if (!shadows_use_custom_) {
        const auto shades = IsSystemColor(value) ? std::nullopt : DeriveShadowColors(value);
        shadow_btn_highlight_ = shades ? shades->highlight : clBtnHighlight;
        shadow_btn_dk_shadow_ = shades ? shades->dark_shadow : cl3DDkShadow;
        shadow_btn_shadow_ = shades ? shades->shadow : clBtnShadow;
    }
    Invalidate();
}

void TCustomVtPopupButton::SetUseArrow(bool value) {
    if (value == logic_.UseArrow()) return;
    logic_.SetUseArrow(value);
    UpdateArrowWidth();
    Invalidate();
}

void TCustomVtPopupButton::SetThinFrame(bool value) {
    if (value == thin_frame_) return;
    thin_frame_ = value;
    if (value) old_styled_ = false;
    const PressState state = logic_.State();
    if (old_styled_ || ((Hot() || Focused()) && state != psPressed && state != psLatched)) {
        Invalidate();
    }
}

void TCustomVtPopupButton::SetOldStyled(bool value) {
    if (value == old_styled_ || (value && Flat())) return;
    old_styled_ = value;
    if (wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TCustomVtPopupButton::SetIsHTML(bool value) {
    if (value == is_html_) return;
    is_html_ = value;
    if (value) {
        html_render_ = std::make_unique<TVtHTMLRender>();
        html_render_->SetDpi(dpi_);  // relative font sizes are points at the button's DPI
        html_render_->OnImageNeeded = [this](TVtHTMLLayout&, const std::string& src, TVtHTMLImage& image) {
            image = TVtHTMLImage{};
            if (OnImageNeeded) OnImageNeeded(*this, src, image);
        };
    } else {
        html_render_.reset();
    }
    Invalidate();
}

void TCustomVtPopupButton::SetLinkColor(TColor value) {
    if (value == link_color_) return;
    link_color_ = value;
    // The renderer takes the link look when it is made.
    if (is_html_) {
        SetIsHTML(false);
        SetIsHTML(true);
    }
}

void TCustomVtPopupButton::SetLinkStyle(int value) {
    if (value == link_style_) return;
    link_style_ = value;
    if (is_html_) {
        SetIsHTML(false);
        SetIsHTML(true);
    }
}

void TCustomVtPopupButton::SetBackground(HBITMAP bitmap) {
    background_.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

void TCustomVtPopupButton::SetDownBackground(HBITMAP bitmap) {
    down_background_.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

void TCustomVtPopupButton::SetCursor(HCURSOR cursor) {
    cursor_ = cursor;
    if (!wnd_) return;
    POINT p{};
    GetCursorPos(&p);
    // Shown at once when the pointer is over the button; over a link the link cursor stays.
    if (WindowFromPoint(p) != wnd_) return;
    if (PointerOverLink()) {
        ::SetCursor(GetVtCursor(crVtLink));
    } else {
        ::SetCursor(cursor ? cursor : LoadCursorA(nullptr, IDC_ARROW));
    }
}

void TCustomVtPopupButton::SetBackgroundDrawBorder(bool value) {
    if (value == background_draw_border_) return;
    background_draw_border_ = value;
    if (background_) Invalidate();
}

}  // namespace tv
