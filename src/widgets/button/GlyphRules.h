#pragma once
// Rules of glyph bitmaps holding up to four state cells side by side, and of captions' access keys.
#include <string>
#include <string_view>

#include "widgets/button/PressLogic.h"

namespace tv {

// The cell count a glyph bitmap implies, or the current count when it implies none.
int DeriveNumGlyphs(int bitmap_width, int bitmap_height, int current);

// The cell of the bitmap shown for a state (psPressed borrows psUp below three cells).
int GlyphCellForState(PressState state, int num_glyphs);
PressState GlyphStateImage(PressState state, int num_glyphs);

// The access key of a caption: the character after a single "&" ("&&" is a literal "&"); 0 if none.
char AcceleratorOf(std::string_view caption);
// Whether a typed character is the caption's access key, regardless of case.
bool IsAccelerator(char typed, std::string_view caption);

// Where the access key of a caption stands; npos if none.
std::string_view::size_type AcceleratorIndex(std::string_view caption);

// The caption as shown on screen and read aloud: every "&" that marks an access key dropped,
// "&&" shown as one "&", a lone "&" at the end dropped.
std::string ShownCaption(std::string_view caption);

}  // namespace tv
