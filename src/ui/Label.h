#pragma once
// A transparent, auto-sized text label: a real STATIC control whose window text is what it shows.
// Its window is its whole state: the anchor from its alignment, the place from its rectangle, the
// font from WM_GETFONT, so that the form's layout step and a new caption never disagree.
#include <windows.h>

#include <span>
#include <string>

#include "ui/DialogUnits.h"
#include "ui/FormDesign.h"

namespace tv {

class Label {
public:
    Label() = default;
    explicit Label(HWND wnd) : wnd_(wnd) {}

    // Sizes the label to the new text, keeping its anchor.
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    HWND Handle() const { return wnd_; }

private:
    HWND wnd_ = nullptr;
};

// A label with no size yet; PlaceLabel puts it where it belongs.
HWND CreateLabel(HWND parent, int id, const std::string& caption, LabelAnchor anchor = LabelAnchor::Left);
// The labels of a designed form, in design order; the form's layout step places them.
void CreateLabels(HWND parent, std::span<const LabelDesign> labels);

// Puts a label's anchor (its left edge, or its right edge when anchored right) at x and its top at
// y, in client pixels, sized to its text in its font.
void PlaceLabel(HWND label, int x, int y);

// Width and height of a single-line text in a font.
SIZE MeasureText(HFONT font, const std::string& text);

// The dialog units of the font selected into dc.
DialogUnits MeasureDialogUnits(HDC dc);
// The dialog units of a font.
DialogUnits MeasureDialogUnits(HFONT font);

// Answer to WM_CTLCOLORSTATIC for labels on a button-face form: transparent text on the form colour.
LRESULT LabelColors(HDC dc);

}  // namespace tv
