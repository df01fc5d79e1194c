#include "history/ChartAxis.h"

#include <cmath>

namespace tv {

namespace {

constexpr std::int64_t kMostSteps = 5;

// Whether labels first, first + step, ... each keep min_gap from the next.
bool FitsAtStep(const std::vector<int>& widths, std::size_t step, double slot_width, int min_gap) {
    for (std::size_t i = 0; i + step < widths.size(); i += step) {
        const double needed = (widths[i] + widths[i + step]) / 2.0 + min_gap;
        if (needed > static_cast<double>(step) * slot_width) return false;
    }
    return true;
}

}  // namespace

AxisScale GamesAxis(std::int64_t largest_bar) {
    const std::int64_t largest = largest_bar > 0 ? largest_bar : 1;
    for (std::int64_t power = 1;; power *= 10)
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t step = factor * power;
            const std::int64_t steps = (largest + step - 1) / step;
            if (steps <= kMostSteps) return {steps * step, step};
        }
}

std::vector<std::size_t> LabelsToDraw(const std::vector<int>& label_widths, double slot_width, int min_gap) {
    std::vector<std::size_t> drawn;
    if (label_widths.empty()) return drawn;
    std::size_t step = 1;
    while (step < label_widths.size() && !FitsAtStep(label_widths, step, slot_width, min_gap)) ++step;
    for (std::size_t i = 0; i < label_widths.size(); i += step) drawn.push_back(i);
    return drawn;
}

double SlotCentre(std::size_t index, double plot_left, double slot_width) {
    return plot_left + (static_cast<double>(index) + 0.5) * slot_width;
}

std::optional<std::size_t> PeriodAt(double x, double plot_left, double slot_width, std::size_t count) {
    if (slot_width <= 0 || x < plot_left) return std::nullopt;
    const double index = std::floor((x - plot_left) / slot_width);
    if (index >= static_cast<double>(count)) return std::nullopt;
    return static_cast<std::size_t>(index);
}

}  // namespace tv
