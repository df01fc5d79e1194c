#pragma once
// Every push button of every window is made here, so that all of them are the same control.
#include <windows.h>

#include <string>

namespace tv {

enum class ButtonRole { Normal, Default, Cancel, DefaultAndCancel };

struct PushButtonSpec {
    int id = 0;
    std::string caption;  // "&" marks the access key
    int x = 0, y = 0, width = 75, height = 25;
    ButtonRole role = ButtonRole::Normal;
    int spacing = 3;  // glyph-to-text spacing
    int modal_result = 0;  // non-zero: a click ends the dialog that holds the button with this result
};

HWND CreatePushButton(HWND parent, const PushButtonSpec& spec, HFONT font);

}  // namespace tv
