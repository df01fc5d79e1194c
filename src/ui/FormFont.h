#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "ui/FormDesign.h"
#include "platform/Dpi.h"
#include "platform/Handles.h"

namespace tv {

// A designed font at a DPI: its height is -MulDiv(points, dpi, 72).
UniqueFont CreateDesignedFont(const FontDesign& design, Dpi dpi);

// The forms' font: "MS Sans Serif", 8 point (height -11 at 96 dpi, -16 at 144), default character set.
UniqueFont CreateFormFont(Dpi dpi, bool bold = false);

// The fonts of one form at one DPI, in the order of its design. A form makes the new set, gives
// its controls the new fonts, and only then lets the old set go: no control is ever left holding
// a deleted font.
class FormFonts {
public:
    static FormFonts For(std::span<const FontDesign> designs, Dpi dpi);
    // nullptr for kNoFont or an index the design does not have.
    HFONT operator[](int index) const;
    // True when these are fonts already made for dpi (none made yet: false).
    bool MadeFor(Dpi dpi) const { return !fonts_.empty() && dpi_ == dpi; }

private:
    std::vector<UniqueFont> fonts_;
    Dpi dpi_;
};

// The colour every form and label background uses.
inline COLORREF FormColor() { return GetSysColor(COLOR_BTNFACE); }
inline HBRUSH FormBrush() { return GetSysColorBrush(COLOR_BTNFACE); }

}  // namespace tv
