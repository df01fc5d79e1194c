#pragma once
// Rules of glyph bitmaps holding up to four state cells side by side.
#include "widgets/button/PressLogic.h"

namespace tv {

// The cell count a glyph bitmap implies, or the current count when it implies none.
int DeriveNumGlyphs(int bitmap_width, int bitmap_height, int current);

// The cell of the bitmap shown for a state (psPressed borrows psUp below three cells).
int GlyphCellForState(PressState state, int num_glyphs);
PressState GlyphStateImage(PressState state, int num_glyphs);

}  // namespace tv
