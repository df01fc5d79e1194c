// Which item, and which link, lies under a point.
#include "widgets/html/HTMLLayout.h"

namespace tv {

TVtHTMLItem* TVtHTMLLayout::ItemAtPoint(TVtPoint p, TVtPoint startPoint, const TVtRect& r) const {
    const int qx = p.X + startPoint.X;
    const int qy = p.Y + startPoint.Y;
    const TVtList<TVtHTMLItem>& items = Data.Items;
    int y = 0;
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        if (!items.Get(i)->IsBreak()) continue;
        const auto* line = static_cast<const TVtHTMLBreakItem*>(items.Get(i));
        if (y + line->Height <= qy) {
            y += line->Height;
            continue;
        }
        // Hit-testing measures the rectangle one pixel narrower than painting does.
        int x = LineStartX(*line, r.Right - r.Left);
        for (std::int32_t k = i + 1; k < items.Count() && !items.Get(k)->IsBreak(); ++k) {
            TVtHTMLItem* item = items.Get(k);
            const bool shifted = item->ItemType == ikText && (item->IsSub() || item->IsSup());
            int descent = 0;
            const int h = shifted ? item->GetHeight(descent, nullptr) : item->Height;
            const int lift = item->ItemType == ikText && item->IsSup() ? h / 2 : 0;
            const int bottom = y + line->Height - lift;
            if (x <= qx && qx <= x + item->Width && bottom - h <= qy && qy <= bottom) return item;
            x += item->Width;
        }
        return nullptr;
    }
    return nullptr;
}

bool TVtHTMLLayout::LinkAt(TVtPoint p, TVtPoint startPoint, const TVtRect& r, std::string& href) const {
    href.clear();
    const TVtHTMLItem* item = ItemAtPoint(p, startPoint, r);
    if (!item || !item->IsLink()) return false;
    href = item->HRef;
    return true;
}

}  // namespace tv
