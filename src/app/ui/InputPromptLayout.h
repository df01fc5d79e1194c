#pragma once
// Where the Input prompt's parts go, in dialog units of its font: client area 180 by 63, the
// prompt text at (8, 8), the field 19 units from the top and 164 wide, OK and Cancel 50 by 14 at
// 41 units from the top, 38 and 92 units from the left.
#include "app/ui/DialogUnits.h"

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

inline constexpr int kInputFieldBorder = 2;

InputPromptLayout LayOutInputPrompt(const DialogUnits& du);

}  // namespace tv
