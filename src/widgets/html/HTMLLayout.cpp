#include "widgets/html/HTMLLayout.h"

#include <algorithm>
#include <cstdint>

#include "widgets/html/HTMLParser.h"

namespace tv {

namespace {

std::uint16_t ClampToWord(std::int64_t value) {
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(value, 0, 0xFFFF));
}

struct LineTotals {
    std::int64_t Width = 0;
    int Height = 0;
    int Descent = 0;
};

// The size of the whole text: the widest line and the lines' heights added up.
struct TextTotals {
    int Width = 0;
    std::int64_t Height = 0;
};

void FinishLine(TVtHTMLBreakItem* line, const LineTotals& totals, TextTotals& text) {
    if (!line) return;
    line->Height = ClampToWord(totals.Height);
    line->Width = ClampToWord(line->Indent + totals.Width);
    line->LineDescent = ClampToWord(totals.Descent);
    text.Width = std::max<int>(text.Width, line->Width);
    text.Height += line->Height;
}

}  // namespace

void LayoutHTML(TVtHTMLData& data) {
    TVtList<TVtHTMLItem>& items = data.Items;
    TVtHTMLBreakItem* line = nullptr;
    LineTotals totals;
    TextTotals text;
    // One walk over the items: a long caption's items do not all stay in the cache.
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        TVtHTMLItem* item = items.Get(i);
        const TVtHTMLItem* next = i + 1 < items.Count() ? items.Get(i + 1) : nullptr;
        if (item->IsBreak()) {
            FinishLine(line, totals, text);
            line = static_cast<TVtHTMLBreakItem*>(item);
            totals = {};
        }
        item->Width = ClampToWord(item->GetWidth());
        totals.Width += item->Width;
        int descent = 0;
        item->Height = ClampToWord(item->GetHeight(descent, next));
        if (item->ItemType == ikText) {
            // Sizes are 16-bit, as are the sub- and superscript adjustments.
            if (item->IsSub()) {
                descent += item->Height / 4;
                item->Height = static_cast<std::uint16_t>(item->Height + item->Height / 4);
            }
            if (item->IsSup()) {
                descent -= item->Height / 2;
                item->Height = static_cast<std::uint16_t>(item->Height + (2 * item->Height) / 3);
            }
        }
        totals.Height = std::max<int>(totals.Height, item->Height);
        totals.Descent = std::max(totals.Descent, descent);
    }
    FinishLine(line, totals, text);
    data.TextSize = {text.Width, static_cast<int>(std::min<std::int64_t>(text.Height, INT32_MAX))};
}

std::int64_t LineStartX(const TVtHTMLBreakItem& line, std::int64_t rectWidth) {
    const std::int64_t m = std::max<std::int64_t>(rectWidth, line.Width);
    switch (line.Alignment) {
        case haCenter:
            return (m - 1 - line.Width) / 2;
        case haRight:
            return m - line.Width - 1;
        default:
            return line.Indent;
    }
}

int ToCanvas(std::int64_t position) {
    return static_cast<int>(std::clamp<std::int64_t>(position, INT32_MIN, INT32_MAX));
}

TVtHTMLLayout::TVtHTMLLayout(IVtHTMLMetrics& metrics) : metrics_(metrics) { Data.Render = this; }

void TVtHTMLLayout::ParseText(std::string_view text) { ParseHTML(text, Data); }

void TVtHTMLLayout::RequestImage(const std::string& src, TVtHTMLImage& image) {
    image = {};
    if (OnImageNeeded) OnImageNeeded(*this, src, image);
}

}  // namespace tv
