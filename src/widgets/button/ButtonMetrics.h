#pragma once
// The button's measures at a display's DPI. They are given at 96 dpi and scale as MulDiv rounds
// (the arrow part, the press band over it, the arrow glyph, the focus rectangle's distance from
// the frame, the caption's shadow); the lines of one pixel stay one pixel, as in the platform's
// own controls: the frames (and so the space the content leaves for them), the focus rectangle's
// dots, the split between body and arrow part, the disabled look's relief and the pressed look's
// shift, which follow those lines.
#include "platform/Dpi.h"
#include "widgets/button/VtTextDrawType.h"

namespace tv {

struct ButtonMetrics {
    int arrow_width = 13;           // the classic arrow part
    int press_band = 15;            // presses and releases on the arrow: the last pixels of the width
    int flat_press_band = 11;       // the same for a flat button
    int focus_inset = 2;            // the focus rectangle inside the space the frame leaves
    int arrow_glyph_min_width = 6;  // a narrower arrow part shows no glyph
    int arrow_glyph_min_height = 3;
    int arrow_glyph_rows = 4;             // rows of the arrow glyph: 7, 5, 3 and 1 pixels at 96 dpi
    int shadow_offset = 2;                // the shadowed caption's shadow, right and down
    int raised_offset = 1;                // the raised caption's highlight, left and up
    int relief_offset = Dpi::kHairline;   // the disabled caption's and arrow's highlight
    int pressed_offset = Dpi::kHairline;  // the content of a latched look, right and down
    int frame_line = Dpi::kHairline;      // each line of a frame
};

ButtonMetrics ButtonMetricsAt(Dpi dpi);

// Where the arrow glyph goes in the arrow part: rows of 2n - 1, 2n - 3, ... 1 pixels, one pixel
// high each, centred. Nothing when the part is too small.
struct ArrowGlyphPlace {
    bool shown = false;
    int left = 0, top = 0;  // of the first (widest) row, from the part's corner
    int rows = 0;
    int Width() const { return 2 * rows - 1; }
};
ArrowGlyphPlace PlaceArrowGlyph(int part_width, int part_height, const ButtonMetrics& m);

// A caption drawn with a text effect: where the effect's copy goes, and how much the caption's
// rectangle grows for what was drawn around it (1, 3 and 2 pixels at 96 dpi).
struct TextEffectPlace {
    int dx = 0, dy = 0;
    int grow = 0;
};
TextEffectPlace PlaceTextEffect(TVtTextDrawType effect, const ButtonMetrics& m);

}  // namespace tv
