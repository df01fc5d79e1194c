#pragma once
// Where the Input prompt's parts go, in dialog units of its font: client area 180 by 63, the
// prompt text at (8, 8), the field 19 units from the top and 164 wide, OK and Cancel 50 by 14 at
// 41 units from the top, 38 and 92 units from the left.
#include "platform/Dpi.h"
#include "ui/DialogUnits.h"
#include "ui/LayoutRect.h"

namespace tv {

struct InputPromptLayout {
    int client_width = 0;
    int client_height = 0;
    int prompt_left = 0;
    int prompt_top = 0;
    LayoutRect field;  // the edit control and its two-pixel border
    LayoutRect ok;
    LayoutRect cancel;
};

// Two lines of one pixel: they stay two pixels at every scale.
inline constexpr int kInputFieldBorder = 2 * Dpi::kHairline;

// du: the units of the prompt's font, made for dpi; the field's inner room of 4 pixels at
// 96 dpi is scaled.
InputPromptLayout LayOutInputPrompt(const DialogUnits& du, Dpi dpi = Dpi{});

}  // namespace tv
