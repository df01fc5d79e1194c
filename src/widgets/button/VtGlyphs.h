#pragma once
// The glyph object of a popup button: its picture (image-list entry, icon or glyph bitmap of one to
// four state cells), the per-state images built from a glyph bitmap and kept in shared image lists,
// and the placing and drawing of picture and caption.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <array>
#include <functional>
#include <string>

#include "platform/Color.h"
#include "platform/CommonControls.h"
#include "platform/Handles.h"
#include "widgets/button/ArrangeContent.h"
#include "widgets/button/ButtonMetrics.h"
#include "widgets/button/GlyphCache.h"
#include "widgets/button/PressLogic.h"
#include "widgets/button/VtBtnCtl.h"
#include "widgets/html/GdiFontCache.h"
#include "widgets/html/HTMLRender.h"

namespace tv {

using UniqueImageList = UniqueResource<NullIsEmpty<HIMAGELIST, comctl::ImageListDestroy>>;

// ResolveColor (system colour or RGB to COLORREF) is shared with the caption renderer.

// An image list of one cell size whose slots are reused after their images were deleted.
class TVtGlyphList {
public:
    TVtGlyphList(int width, int height) : width_(width), height_(height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return slots_.Count(); }
    HIMAGELIST Handle() const { return list_.get(); }
    // Adds the bitmap with the mask colour as transparent; -1 on failure.
    int AddMasked(HBITMAP bitmap, COLORREF mask);
    void Delete(int index) { slots_.Release(index); }

private:
    int width_, height_;
    UniqueImageList list_;
    GlyphSlots slots_;
};

// The process-wide cache: created by the first glyph that needs it, freed with the last list.
TVtGlyphCache<TVtGlyphList>* GlyphCache(bool create);
void FreeGlyphCacheIfEmpty();

// Turns the picture selected into the device context into its embossed disabled form
// (dark-shadow ground, highlight and shadow relief).
void MakeEmbossed(HDC picture_dc, int width, int height);

// Draws a caption with its access key underlined in the given colour and format.
void DrawCaptionText(HDC dc, const std::string& caption, RECT rect, UINT format, COLORREF colour);

struct CaptionStyle {
    bool multi_line = false;
    int alignment = 2;  // taLeftJustify 0, taRightJustify 1, taCenter 2
    TVtTextDrawType effect = tdtNormal;
    COLORREF font_colour = 0;
    HTHEME theme = nullptr;
    int part = 1;
    int state = 1;
    bool through_theme = false;
    TVtHTMLRender* markup = nullptr;  // set for a markup caption
    // The button's DPI and its measures there: margin, spacing and the text effects scale.
    Dpi dpi;
    ButtonMetrics metrics;
};

class TVtButtonGlyph {
public:
    TVtButtonGlyph();
    ~TVtButtonGlyph();
    TVtButtonGlyph(const TVtButtonGlyph&) = delete;
    TVtButtonGlyph& operator=(const TVtButtonGlyph&) = delete;

    std::function<void()> OnChange;

    // The list drawn from: the button chooses it from its state for each paint (normal, hot, down
    // or disabled pictures); a choice, not a change of the glyph, so nothing is announced.
    void ShowImageList(HIMAGELIST list) { image_list_ = list; }
    void SetAlphaImageList(HIMAGELIST list);
    HIMAGELIST ImageList() const { return image_list_; }
    HIMAGELIST AlphaImageList() const { return alpha_list_; }
    void SetImageIndex(int index);
    int ImageIndex() const { return image_index_; }
    void SetUseImageList(bool value);
    bool UseImageList() const { return use_image_list_; }
    // Takes a copy of the bitmap (none to clear) and derives its cell count and transparent colour.
    void SetGlyph(HBITMAP bitmap);
    HBITMAP Glyph() const { return glyph_.get(); }
    void SetIcon(HICON icon);
    void SetUseIcon(bool value);
    bool UseIcon() const { return use_icon_; }
    int NumGlyphs() const { return num_glyphs_; }
    void SetNumGlyphs(int value);
    TColor TransparentColor() const { return transparent_color_; }
    // Drops every built state image (system colours changed, enabled changed).
    void Invalidate() { DropCachedImages(); }

    bool Scaled() const { return scaled_; }
    LayoutSize PictureSize() const;

    // Places picture and caption; returns the caption rectangle and sets the picture position.
    RECT ArrangeContent(HDC dc, const RECT& rect, int arrow_width, const std::string& caption, TButtonLayout layout,
                        int margin, int spacing, bool show_glyph, bool show_text, const CaptionStyle& style,
                        POINT offset, POINT& picture_position);
    void DrawPicture(HDC dc, POINT position, PressState state);
    void DrawCaption(HDC dc, const std::string& caption, RECT& rect, PressState state, const CaptionStyle& style);

    // The image-list index of a state image of the glyph bitmap, built on first use; -1 for none.
    int StateImage(PressState state);
    int CachedIndex(PressState state) const { return indices_[state]; }
    TVtGlyphList* BorrowedList() const { return list_; }

private:
    void Changed();
    void DropCachedImages();

    HIMAGELIST image_list_ = nullptr;
    HIMAGELIST alpha_list_ = nullptr;
    int image_index_ = -1;
    bool use_image_list_ = false;
    UniqueIcon icon_;
    bool use_icon_ = false;
    UniqueBitmap glyph_;
    TVtGlyphList* list_ = nullptr;
    std::array<int, 5> indices_{-1, -1, -1, -1, -1};
    TColor transparent_color_ = clOlive;
    int num_glyphs_ = 1;
    bool scaled_ = false;
    LayoutSize scaled_size_;
    // The last caption measured: painting the same caption again needs no new measurement.
    struct Measured {
        std::string caption;
        HFONT font = nullptr;
        int width = -1;
        UINT flags = 0;
        HTHEME theme = nullptr;
        int state = 0;
        LayoutSize size;
    } measured_;
};

}  // namespace tv
