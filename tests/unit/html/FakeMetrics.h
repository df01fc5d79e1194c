#pragma once
// Deterministic font metrics for layout tests: every figure follows from the font height.
#include <cstdlib>
#include <string_view>

#include "widgets/html/HTMLMetrics.h"

namespace tv::test {

class FakeMetrics : public IVtHTMLMetrics {
public:
    // Pixel size of a font: its height's absolute value, 11 for the default height 0.
    static int Size(const TVtHTMLFont& font) { return font.Height == 0 ? 11 : std::abs(font.Height % 1000); }
    static int CharWidth(const TVtHTMLFont& font) { return Size(font) / 2 + ((font.Style & fsBold) ? 1 : 0); }

    int TextExtent(const TVtHTMLFont& font, std::string_view text) override {
        ++extentCalls;
        return static_cast<int>(text.size()) * CharWidth(font);
    }
    int FontHeight(const TVtHTMLFont& font) override { return Size(font) + 2; }
    int Descent(const TVtHTMLFont& font) override { return (Size(font) + 2) / 4; }
    int MaxCharWidth(const TVtHTMLFont& font) override { return Size(font); }
    int AveCharWidth(const TVtHTMLFont& font) override { return Size(font) / 2; }
    int PixelsPerInchY() override { return pixelsPerInch; }

    int pixelsPerInch = 96;
    int extentCalls = 0;
};

}  // namespace tv::test
