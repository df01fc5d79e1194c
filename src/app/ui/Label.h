#pragma once
// A transparent, auto-sized text label: a real STATIC control whose window text is what it shows.
#include <windows.h>

#include <string>

#include "app/ui/DialogUnits.h"

namespace tv {

enum class LabelAnchor { Left, Right };  // Right: the text grows to the left of the right edge

class Label {
public:
    // x is the left edge, or the right edge with LabelAnchor::Right.
    void Create(HWND parent, int x, int y, const std::string& caption, HFONT font,
                LabelAnchor anchor = LabelAnchor::Left, int id = -1);
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    HWND Handle() const { return wnd_; }

private:
    void AutoSize();

    HWND wnd_ = nullptr;
    HFONT font_ = nullptr;
    int x_ = 0;
    int y_ = 0;
    LabelAnchor anchor_ = LabelAnchor::Left;
};

// Width and height of a single-line text in a font.
SIZE MeasureText(HFONT font, const std::string& text);

// The dialog units of the font selected into dc.
DialogUnits MeasureDialogUnits(HDC dc);
// The dialog units of a font.
DialogUnits MeasureDialogUnits(HFONT font);

// Answer to WM_CTLCOLORSTATIC for labels on a button-face form: transparent text on the form colour.
LRESULT LabelColors(HDC dc);

}  // namespace tv
