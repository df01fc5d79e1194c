#include "widgets/button/ArrangeContent.h"

#include "platform/Rounding.h"

namespace tv {

LayoutSize AvailableContentSize(const ContentRect& rect, int arrow_width) {
    return {rect.Width() - arrow_width, rect.Height()};
}

namespace {

// Margin and Spacing of -1 share what is left; any other value is a measure at 96 dpi.
int ScaledUnlessShared(int value, Dpi dpi) { return value == -1 ? -1 : dpi.Scale(value); }

}  // namespace

bool ShrinkPicture(LayoutSize available, LayoutSize& picture, Dpi dpi) {
    // Two pixels (at 96 dpi) less than the space, the other side in proportion: the picture keeps
    // its shape.
    const int gap = dpi.Scale(2);
    bool scaled = false;
    if (available.height < picture.height) {
        const int height = available.height - gap;
        picture.width = MulDivRound(picture.width, height, picture.height);
        picture.height = height;
        scaled = true;
    }
    if (available.width < picture.width) {
        const int width = available.width - gap;
        picture.height = MulDivRound(picture.height, width, picture.width);
        picture.width = width;
        scaled = true;
    }
    return scaled;
}

ContentPlacement PlaceContent(const ContentRect& rect, int arrow_width, LayoutSize picture, LayoutSize caption,
                              TButtonLayout layout, int margin, int spacing, LayoutPoint offset, Dpi dpi) {
    ContentPlacement out;
    const LayoutSize avail = AvailableContentSize(rect, arrow_width);
    out.scaled = ShrinkPicture(avail, picture, dpi);
    margin = ScaledUnlessShared(margin, dpi);
    spacing = ScaledUnlessShared(spacing, dpi);
    out.picture_size = picture;

    LayoutPoint pic, cap;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        pic.y = (avail.height - picture.height) / 2;
        cap.y = (avail.height - caption.height) / 2;
    } else {
        pic.x = (avail.width - picture.width) / 2;
        cap.x = (avail.width - caption.width) / 2;
    }
    if (caption.width == 0 || picture.width == 0) spacing = 0;

    const int a = horizontal ? avail.width : avail.height;
    const int g = horizontal ? picture.width : picture.height;
    const int t = horizontal ? caption.width : caption.height;
    if (margin == -1) {
        if (spacing == -1) {
            margin = spacing = (a - (g + t)) / 3;
        } else {
            margin = (a - (g + spacing + t)) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((a - margin - g) - t) / 2;
    }

    int pic_along, cap_along;
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        pic_along = margin;
        cap_along = margin + g + spacing;
    } else {
        pic_along = a - margin - g;
        cap_along = pic_along - spacing - t;
    }
    if (horizontal) {
        pic.x = pic_along;
        cap.x = cap_along;
    } else {
        pic.y = pic_along;
        cap.y = cap_along;
    }
    out.picture = {pic.x + rect.left + offset.x, pic.y + rect.top + offset.y};
    const int cx = cap.x + rect.left + offset.x;
    const int cy = cap.y + rect.top + offset.y;
    out.caption = {cx, cy, cx + caption.width, cy + caption.height};
    return out;
}

}  // namespace tv
