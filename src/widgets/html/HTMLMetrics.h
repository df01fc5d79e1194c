#pragma once
// What layout needs to know about fonts; GDI answers it in the program, a fake in tests.
#include <string_view>

#include "widgets/html/HTMLTypes.h"

namespace tv {

class IVtHTMLMetrics {
public:
    virtual ~IVtHTMLMetrics() = default;
    // Width of the text drawn as one line without prefix processing.
    virtual int TextExtent(const TVtHTMLFont& font, std::string_view text) = 0;
    virtual int FontHeight(const TVtHTMLFont& font) = 0;  // cell height, always positive
    virtual int Descent(const TVtHTMLFont& font) = 0;
    virtual int MaxCharWidth(const TVtHTMLFont& font) = 0;
    virtual int AveCharWidth(const TVtHTMLFont& font) = 0;
    // The screen's vertical resolution, for relative font sizes.
    virtual int PixelsPerInchY() = 0;
};

}  // namespace tv
