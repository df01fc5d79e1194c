#pragma once
// Where a button's picture and caption go for the four layouts with Margin and Spacing.
// Measuring is the caller's job; this is the arithmetic alone. Margin and Spacing are given at
// 96 dpi and scale with the button's DPI; the measured sizes are pixels already.
#include "platform/Dpi.h"

namespace tv {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ContentRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ContentRect&, const ContentRect&) = default;
};

struct LayoutSize {
    int width = 0, height = 0;
    friend bool operator==(const LayoutSize&, const LayoutSize&) = default;
};

struct LayoutPoint {
    int x = 0, y = 0;
    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};

// The space the content may use: the rectangle less the arrow part.
LayoutSize AvailableContentSize(const ContentRect& rect, int arrow_width);

// Shrinks a picture that does not fit; true when it had to.
bool ShrinkPicture(LayoutSize available, LayoutSize& picture, Dpi dpi);

struct ContentPlacement {
    LayoutPoint picture;
    ContentRect caption;  // the measured caption rectangle moved into place
    bool scaled = false;
    LayoutSize picture_size;  // after shrinking
};

// picture: the picture's size before shrinking, (0, 0) for none; caption: the measured caption size;
// margin and spacing: -1 for "share what is left", else pixels at 96 dpi.
ContentPlacement PlaceContent(const ContentRect& rect, int arrow_width, LayoutSize picture, LayoutSize caption,
                              TButtonLayout layout, int margin, int spacing, LayoutPoint offset, Dpi dpi);

}  // namespace tv
