#include "history/ChartPaint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "history/ChartAxis.h"
#include "platform/Handles.h"

namespace tv {

namespace {

constexpr const char* kEmptyText = "No games recorded yet";
constexpr const char* kWidestPercent = "100%";

struct Metrics {
    int margin, tick, gap, mark, text_height;
};

Metrics MetricsFor(HDC dc, Dpi dpi) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return {dpi.Scale(4), dpi.Scale(4), dpi.Scale(2), dpi.Scale(7), static_cast<int>(tm.tmHeight)};
}

int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

std::int64_t LargestBar(const ChartData& data) {
    std::int64_t largest = 0;
    for (const ChartPeriod& p : data.periods) {
        largest = std::max(largest, std::max<std::int64_t>(p.games.won, 0) + std::max<std::int64_t>(p.games.lost, 0));
    }
    return largest;
}

// The y of a value on an axis from 0 (the plot's bottom) to maximum (its top).
int YOf(const RECT& plot, double value, double maximum) {
    const double height = plot.bottom - plot.top;
    return plot.bottom - static_cast<int>(std::lround(std::clamp(value, 0.0, maximum) * height / maximum));
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void FillColour(HDC dc, const RECT& r, int colour) { FillRect(dc, &r, GetSysColorBrush(colour)); }

void DrawTextAt(HDC dc, const std::string& text, RECT r, UINT format) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_NOPREFIX);
}

// Won above lost: the won part solid in the selection colour, the lost part hatched and framed in
// the text colour, so the two differ without colour too.
void PaintBars(HDC dc, const ChartLayout& layout, const ChartView& view, double maximum) {
    const RECT& plot = layout.plot;
    const int bar_width = std::max(1, static_cast<int>(layout.slot_width * 0.7));
    const UniqueBrush hatch(CreateHatchBrush(HS_BDIAGONAL, GetSysColor(COLOR_WINDOWTEXT)));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    const auto& periods = view.data->periods;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const double won = static_cast<double>(std::max<std::int64_t>(periods[i].games.won, 0));
        const double lost = static_cast<double>(std::max<std::int64_t>(periods[i].games.lost, 0));
        if (won + lost <= 0) continue;
        const int left = static_cast<int>(std::lround(SlotCentre(i, plot.left, layout.slot_width) - bar_width / 2.0));
        const int lost_top = YOf(plot, lost, maximum);
        const int won_top = YOf(plot, won + lost, maximum);
        if (lost_top < plot.bottom) {
            const RECT r{left, lost_top, left + bar_width, plot.bottom};
            FillRect(dc, &r, hatch.get());
            FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWTEXT));
        }
        if (won_top < lost_top) FillColour(dc, RECT{left, won_top, left + bar_width, lost_top}, COLOR_HIGHLIGHT);
    }
    SetBkMode(dc, TRANSPARENT);
}

// The percentage line, broken where a period has no value; a point of its own is a dot, and every
// point is one where the periods are wide enough. In the text colour over a rim of the background,
// so it stays visible over both parts of the bars in every colour scheme.
void PaintPercentLine(HDC dc, const ChartLayout& layout, const ChartView& view) {
    const RECT& plot = layout.plot;
    const auto& periods = view.data->periods;
    std::vector<std::vector<POINT>> runs(1);
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (!periods[i].percent) {
            if (!runs.back().empty()) runs.emplace_back();
            continue;
        }
        const int x = static_cast<int>(std::lround(SlotCentre(i, plot.left, layout.slot_width)));
        runs.back().push_back({x, YOf(plot, static_cast<double>(*periods[i].percent), 100.0)});
    }
    const int width = view.dpi.Scale(2), rim = view.dpi.Scale(1);
    const bool dots = layout.slot_width >= view.dpi.Scale(8);
    const struct { int colour, grow; } passes[] = {{COLOR_WINDOW, rim}, {COLOR_WINDOWTEXT, 0}};
    for (const auto& pass : passes) {
        const UniquePen pen(CreatePen(PS_SOLID, width + 2 * pass.grow, GetSysColor(pass.colour)));
        const SelectGuard select(dc, pen.get());
        for (const std::vector<POINT>& run : runs) {
            if (run.size() > 1) Polyline(dc, run.data(), static_cast<int>(run.size()));
            if (run.size() != 1 && !dots) continue;
            const int half = width + pass.grow;
            for (const POINT p : run) FillColour(dc, RECT{p.x - half, p.y - half, p.x + half, p.y + half}, pass.colour);
        }
    }
}

void PaintAxes(HDC dc, const ChartLayout& layout, const AxisScale& games, const Metrics& m) {
    const RECT& plot = layout.plot;
    const UniquePen grid(CreatePen(PS_SOLID, Dpi::kHairline, GetSysColor(COLOR_GRAYTEXT)));
    const UniquePen axis(CreatePen(PS_SOLID, Dpi::kHairline, GetSysColor(COLOR_WINDOWTEXT)));
    const SelectGuard select(dc, grid.get());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const int half = m.text_height / 2;
    for (std::int64_t v = games.step; v <= games.maximum; v += games.step) {
        const int y = YOf(plot, static_cast<double>(v), static_cast<double>(games.maximum));
        Line(dc, plot.left + 1, y, plot.right, y);
    }
    SelectObject(dc, axis.get());
    for (std::int64_t v = 0; v <= games.maximum; v += games.step) {
        const int y = YOf(plot, static_cast<double>(v), static_cast<double>(games.maximum));
        Line(dc, plot.left - m.tick, y, plot.left, y);
        DrawTextAt(dc, std::to_string(v), RECT{0, y - half, plot.left - m.tick - m.gap, y + half + 1}, DT_RIGHT);
    }
    for (std::int64_t v = 0; v <= kPercentAxis.maximum; v += kPercentAxis.step) {
        const int y = YOf(plot, static_cast<double>(v), static_cast<double>(kPercentAxis.maximum));
        Line(dc, plot.right, y, plot.right + m.tick, y);
        DrawTextAt(dc, std::to_string(v) + "%", RECT{plot.right + m.tick + m.gap, y - half, 32000, y + half + 1},
                   DT_LEFT);
    }
    Line(dc, plot.left, plot.top, plot.left, plot.bottom + 1);
    Line(dc, plot.right, plot.top, plot.right, plot.bottom + 1);
    Line(dc, plot.left, plot.bottom, plot.right + 1, plot.bottom);
}

// Dates under the axis, as many as fit without touching; a clear as a triangle and a restore as a
// diamond between the axis and the dates.
void PaintDates(HDC dc, const ChartLayout& layout, const ChartView& view, const Metrics& m) {
    const RECT& plot = layout.plot;
    const int label_top = plot.bottom + m.mark + m.gap;
    // A label centred under a period near the left edge would be cut: it starts at the edge instead,
    // and one that would then touch the label before it is left out.
    int previous_right = std::numeric_limits<int>::min();
    for (const std::size_t i : LabelsToDraw(*view.label_widths, layout.slot_width, view.dpi.Scale(8))) {
        const int x = static_cast<int>(std::lround(SlotCentre(i, plot.left, layout.slot_width)));
        const int w = (*view.label_widths)[i];
        const int left = std::max(0, x - w / 2 - 1);
        if (left <= previous_right) continue;
        DrawTextAt(dc, (*view.labels)[i], RECT{left, label_top, left + w + 3, label_top + m.text_height}, DT_CENTER);
        previous_right = left + w + 3;
    }
    const SelectGuard brush(dc, GetSysColorBrush(COLOR_WINDOWTEXT));
    const SelectGuard pen(dc, GetStockObject(NULL_PEN));
    const int half = m.mark / 2, top = plot.bottom + m.gap, bottom = top + m.mark;
    for (const ChartMark& mark : view.data->marks) {
        const int x = static_cast<int>(std::lround(SlotCentre(mark.period, plot.left, layout.slot_width)));
        if (mark.kind == ChartMarkKind::Clear) {
            const POINT triangle[] = {{x, top}, {x + half + 1, bottom}, {x - half, bottom}};
            Polygon(dc, triangle, 3);
        } else {
            const POINT diamond[] = {{x, top}, {x + half + 1, top + half}, {x, bottom}, {x - half, top + half}};
            Polygon(dc, diamond, 4);
        }
    }
}

}  // namespace

bool ChartIsEmpty(const ChartData& data) {
    return std::none_of(data.periods.begin(), data.periods.end(),
                        [](const ChartPeriod& p) { return p.games.won > 0 || p.games.lost > 0; });
}

ChartLayout LayoutChart(HDC dc, const RECT& client, const ChartView& view) {
    ChartLayout layout;
    layout.empty = ChartIsEmpty(*view.data);
    if (layout.empty) return layout;
    const SelectGuard font(dc, view.font);
    const Metrics m = MetricsFor(dc, view.dpi);
    const AxisScale games = GamesAxis(LargestBar(*view.data));
    const int left_labels = TextWidth(dc, std::to_string(games.maximum));
    const int right_labels = TextWidth(dc, kWidestPercent);
    layout.plot.left = client.left + m.margin + left_labels + m.gap + m.tick;
    layout.plot.right = std::max<LONG>(layout.plot.left + 1, client.right - m.margin - right_labels - m.gap - m.tick);
    layout.plot.top = client.top + m.margin + m.text_height / 2;
    layout.plot.bottom =
        std::max<LONG>(layout.plot.top + 1, client.bottom - m.margin - m.text_height - m.gap - m.mark - m.gap);
    layout.slot_width =
        static_cast<double>(layout.plot.right - layout.plot.left) / static_cast<double>(view.data->periods.size());
    return layout;
}

void PaintChart(HDC dc, const RECT& client, const ChartLayout& layout, const ChartView& view) {
    const SelectGuard font(dc, view.font);
    FillColour(dc, client, COLOR_WINDOW);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    if (layout.empty) {
        DrawTextAt(dc, kEmptyText, client, DT_CENTER | DT_VCENTER);
    } else {
        const Metrics m = MetricsFor(dc, view.dpi);
        const RECT& plot = layout.plot;
        if (view.current) {
            // Shaded and framed: in a high-contrast scheme the shade may be the background itself.
            const double left = plot.left + layout.slot_width * static_cast<double>(*view.current);
            const RECT slot{static_cast<int>(std::lround(left)), plot.top,
                            static_cast<int>(std::lround(left + layout.slot_width)), plot.bottom};
            FillColour(dc, slot, COLOR_BTNFACE);
            FrameRect(dc, &slot, GetSysColorBrush(COLOR_WINDOWTEXT));
        }
        const AxisScale games = GamesAxis(LargestBar(*view.data));
        PaintAxes(dc, layout, games, m);
        PaintBars(dc, layout, view, static_cast<double>(games.maximum));
        PaintPercentLine(dc, layout, view);
        PaintDates(dc, layout, view, m);
    }
    if (view.focused) {
        RECT focus = client;
        InflateRect(&focus, -Dpi::kHairline, -Dpi::kHairline);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace tv
