#pragma once
// The caption renderer a control holds when its caption is markup:
//
//   TVtHTMLRender render;
//   render.Data.DefaultFont = ...;            // defaults first (font, colours, link style)
//   render.ParseText(caption);                // render.Data.TextSize: caption size
//   render.Paint(dc, {0, 0}, textRect);       // double-buffered
//   render.LinkAt(mouse - textRect.topLeft, {0, 0}, textRect, href);
//
// Rectangles are inclusive as in the layout rules: painting covers Right - Left + 1 columns.
#include <windows.h>

#include <string>

#include "platform/Handles.h"
#include "widgets/html/GdiMetrics.h"
#include "widgets/html/HTMLLayout.h"

namespace tv {

namespace detail {
// Holds the measuring surface so that it exists before the layout base that uses it.
struct TVtHTMLMeasuringSurface {
    TVtGdiMetrics Measurer;
};
}  // namespace detail

class TVtHTMLRender : private detail::TVtHTMLMeasuringSurface, public TVtHTMLLayout {
public:
    TVtHTMLRender();
    ~TVtHTMLRender() override;

    void Paint(HDC canvas, POINT startPoint, const RECT& r);
    TVtHTMLItem* ItemAtPoint(POINT p, POINT startPoint, const RECT& r) const;
    bool LinkAt(POINT p, POINT startPoint, const RECT& r, std::string& href) const;
    using TVtHTMLLayout::ItemAtPoint;
    using TVtHTMLLayout::LinkAt;

    // The DPI of the window the caption is painted for (DpiOfWindow of the owner's window), which
    // relative font sizes follow; the system's DPI until told.
    void SetDpi(Dpi dpi) { Measurer.SetDpi(dpi); }

    // Fills in the bitmap's size when the handler gives a bitmap without one.
    void RequestImage(const std::string& src, TVtHTMLImage& image) override;

private:
    UniqueBitmap offscreen_;
    SIZE offscreen_size_{0, 0};
};

TVtRect ToVtRect(const RECT& r);

}  // namespace tv
