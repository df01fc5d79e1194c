#include "history/HistoryFMLayout.h"

#include <algorithm>

namespace tv::historyfm {

namespace {

// At 96 dpi.
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kRangeWidth = 75, kRangeHeight = 23, kRangeGap = 4;
constexpr int kButtonWidth = 75, kButtonHeight = 25;
constexpr int kLeastChartWidth = 280, kLeastChartHeight = 140;
constexpr int kListHeight = 150;
constexpr int kDefaultExtraWidth = 160, kDefaultExtraHeight = 80;

struct Metrics {
    int margin, gap, range_w, range_h, range_gap, button_w, button_h, chart_w, chart_h, list_h;
};

Metrics MetricsAt(Dpi dpi) {
    return {
        dpi.Scale(kMargin),           dpi.Scale(kGap),         dpi.Scale(kRangeWidth),   dpi.Scale(kRangeHeight),
        dpi.Scale(kRangeGap),         dpi.Scale(kButtonWidth), dpi.Scale(kButtonHeight), dpi.Scale(kLeastChartWidth),
        dpi.Scale(kLeastChartHeight), dpi.Scale(kListHeight)};
}

int StatusHeight(const TextNeeds& text) { return text.status_lines * text.line_height; }

// The height of the part beside the figures: the chart and its period line, or the figures.
int UpperHeight(const Metrics& m, const TextNeeds& text, int chart_height) {
    return std::max(chart_height + m.gap / 2 + text.line_height, text.figures_lines * text.line_height);
}

int FixedHeight(const Metrics& m, const TextNeeds& text) {
    const int status = text.status_lines > 0 ? StatusHeight(text) + m.gap : 0;
    return m.margin + m.range_h + m.gap + m.gap + m.list_h + m.gap + status + m.button_h + m.margin;
}

struct Size {
    int width, height;
};

Size LeastSize(const Metrics& m, const TextNeeds& text) {
    const int ranges = 4 * m.range_w + 3 * m.range_gap;
    const int upper = m.chart_w + m.gap + text.figures_width;
    const int buttons = 3 * m.button_w + 2 * m.gap;
    return {2 * m.margin + std::max({ranges, upper, buttons, text.status_width}),
            FixedHeight(m, text) + UpperHeight(m, text, m.chart_h)};
}

}  // namespace

Placement LeastPlacement(Dpi dpi, const TextNeeds& text) {
    const Size least = LeastSize(MetricsAt(dpi), text);
    return PlaceControls(dpi, text, least.width, least.height);
}

Placement DefaultPlacement(Dpi dpi, const TextNeeds& text) {
    const Placement least = LeastPlacement(dpi, text);
    return PlaceControls(dpi, text, least.client_width + dpi.Scale(kDefaultExtraWidth),
                         least.client_height + dpi.Scale(kDefaultExtraHeight));
}

Placement PlaceControls(Dpi dpi, const TextNeeds& text, int client_width, int client_height) {
    const Metrics m = MetricsAt(dpi);
    Placement p;
    const Size least = LeastSize(m, text);
    const int fixed = FixedHeight(m, text);
    p.client_width = std::max(client_width, least.width);
    p.client_height = std::max(client_height, least.height);

    for (int i = 0; i < 4; ++i)
        p.ranges[i] = {m.margin + i * (m.range_w + m.range_gap), m.margin, m.range_w, m.range_h};
    const int upper_top = m.margin + m.range_h + m.gap;
    const int upper_height = p.client_height - fixed;
    const int inner_width = p.client_width - 2 * m.margin;
    p.figures = {p.client_width - m.margin - text.figures_width, upper_top, text.figures_width,
                 text.figures_lines * text.line_height};
    const int chart_width = inner_width - m.gap - text.figures_width;
    const int chart_height = upper_height - m.gap / 2 - text.line_height;
    p.chart = {m.margin, upper_top, chart_width, chart_height};
    p.period_line = {m.margin, upper_top + chart_height + m.gap / 2, chart_width, text.line_height};

    const int list_top = upper_top + upper_height + m.gap;
    p.list = {m.margin, list_top, inner_width, m.list_h};
    int below = list_top + m.list_h + m.gap;
    if (text.status_lines > 0) {
        p.status = {m.margin, below, inner_width, StatusHeight(text)};
        below += StatusHeight(text) + m.gap;
    }
    p.restore = {m.margin, below, m.button_w, m.button_h};
    p.copy = {m.margin + m.button_w + m.gap, below, m.button_w, m.button_h};
    p.close = {p.client_width - m.margin - m.button_w, below, m.button_w, m.button_h};
    return p;
}

}  // namespace tv::historyfm
