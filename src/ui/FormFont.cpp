#include "ui/FormFont.h"

namespace tv {

UniqueFont CreateDesignedFont(const FontDesign& design, Dpi dpi) {
    return UniqueFont(CreateFontA(dpi.FontHeight(design.points), 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                  design.underline ? TRUE : FALSE, FALSE,
                                  design.ansi_charset ? ANSI_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, design.face));
}

FormFonts FormFonts::For(std::span<const FontDesign> designs, Dpi dpi) {
    FormFonts fonts;
    fonts.dpi_ = dpi;
    fonts.fonts_.reserve(designs.size());
    for (const FontDesign& design : designs) fonts.fonts_.push_back(CreateDesignedFont(design, dpi));
    return fonts;
}

HFONT FormFonts::operator[](int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= fonts_.size()) return nullptr;
    return fonts_[static_cast<std::size_t>(index)].get();
}

}  // namespace tv
