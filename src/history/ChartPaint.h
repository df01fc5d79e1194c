#pragma once
// The History chart drawn into a device context: where its plot lies in a client area, and the
// drawing itself (bars, percentage line, axes, dates, marks, the current period, the focus).
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "history/ChartPeriods.h"
#include "platform/Dpi.h"

namespace tv {

// What one drawing shows; label_widths are the widths of labels in the font given.
struct ChartView {
    const ChartData* data = nullptr;
    const std::vector<std::string>* labels = nullptr;
    const std::vector<int>* label_widths = nullptr;
    std::optional<std::size_t> current;
    bool focused = false;
    HFONT font = nullptr;
    Dpi dpi;
};

struct ChartLayout {
    bool empty = true;  // "No games recorded yet" instead of axes
    RECT plot{};        // the bars' area; its bottom is the date axis
    double slot_width = 0;
};

// True when there is nothing to plot: no periods, or no games in any of them.
bool ChartIsEmpty(const ChartData& data);

ChartLayout LayoutChart(HDC dc, const RECT& client, const ChartView& view);
void PaintChart(HDC dc, const RECT& client, const ChartLayout& layout, const ChartView& view);

}  // namespace tv
