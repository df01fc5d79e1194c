#pragma once
// Puts a form's controls where its layout at the current DPI says, in the fonts made for that DPI.
// Creation and WM_DPICHANGED both go through here.
#include <windows.h>

#include "ui/FormDesign.h"
#include "ui/FormFont.h"
#include "ui/LayoutRect.h"

namespace tv {

// A control moved and sized to rect, and given font unless it is nullptr. Nothing is drawn: the
// window is drawn again as a whole once every control is in place.
void PlaceControl(HWND control, const LayoutRect& rect, HFONT font);

// The form's own font, every label in its font at its anchor and sized to its text, every other
// control at its rectangle in its font. The controls are found by their ids.
void ApplyFormLayout(HWND form, const FormLayout& layout, const FormFonts& fonts);

// The form's design laid out and applied at dpi, in fonts made for dpi: those in fonts when they
// were made for it (the controls were just created in them), new ones otherwise, which replace
// them once no control holds the old ones. Returns the layout, for the client size and the rest.
FormLayout LayOutFormAt(HWND form, const FormDesign& design, Dpi dpi, FormFonts& fonts);

}  // namespace tv
