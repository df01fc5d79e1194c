#include "widgets/html/GdiCanvas.h"

#include <climits>

#include "platform/Handles.h"

namespace tv {

TVtGdiCanvas::TVtGdiCanvas(HDC dc, TVtGdiFontCache& fonts) : dc_(dc), fonts_(fonts), saved_state_(SaveDC(dc)) {
    SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
}

TVtGdiCanvas::~TVtGdiCanvas() {
    if (saved_state_) RestoreDC(dc_, saved_state_);
}

void TVtGdiCanvas::DrawText(const TVtHTMLFont& font, TVtColor color, TVtColor bgColor, int x, int baselineY,
                            std::string_view text) {
    const auto& entry = fonts_.Get(font, dc_);
    SelectGuard select(dc_, entry.Handle.get());
    SetTextColor(dc_, ResolveColor(color));
    if (bgColor == clNone) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ResolveColor(bgColor));
    }
    const int length = text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
    TextOutA(dc_, x, baselineY, text.data(), length);
}

void TVtGdiCanvas::DrawBullet(TVtColor color, int left, int top, int right, int bottom) {
    UniqueBrush brush(CreateSolidBrush(ResolveColor(color)));
    SelectGuard select(dc_, brush.get());
    Ellipse(dc_, left, top, right, bottom);
}

void TVtGdiCanvas::DrawImage(const TVtHTMLImage& image, int x, int y, int width, int height) {
    auto* bitmap = static_cast<HBITMAP>(image.Handle);
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || width <= 0 || height <= 0) return;
    UniqueMemDc source(CreateCompatibleDC(dc_));
    if (!source) return;
    SelectGuard select(source.get(), bitmap);
    // Only the part the bitmap has is copied; the bottom-left pixel gives the transparent colour.
    const int w = width < info.bmWidth ? width : info.bmWidth;
    const int h = height < info.bmHeight ? height : info.bmHeight;
    const COLORREF transparent = GetPixel(source.get(), 0, info.bmHeight - 1);
    TransparentBlt(dc_, x, y, w, h, source.get(), 0, 0, w, h, transparent);
}

void TVtGdiCanvas::DrawHLine(TVtColor color, int left, int right, int y) {
    UniquePen pen(CreatePen(PS_SOLID, 1, ResolveColor(color)));
    SelectGuard select(dc_, pen.get());
    MoveToEx(dc_, left, y, nullptr);
    LineTo(dc_, right, y);
}

}  // namespace tv
