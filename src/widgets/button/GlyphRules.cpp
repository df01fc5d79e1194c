#include "widgets/button/GlyphRules.h"

namespace tv {

int DeriveNumGlyphs(int bitmap_width, int bitmap_height, int current) {
    if (bitmap_width <= 0 || bitmap_height <= 0) return 1;
    if (bitmap_width % bitmap_height != 0) return current;
    const int cells = bitmap_width / bitmap_height;
    const int result = cells < 5 ? cells : 1;
    return result == 0 ? current : result;
}

PressState GlyphStateImage(PressState state, int num_glyphs) {
    return (state == psPressed && num_glyphs < 3) ? psUp : state;
}

int GlyphCellForState(PressState state, int num_glyphs) {
    const int number = static_cast<int>(GlyphStateImage(state, num_glyphs));
    return number < num_glyphs ? number : 0;
}

}  // namespace tv
