#pragma once
// Caption measuring with GDI on a private memory DC, so no visible window is needed.
#include <windows.h>

#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "widgets/html/GdiFontCache.h"
#include "widgets/html/HTMLMetrics.h"

namespace tv {

class TVtGdiMetrics : public IVtHTMLMetrics {
public:
    TVtGdiMetrics();
    ~TVtGdiMetrics() override;
    TVtGdiMetrics(const TVtGdiMetrics&) = delete;
    TVtGdiMetrics& operator=(const TVtGdiMetrics&) = delete;

    int TextExtent(const TVtHTMLFont& font, std::string_view text) override;
    int FontHeight(const TVtHTMLFont& font) override;
    int Descent(const TVtHTMLFont& font) override;
    int MaxCharWidth(const TVtHTMLFont& font) override;
    int AveCharWidth(const TVtHTMLFont& font) override;
    // The DPI of the window the caption is painted for: relative font sizes are points at it.
    int PixelsPerInchY() override { return dpi_.Value(); }
    void SetDpi(Dpi dpi) { dpi_ = dpi; }

    TVtGdiFontCache& Fonts() { return fonts_; }
    HDC MeasuringDc() const { return dc_.get(); }

private:
    const TEXTMETRICA& MetricsOf(const TVtHTMLFont& font);

    UniqueMemDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_bitmap_ = nullptr;
    TVtGdiFontCache fonts_;
    Dpi dpi_;
};

}  // namespace tv
