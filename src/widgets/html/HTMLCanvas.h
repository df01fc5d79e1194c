#pragma once
// The drawing steps of a caption; GDI draws them in the program, tests record them.
#include <string_view>

#include "widgets/html/HTMLTypes.h"

namespace tv {

class IVtHTMLCanvas {
public:
    virtual ~IVtHTMLCanvas() = default;
    // Text whose baseline starts at (x, baselineY); bgColor clNone draws no background.
    virtual void DrawText(const TVtHTMLFont& font, TVtColor color, TVtColor bgColor, int x, int baselineY,
                          std::string_view text) = 0;
    // A filled ellipse in the box, outlined with the current pen.
    virtual void DrawBullet(TVtColor color, int left, int top, int right, int bottom) = 0;
    // The part (0, 0, width, height) of the bitmap at (x, y); its bottom-left pixel's colour is transparent.
    virtual void DrawImage(const TVtHTMLImage& image, int x, int y, int width, int height) = 0;
    // A one-pixel horizontal line from left up to, not including, right.
    virtual void DrawHLine(TVtColor color, int left, int right, int y) = 0;
};

}  // namespace tv
