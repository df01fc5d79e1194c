// The popup button's properties: the steps that end a form's loading, and the setters.
#include <algorithm>

#include "widgets/button/FormButtons.h"
#include "widgets/button/VtPopBtn.h"
#include "widgets/html/LinkCursor.h"

namespace tv {

void TCustomVtPopupButton::Loaded() {
    glyph_.SetUseImageList(FImages != nullptr && glyph_.UseImageList());
    glyph_.Invalidate();
    Apply(logic_.ReapplyDown());  // so that the group is told
    Invalidate();
}

bool TCustomVtPopupButton::MultiLineCaption(const std::string& caption, bool is_html) {
    return !is_html && caption.find("\r\n") != std::string::npos;
}

bool TCustomVtPopupButton::MultiLine() const { return MultiLineCaption(Caption(), FIsHTML); }

// Setters.

void TCustomVtPopupButton::SetAlignment(TAlignment value) { SetAndInvalidate(FAlignment, value); }

void TCustomVtPopupButton::SetDefault(bool value) {
    if (value == FDefault) return;
    FDefault = value;
    if (wnd_) {
        TellDialogDefault(value);
        // Every button of the form looks at the focus again.
        HWND form = FormOf(wnd_);
        HWND focus = GetFocus();
        FormFocusChanged(form, focus && (focus == form || IsChild(form, focus)) ? focus : nullptr);
    }
    if (FDrawDefaultFrame) Invalidate();
}

void TCustomVtPopupButton::SetDrawDefaultFrame(bool value) {
    if (value == FDrawDefaultFrame) return;
    FDrawDefaultFrame = value;
    if (FDefault) Invalidate();
}

void TCustomVtPopupButton::SetDrawFocusFrame(bool value) {
    if (value == FDrawFocusFrame) return;
    FDrawFocusFrame = value;
    if (Focused()) Invalidate();
}

void TCustomVtPopupButton::SetPullDownMenu(HMENU menu) {
    FPullDownMenu = menu;
    FDisableAutoPopup = menu == nullptr;
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
    if (value) FOldStyled = false;
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
    if (list == FImages) return;
    const bool first = FImages == nullptr;
    FImages = list;
    if (!list) {
        glyph_.SetUseImageList(false);
    } else if (first) {
        glyph_.SetUseImageList(true);
    }
    Invalidate();
}

// Painting chooses among the lists by the state; a new list shows at once where the state shows it.
void TCustomVtPopupButton::SetHotImages(HIMAGELIST list) {
    if (list == FHotImages) return;
    FHotImages = list;
    if (Hot()) Invalidate();
}

void TCustomVtPopupButton::SetDownImages(HIMAGELIST list) {
    if (list == FDownImages) return;
    FDownImages = list;
    if (LooksDown()) Invalidate();
}

void TCustomVtPopupButton::SetDisabledImages(HIMAGELIST list) {
    if (list == FDisabledImages) return;
    FDisabledImages = list;
    if (!Enabled()) Invalidate();
}

void TCustomVtPopupButton::SetLayout(TButtonLayout value) { SetAndInvalidate(FLayout, value); }

void TCustomVtPopupButton::SetMargin(int value) {
    if (value < -1) return;
    SetAndInvalidate(FMargin, value);
}

void TCustomVtPopupButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == glyph_.NumGlyphs()) return;
    glyph_.SetNumGlyphs(value);
    Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnHighlight(TColor value) {
    if (value == FShadowBtnHighlight) return;
    FShadowBtnHighlight = value;
    if (FShadowsUseCustom) Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnShadow(TColor value) {
    if (value == FShadowBtnShadow) return;
    FShadowBtnShadow = value;
    if (FShadowsUseCustom) Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnDkShadow(TColor value) {
    if (value == FShadowBtnDkShadow) return;
    FShadowBtnDkShadow = value;
    if (FShadowsUseCustom) Invalidate();
}

void TCustomVtPopupButton::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    if (!FShadowsUseCustom) {
        const auto shades = IsSystemColor(value) ? std::nullopt : DeriveShadowColors(value);
        FShadowBtnHighlight = shades ? shades->highlight : clBtnHighlight;
        FShadowBtnDkShadow = shades ? shades->dark_shadow : cl3DDkShadow;
        FShadowBtnShadow = shades ? shades->shadow : clBtnShadow;
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
    if (value == FThinFrame) return;
    FThinFrame = value;
    if (value) FOldStyled = false;
    const PressState state = logic_.State();
    if (FOldStyled || ((Hot() || Focused()) && state != psPressed && state != psLatched)) {
        Invalidate();
    }
}

void TCustomVtPopupButton::SetOldStyled(bool value) {
    if (value == FOldStyled || (value && Flat())) return;
    FOldStyled = value;
    if (wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TCustomVtPopupButton::SetIsHTML(bool value) {
    if (value == FIsHTML) return;
    FIsHTML = value;
    if (value) {
        FHTMLRender = std::make_unique<TVtHTMLRender>();
        FHTMLRender->SetDpi(dpi_);  // relative font sizes are points at the button's DPI
        FHTMLRender->OnImageNeeded = [this](TVtHTMLLayout&, const std::string& src, TVtHTMLImage& image) {
            image = TVtHTMLImage{};
            if (OnImageNeeded) OnImageNeeded(*this, src, image);
        };
    } else {
        FHTMLRender.reset();
    }
    Invalidate();
}

void TCustomVtPopupButton::SetLinkColor(TColor value) {
    if (value == FLinkColor) return;
    FLinkColor = value;
    // The renderer takes the link look when it is made.
    if (FIsHTML) {
        SetIsHTML(false);
        SetIsHTML(true);
    }
}

void TCustomVtPopupButton::SetLinkStyle(int value) {
    if (value == FLinkStyle) return;
    FLinkStyle = value;
    if (FIsHTML) {
        SetIsHTML(false);
        SetIsHTML(true);
    }
}

void TCustomVtPopupButton::SetBackground(HBITMAP bitmap) {
    FBackground.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

void TCustomVtPopupButton::SetDownBackground(HBITMAP bitmap) {
    FDownBackground.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

void TCustomVtPopupButton::SetCursor(HCURSOR cursor) {
    FCursor = cursor;
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
    if (value == FBackgroundDrawBorder) return;
    FBackgroundDrawBorder = value;
    if (FBackground) Invalidate();
}

}  // namespace tv
