#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "ui/FormDesign.h"

namespace tv {

// A designed font at a DPI: its height is -MulDiv(points, dpi, 72).
UniqueFont CreateDesignedFont(const FontDesign& design, Dpi dpi);

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

}  // namespace tv
