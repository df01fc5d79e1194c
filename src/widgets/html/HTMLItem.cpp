#include "widgets/html/HTMLItem.h"

#include <algorithm>
#include <cstdlib>

#include "widgets/html/HTMLData.h"
#include "widgets/html/HTMLLayout.h"
#include "widgets/html/HTMLMetrics.h"

namespace tv {

namespace {

IVtHTMLMetrics* MetricsOf(const TVtHTMLData* data) {
    if (!data || !data->Render) return nullptr;
    return &data->Render->Metrics();
}

}  // namespace

void TVtHTMLItem::CopyFrom(const TVtHTMLItem& source) {
    Style = source.Style;
    FontHeight = source.FontHeight;
    BgColor = source.BgColor;
    Color = source.Color;
    HRef = source.HRef;
    FontName = source.FontName;
    Indent = source.Indent;
    Flags = source.Flags;
}

void TVtHTMLItem::AddChar(char c) {
    Text += c;
    CachedWidth = 0xFFFF;
}

TVtHTMLFont TVtHTMLItem::MeasureFont(bool reduced) const {
    TVtHTMLFont font;
    font.Name = FontName;
    font.Style = IsLink() && Owner ? Owner->LinkStyle : Style;
    font.Charset = Owner ? Owner->Charset : 0;
    font.Height = FontHeight;
    if (reduced && (IsSub() || IsSup())) {
        if (FontHeight > 0) font.Height = FontHeight - 2;
        if (FontHeight < 0) font.Height = FontHeight + 2;
    }
    return font;
}

int TVtHTMLItem::TextHeight(int& descent) const {
    IVtHTMLMetrics* metrics = MetricsOf(Owner);
    if (!metrics) return 0;
    const TVtHTMLFont font = MeasureFont(true);
    descent = metrics->Descent(font);
    return std::abs(metrics->FontHeight(font));
}

int TVtHTMLItem::GetWidth() {
    IVtHTMLMetrics* metrics = MetricsOf(Owner);
    switch (ItemType) {
        case ikText:
            if (!metrics) return 0;
            if (CachedWidth == 0xFFFF) {
                const int extent = metrics->TextExtent(MeasureFont(true), Text) + 1;
                // 0xFFFF means "not measured", so the widest width kept is one less.
                CachedWidth = static_cast<std::uint16_t>(std::clamp(extent, 0, 0xFFFE));
            }
            return CachedWidth;
        case ikImage:
        case ikRule:
            return Width;
        case ikListIndent:
            return metrics ? metrics->MaxCharWidth(MeasureFont(false)) : 0;
        default:
            return 0;
    }
}

int TVtHTMLItem::GetHeight(int& descent, const TVtHTMLItem*) {
    descent = 0;
    switch (ItemType) {
        case ikText:
            return TextHeight(descent);
        case ikImage:
            return Height;
        default:
            return 0;
    }
}

int TVtHTMLBreakItem::GetWidth() {
    IVtHTMLMetrics* metrics = MetricsOf(Owner);
    if (!metrics) return 0;
    switch (ItemType) {
        case ikBullet:
            return metrics->AveCharWidth(MeasureFont(false));
        case ikListIndent:
            return metrics->MaxCharWidth(MeasureFont(false));
        default:
            return 0;
    }
}

int TVtHTMLBreakItem::GetHeight(int& descent, const TVtHTMLItem* next) {
    descent = 0;
    switch (ItemType) {
        case ikSoftBreak:
        case ikLineBreak:
        case ikBullet:
            // Only an empty line takes the height of the break's own font.
            if (!next || next->IsBreak()) return TextHeight(descent);
            return 0;
        default:
            return 0;
    }
}

std::unique_ptr<TVtHTMLItem> MakeHTMLItem(TVtHTMLData* owner, TVtHTMLItemKind kind, const TVtHTMLItem* source) {
    std::unique_ptr<TVtHTMLItem> item;
    switch (kind) {
        case ikSoftBreak:
        case ikLineBreak:
        case ikParagraph:
        case ikBullet:
        case ikListIndent:
            item = std::make_unique<TVtHTMLBreakItem>(owner, kind);
            break;
        default:
            item = std::make_unique<TVtHTMLItem>(owner, kind);
            break;
    }
    if (source) item->CopyFrom(*source);
    return item;
}

std::unique_ptr<TVtHTMLBreakItem> MakeHTMLBreak(TVtHTMLData* owner, TVtHTMLItemKind kind, const TVtHTMLItem* source) {
    auto item = std::make_unique<TVtHTMLBreakItem>(owner, kind);
    if (source) item->CopyFrom(*source);
    return item;
}

}  // namespace tv
