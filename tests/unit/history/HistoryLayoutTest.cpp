// The History window's layout at each scale: the least size holds everything, extra room goes to
// the chart, and no two controls overlap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/HistoryFMLayout.h"

namespace tv::historyfm {
namespace {

bool Overlap(const LayoutRect& a, const LayoutRect& b) {
    return a.width > 0 && b.width > 0 && a.height > 0 && b.height > 0 && a.left < b.left + b.width &&
           b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

std::vector<LayoutRect> Rects(const Placement& p) {
    std::vector<LayoutRect> rects(p.ranges.begin(), p.ranges.end());
    for (const LayoutRect& r : {p.chart, p.period_line, p.figures, p.list, p.status, p.restore, p.copy, p.close})
        rects.push_back(r);
    return rects;
}

void ExpectInsideAndApart(const Placement& p, const std::string& how) {
    const auto rects = Rects(p);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const LayoutRect& r = rects[i];
        EXPECT_GE(r.left, 0) << how << " " << i;
        EXPECT_GE(r.top, 0) << how << " " << i;
        EXPECT_LE(r.left + r.width, p.client_width) << how << " " << i;
        EXPECT_LE(r.top + r.height, p.client_height) << how << " " << i;
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(Overlap(r, rects[j])) << how << " " << i << "/" << j;
    }
}

TEST(HistoryLayout, EveryScaleWithAndWithoutTheStatus) {
    for (int dpi : {96, 120, 144, 192}) {
        for (int status_lines : {0, 2}) {
            const Dpi d(dpi);
            const TextNeeds text{d.Scale(13), d.Scale(260), 7, status_lines, d.Scale(700)};
            const std::string how = std::to_string(dpi) + " dpi, status " + std::to_string(status_lines);
            const Placement least = LeastPlacement(d, text);
            ExpectInsideAndApart(least, how + " least");
            EXPECT_GE(least.figures.height, 7 * text.line_height) << how;
            EXPECT_GE(least.client_width, 2 * d.Scale(8) + (status_lines ? text.status_width : 0)) << how;
            // Smaller than the least: laid out at the least.
            const Placement squeezed = PlaceControls(d, text, 10, 10);
            EXPECT_EQ(squeezed.client_width, least.client_width) << how;
            EXPECT_EQ(squeezed.client_height, least.client_height) << how;
            // Larger: the chart takes all the extra room, the list keeps its height.
            const Placement large = PlaceControls(d, text, least.client_width + 300, least.client_height + 200);
            ExpectInsideAndApart(large, how + " large");
            EXPECT_EQ(large.chart.width - least.chart.width, 300) << how;
            EXPECT_EQ(large.chart.height - least.chart.height, 200) << how;
            EXPECT_EQ(large.list.height, least.list.height) << how;
            EXPECT_EQ(large.close.left + large.close.width, large.client_width - d.Scale(8)) << how;
        }
    }
}

}  // namespace
}  // namespace tv::historyfm
