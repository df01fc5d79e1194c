#include "widgets/html/GdiMetrics.h"

#include <climits>

#include "platform/WindowDpi.h"

namespace tv {

// Until the owner says which window the caption is for, the system's DPI.
TVtGdiMetrics::TVtGdiMetrics() : dpi_(SystemDpi()) {
    WindowDc screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), 1, 1));
    if (dc_ && bitmap_) previous_bitmap_ = SelectObject(dc_.get(), bitmap_.get());
}

TVtGdiMetrics::~TVtGdiMetrics() {
    if (dc_ && previous_bitmap_) SelectObject(dc_.get(), previous_bitmap_);
}

const TEXTMETRICA& TVtGdiMetrics::MetricsOf(const TVtHTMLFont& font) { return fonts_.Get(font, dc_.get()).Metrics; }

int TVtGdiMetrics::TextExtent(const TVtHTMLFont& font, std::string_view text) {
    const auto& entry = fonts_.Get(font, dc_.get());
    SelectGuard select(dc_.get(), entry.Handle.get());
    SIZE size{};
    const int length = text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
    if (!GetTextExtentPoint32A(dc_.get(), text.data(), length, &size)) return 0;
    return size.cx;
}

int TVtGdiMetrics::FontHeight(const TVtHTMLFont& font) { return MetricsOf(font).tmHeight; }
int TVtGdiMetrics::Descent(const TVtHTMLFont& font) { return MetricsOf(font).tmDescent; }
int TVtGdiMetrics::MaxCharWidth(const TVtHTMLFont& font) { return MetricsOf(font).tmMaxCharWidth; }
int TVtGdiMetrics::AveCharWidth(const TVtHTMLFont& font) { return MetricsOf(font).tmAveCharWidth; }

}  // namespace tv
