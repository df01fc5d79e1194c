#include "widgets/button/ButtonMetrics.h"

#include <algorithm>

namespace tv {

ButtonMetrics ButtonMetricsAt(Dpi dpi) {
    const ButtonMetrics design;
    ButtonMetrics m;
    m.arrow_width = dpi.Scale(design.arrow_width);
    m.press_band = dpi.Scale(design.press_band);
    m.flat_press_band = dpi.Scale(design.flat_press_band);
    m.focus_inset = dpi.Scale(design.focus_inset);
    m.arrow_glyph_min_width = dpi.Scale(design.arrow_glyph_min_width);
    m.arrow_glyph_min_height = dpi.Scale(design.arrow_glyph_min_height);
    m.arrow_glyph_rows = dpi.Scale(design.arrow_glyph_rows);
    m.shadow_offset = dpi.Scale(design.shadow_offset);
    m.raised_offset = dpi.Scale(design.raised_offset);
    return m;
}

ArrowGlyphPlace PlaceArrowGlyph(int part_width, int part_height, const ButtonMetrics& m) {
    ArrowGlyphPlace place;
    if (part_width < m.arrow_glyph_min_width || part_height < m.arrow_glyph_min_height) return place;
    place.shown = true;
    place.rows = m.arrow_glyph_rows;
    // At 96 dpi: width div 2 - 3 and height div 2 - 2, as the 7 x 4 glyph has always been placed.
    place.left = std::max(part_width / 2 - (place.Width() - 1) / 2, 0);
    place.top = std::max(part_height / 2 - place.rows / 2, 0);
    return place;
}

TextEffectPlace PlaceTextEffect(TVtTextDrawType effect, const ButtonMetrics& m) {
    // The rectangle takes in what was drawn beside the caption, and one line more.
    switch (effect) {
        case tdtShadowed:
            return {m.shadow_offset, m.shadow_offset, m.shadow_offset + m.frame_line};
        case tdtRaised:
            return {-m.raised_offset, -m.raised_offset, m.raised_offset + m.frame_line};
        case tdtNormal:
        default:
            return {0, 0, m.frame_line};
    }
}

}  // namespace tv
