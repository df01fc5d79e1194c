// The painting walk: turns the laid-out items into drawing steps on a canvas.
#include <algorithm>

#include "widgets/html/HTMLLayout.h"

namespace tv {

void TVtHTMLLayout::PaintItems(IVtHTMLCanvas& canvas, TVtPoint startPoint, const TVtRect& r) {
    const int rectWidth = r.Right - r.Left + 1;
    const int rectHeight = r.Bottom - r.Top + 1;
    const TVtHTMLBreakItem* line = nullptr;
    int x = 0;
    int y = 0;
    for (std::int32_t i = 0; i < Data.Items.Count(); ++i) {
        TVtHTMLItem* item = Data.Items.Get(i);
        if (item->IsBreak()) {
            if (line) y += line->Height;
            if (y > rectHeight + startPoint.Y) break;
            line = static_cast<const TVtHTMLBreakItem*>(item);
            x = LineStartX(*line, rectWidth);
            if (item->ItemType == ikBullet) {
                const int w = item->GetWidth();
                const int left = x - startPoint.X - w - 1;
                const int top = (line->Height - line->LineDescent - w) / 2 + y - startPoint.Y + line->LineDescent;
                canvas.DrawBullet(item->Color, left, top, x - startPoint.X - 1, top + w);
            }
            continue;
        }
        if (!line) continue;  // a well-formed caption starts with a break
        switch (item->ItemType) {
            case ikText: {
                const bool link = item->IsLink();
                const TVtHTMLFont font = item->MeasureFont(true);
                int baseline = y - startPoint.Y + line->Height - line->LineDescent;
                if (item->IsSup() || item->IsSub()) {
                    int descent = 0;
                    const int height = item->GetHeight(descent, nullptr);
                    if (item->IsSup()) baseline -= height / 2;
                    if (item->IsSub()) baseline += height / 4;
                }
                canvas.DrawText(font, link ? Data.LinkColor : item->Color, item->BgColor, x - startPoint.X, baseline,
                                item->Text);
                x += item->Width;
                break;
            }
            case ikImage: {
                TVtHTMLImage image;
                RequestImage(item->Text, image);
                if (image.Handle)
                    canvas.DrawImage(image, x - startPoint.X, y - startPoint.Y, item->Width, item->Height);
                x += item->Width;
                break;
            }
            case ikRule: {
                const int left = x - startPoint.X;
                const int right = item->Width == 0 ? std::max<int>(line->Width, rectWidth) : left + item->Width;
                const int top = line->Height / 2 + y - startPoint.Y;
                canvas.DrawHLine(clBtnShadow, left, right, top);
                canvas.DrawHLine(clBtnFace, left, right, top + 1);
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace tv
