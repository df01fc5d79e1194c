#pragma once
// The platform-free part of the caption renderer: it owns the parsed data, lays it out,
// walks it for painting and hit-tests it. TVtHTMLRender adds GDI measuring and painting.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "widgets/html/HTMLCanvas.h"
#include "widgets/html/HTMLData.h"
#include "widgets/html/HTMLMetrics.h"
#include "widgets/html/HTMLTypes.h"

namespace tv {

class TVtHTMLLayout;

using TVtHTMLImageNeededEvent = std::function<void(TVtHTMLLayout& sender, const std::string& src, TVtHTMLImage& image)>;

class TVtHTMLLayout {
public:
    explicit TVtHTMLLayout(IVtHTMLMetrics& metrics);
    virtual ~TVtHTMLLayout() = default;
    TVtHTMLLayout(const TVtHTMLLayout&) = delete;
    TVtHTMLLayout& operator=(const TVtHTMLLayout&) = delete;

    TVtHTMLImageNeededEvent OnImageNeeded;
    TVtHTMLData Data;

    IVtHTMLMetrics& Metrics() const { return metrics_; }
    int PixelsPerInchY() const { return metrics_.PixelsPerInchY(); }

    // Parses the caption into Data and lays it out; Data.TextSize then holds its size.
    void ParseText(std::string_view text);

    // The drawing steps of the caption in rectangle r, relative to r's top-left corner.
    void PaintItems(IVtHTMLCanvas& canvas, TVtPoint startPoint, const TVtRect& r);

    // p is relative to r's top-left corner.
    TVtHTMLItem* ItemAtPoint(TVtPoint p, TVtPoint startPoint, const TVtRect& r) const;
    bool LinkAt(TVtPoint p, TVtPoint startPoint, const TVtRect& r, std::string& href) const;

    // Asks the owner for a bitmap; the renderer never frees what it gets.
    virtual void RequestImage(const std::string& src, TVtHTMLImage& image);

private:
    IVtHTMLMetrics& metrics_;
};

// Measures the items into lines: sizes on every item, line sizes on the breaks, Data.TextSize.
void LayoutHTML(TVtHTMLData& data);

// Start of a line inside a rectangle width by its break's alignment. Positions are wide: an
// indent may be anything a 32-bit integer holds, and widths are added to it.
std::int64_t LineStartX(const TVtHTMLBreakItem& line, std::int64_t rectWidth);

// A position as the canvas takes it: clamped to what an int holds.
int ToCanvas(std::int64_t position);

}  // namespace tv
