#pragma once
// Every push button of every window is made here, so that all of them are the same control.
#include <windows.h>

#include <string>

namespace tv {

enum class ButtonRole { Normal, Default, Cancel, DefaultAndCancel };

struct PushButtonSpec {
    int id = 0;
    std::string caption;                      // "&" marks the access key
    int x = 0, y = 0, width = 0, height = 0;  // client pixels; a form's layout step places its own
    ButtonRole role = ButtonRole::Normal;
    int spacing = 3;       // glyph-to-text spacing
    int modal_result = 0;  // non-zero: a click ends the dialog that holds the button with this result
};

// A button in font at the spec's rectangle. A form's layout step places its buttons (and gives
// them the font again) at creation and whenever it moves to a monitor of another scale.
HWND CreatePushButton(HWND parent, const PushButtonSpec& spec, HFONT font);

}  // namespace tv
