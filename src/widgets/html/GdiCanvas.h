#pragma once
// Draws a caption's painting steps with GDI on a DC (the renderer's off-screen bitmap).
#include <windows.h>

#include "widgets/html/GdiFontCache.h"
#include "widgets/html/HTMLCanvas.h"

namespace tv {

class TVtGdiCanvas : public IVtHTMLCanvas {
public:
    TVtGdiCanvas(HDC dc, TVtGdiFontCache& fonts);
    ~TVtGdiCanvas() override;
    TVtGdiCanvas(const TVtGdiCanvas&) = delete;
    TVtGdiCanvas& operator=(const TVtGdiCanvas&) = delete;

    void DrawText(const TVtHTMLFont& font, TVtColor color, TVtColor bgColor, int x, int baselineY,
                  std::string_view text) override;
    void DrawBullet(TVtColor color, int left, int top, int right, int bottom) override;
    void DrawImage(const TVtHTMLImage& image, int x, int y, int width, int height) override;
    void DrawHLine(TVtColor color, int left, int right, int y) override;

private:
    HDC dc_;
    TVtGdiFontCache& fonts_;
    int saved_state_;
};

}  // namespace tv
