// Which item, and which link, lies under a point.
#include <cstdint>

#include "widgets/html/HTMLLayout.h"

namespace tv {

// Positions are added up in 64 bits, as when painting: an indent may be as large as an int holds.
TVtHTMLItem* TVtHTMLLayout::ItemAtPoint(TVtPoint p, TVtPoint startPoint, const TVtRect& r) const {
    const std::int64_t qx = std::int64_t{p.X} + startPoint.X;
    const std::int64_t qy = std::int64_t{p.Y} + startPoint.Y;
    const TVtList<TVtHTMLItem>& items = Data.Items;
    std::int64_t y = 0;
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        if (!items.Get(i)->IsBreak()) continue;
        const auto* line = static_cast<const TVtHTMLBreakItem*>(items.Get(i));
        if (y + line->Height <= qy) {
            y += line->Height;
            continue;
        }
        // Hit-testing measures the rectangle one pixel narrower than painting does.
        std::int64_t x = LineStartX(*line, std::int64_t{r.Right} - r.Left);
        for (std::int32_t k = i + 1; k < items.Count() && !items.Get(k)->IsBreak(); ++k) {
            TVtHTMLItem* item = items.Get(k);
            const bool shifted = item->ItemType == ikText && (item->IsSub() || item->IsSup());
            int descent = 0;
            const std::int64_t h = shifted ? item->GetHeight(descent, nullptr) : item->Height;
            const std::int64_t lift = item->ItemType == ikText && item->IsSup() ? h / 2 : 0;
            const std::int64_t bottom = y + line->Height - lift;
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
    href = item->HRef.str();
    return true;
}

}  // namespace tv
