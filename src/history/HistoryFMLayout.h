#pragma once
// Where the History window's controls go at a DPI and a client size (no windows.h): the range
// buttons on top, the chart with its period line on the left and the figures on the right of it,
// the entry list, the journal's status and the command buttons below. The chart takes whatever
// the client area has beyond the least size.
#include <array>

#include "platform/Dpi.h"
#include "ui/LayoutRect.h"

namespace tv::historyfm {

// What the text of the window needs, measured in its font at the DPI.
struct TextNeeds {
    int line_height = 0;    // one line of the form font
    int figures_width = 0;  // the widest line of the figures
    int figures_lines = 0;  // how many lines of figures
    int status_lines = 0;   // the journal status's lines; 0: it is recorded, no status shown
    int status_width = 0;   // the widest line of the status
    bool operator==(const TextNeeds&) const = default;
};

struct Placement {
    std::array<LayoutRect, 4> ranges;
    LayoutRect chart, period_line, figures, list, status, restore, copy, close;
    int client_width = 0, client_height = 0;
};

// The least client size at which every control has its room and every text its width.
Placement LeastPlacement(Dpi dpi, const TextNeeds& text);
// The controls for a client size; below the least size, laid out at the least.
Placement PlaceControls(Dpi dpi, const TextNeeds& text, int client_width, int client_height);
// The size the window opens at.
Placement DefaultPlacement(Dpi dpi, const TextNeeds& text);

}  // namespace tv::historyfm
