#pragma once
// The History chart's axes in numbers: a round maximum and tick step for the games axis, which of
// the periods' date labels fit along the bottom, and which period lies under a point.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tv {

struct AxisScale {
    std::int64_t maximum = 1;  // the axis' top value, a whole number of steps
    std::int64_t step = 1;     // 1, 2 or 5 times a power of ten
    bool operator==(const AxisScale&) const = default;
};

// The left axis for the largest bar: at most five steps, the top at or above it (a top of one
// game when there are none, so the axis still has a scale).
AxisScale GamesAxis(std::int64_t largest_bar);

// The right axis: 0 to 100 %, in quarters.
inline constexpr AxisScale kPercentAxis{100, 25};

// The periods whose labels are drawn: every k-th from the first, k the smallest step at which no two
// drawn labels, each centred under its slot, come closer than min_gap. label_widths holds each
// period's label width in pixels; slot_width is one period's width along the axis.
std::vector<std::size_t> LabelsToDraw(const std::vector<int>& label_widths, double slot_width, int min_gap);

// The centre of period index along the axis, and the period under x (none outside the periods).
double SlotCentre(std::size_t index, double plot_left, double slot_width);
std::optional<std::size_t> PeriodAt(double x, double plot_left, double slot_width, std::size_t count);

}  // namespace tv
