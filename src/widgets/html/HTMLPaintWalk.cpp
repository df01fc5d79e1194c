// The painting walk: turns the laid-out items into drawing steps on a canvas.
#include <algorithm>
#include <cstdint>

#include "widgets/html/HTMLLayout.h"

namespace tv {

// Positions are added up in 64 bits: an indent or a scroll position may be anything an int holds,
// and widths and line heights are added to them. Only what reaches the canvas is clamped.
void TVtHTMLLayout::PaintItems(IVtHTMLCanvas& canvas, TVtPoint startPoint, const TVtRect& r) {
    const std::int64_t rectWidth = std::int64_t{r.Right} - r.Left + 1;
    const std::int64_t rectHeight = std::int64_t{r.Bottom} - r.Top + 1;
    const std::int64_t startX = startPoint.X;
    const std::int64_t startY = startPoint.Y;
    const TVtHTMLBreakItem* line = nullptr;
    std::int64_t x = 0;
    std::int64_t y = 0;
    for (std::int32_t i = 0; i < Data.Items.Count(); ++i) {
        TVtHTMLItem* item = Data.Items.Get(i);
        if (item->IsBreak()) {
            if (line) y += line->Height;
            if (y > rectHeight + startY) break;
            line = static_cast<const TVtHTMLBreakItem*>(item);
            x = LineStartX(*line, rectWidth);
            if (item->ItemType == ikBullet) {
                const std::int64_t w = item->GetWidth();
                const std::int64_t left = x - startX - w - 1;
                const std::int64_t top =
                    (std::int64_t{line->Height} - line->LineDescent - w) / 2 + y - startY + line->LineDescent;
                canvas.DrawBullet(item->Color, ToCanvas(left), ToCanvas(top), ToCanvas(x - startX - 1),
                                  ToCanvas(top + w));
            }
            continue;
        }
        if (!line) continue;  // a well-formed caption starts with a break
        switch (item->ItemType) {
            case ikText: {
                const bool link = item->IsLink();
                const TVtHTMLFont font = item->MeasureFont(true);
                std::int64_t baseline = y - startY + line->Height - line->LineDescent;
                if (item->IsSup() || item->IsSub()) {
                    int descent = 0;
                    const int height = item->GetHeight(descent, nullptr);
                    if (item->IsSup()) baseline -= height / 2;
                    if (item->IsSub()) baseline += height / 4;
                }
                canvas.DrawText(font, link ? Data.LinkColor : item->Color, item->BgColor, ToCanvas(x - startX),
                                ToCanvas(baseline), item->Text);
                x += item->Width;
                break;
            }
            case ikImage: {
                TVtHTMLImage image;
                RequestImage(item->Text, image);
                if (image.Handle)
                    canvas.DrawImage(image, ToCanvas(x - startX), ToCanvas(y - startY), item->Width, item->Height);
                x += item->Width;
                break;
            }
            case ikRule: {
                const std::int64_t left = x - startX;
                const std::int64_t right =
                    item->Width == 0 ? std::max<std::int64_t>(line->Width, rectWidth) : left + item->Width;
                const std::int64_t top = line->Height / 2 + y - startY;
                canvas.DrawHLine(clBtnShadow, ToCanvas(left), ToCanvas(right), ToCanvas(top));
                canvas.DrawHLine(clBtnFace, ToCanvas(left), ToCanvas(right), ToCanvas(top + 1));
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace tv
