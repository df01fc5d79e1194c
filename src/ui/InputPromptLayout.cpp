#include "ui/InputPromptLayout.h"

namespace tv {

InputPromptLayout LayOutInputPrompt(const DialogUnits& du, Dpi dpi) {
    InputPromptLayout layout;
    layout.client_width = HorzUnits(du, 180);
    layout.client_height = VertUnits(du, 63);
    layout.prompt_left = HorzUnits(du, 8);
    layout.prompt_top = VertUnits(du, 8);
    // One line of text with room above and below it inside the border.
    layout.field = {HorzUnits(du, 8), VertUnits(du, 19), HorzUnits(du, 164),
                    du.char_height + 2 * kInputFieldBorder + dpi.Scale(4)};
    const int top = VertUnits(du, 41), width = HorzUnits(du, 50), height = VertUnits(du, 14);
    layout.ok = {HorzUnits(du, 38), top, width, height};
    layout.cancel = {HorzUnits(du, 92), top, width, height};
    return layout;
}

}  // namespace tv
