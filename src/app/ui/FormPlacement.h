#pragma once
// Puts a form's controls where its layout at the current DPI says, in the fonts made for that DPI.
// Creation and WM_DPICHANGED both go through here.
#include <windows.h>

#include "app/ui/DialogUnits.h"
#include "app/ui/FormDesign.h"
#include "app/ui/FormFont.h"

namespace tv {

// A control moved and sized to rect, and given font unless it is nullptr. Nothing is drawn: the
// window is drawn again as a whole once every control is in place.
void PlaceControl(HWND control, const LayoutRect& rect, HFONT font);

// The form's own font, every label in its font at its anchor and sized to its text, every other
// control at its rectangle in its font. The controls are found by their ids.
void ApplyFormLayout(HWND form, const FormLayout& layout, const FormFonts& fonts);

}  // namespace tv
