#include "widgets/html/HTMLRender.h"

#include "widgets/html/GdiCanvas.h"

namespace tv {

TVtRect ToVtRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TVtHTMLRender::TVtHTMLRender() : TVtHTMLLayout(Measurer) {}

TVtHTMLRender::~TVtHTMLRender() = default;

void TVtHTMLRender::Paint(HDC canvas, POINT startPoint, const RECT& r) {
    const int width = r.right - r.left + 1;
    const int height = r.bottom - r.top + 1;
    if (!canvas || width <= 0 || height <= 0) return;
    // One off-screen bitmap, reused while the rectangle keeps its size.
    if (!offscreen_ || offscreen_size_.cx != width || offscreen_size_.cy != height) {
        offscreen_.reset(CreateCompatibleBitmap(canvas, width, height));
        offscreen_size_ = offscreen_ ? SIZE{width, height} : SIZE{0, 0};
        if (!offscreen_) return;
    }
    UniqueMemDc buffer(CreateCompatibleDC(canvas));
    if (!buffer) return;
    SelectGuard select(buffer.get(), offscreen_.get());
    // Unpainted parts keep the background of the canvas.
    BitBlt(buffer.get(), 0, 0, width, height, canvas, r.left, r.top, SRCCOPY);
    {
        TVtGdiCanvas gdi(buffer.get(), Measurer.Fonts());
        PaintItems(gdi, {startPoint.x, startPoint.y}, ToVtRect(r));
    }
    BitBlt(canvas, r.left, r.top, width, height, buffer.get(), 0, 0, SRCCOPY);
}

TVtHTMLItem* TVtHTMLRender::ItemAtPoint(POINT p, POINT startPoint, const RECT& r) const {
    return TVtHTMLLayout::ItemAtPoint({p.x, p.y}, {startPoint.x, startPoint.y}, ToVtRect(r));
}

bool TVtHTMLRender::LinkAt(POINT p, POINT startPoint, const RECT& r, std::string& href) const {
    return TVtHTMLLayout::LinkAt({p.x, p.y}, {startPoint.x, startPoint.y}, ToVtRect(r), href);
}

void TVtHTMLRender::RequestImage(const std::string& src, TVtHTMLImage& image) {
    TVtHTMLLayout::RequestImage(src, image);
    BITMAP info{};
    if (image.Handle && image.Width == 0 && image.Height == 0 &&
        GetObjectA(static_cast<HBITMAP>(image.Handle), sizeof info, &info)) {
        image.Width = info.bmWidth;
        image.Height = info.bmHeight;
    }
}

}  // namespace tv
