#include "widgets/button/GlyphRules.h"

#include <cctype>

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

std::string_view::size_type AcceleratorIndex(std::string_view caption) {
    for (std::string_view::size_type i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" stands for one "&"
            continue;
        }
        return i + 1;
    }
    return std::string_view::npos;
}

char AcceleratorOf(std::string_view caption) {
    const auto i = AcceleratorIndex(caption);
    return i == std::string_view::npos ? '\0' : caption[i];
}

std::string ShownCaption(std::string_view caption) {
    std::string shown;
    for (std::string_view::size_type i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (++i == caption.size()) break;  // a mark with nothing to mark
        }
        shown += caption[i];
    }
    return shown;
}

bool IsAccelerator(char typed, std::string_view caption) {
    const char key = AcceleratorOf(caption);
    if (key == '\0' || typed == '\0') return false;
    return std::toupper(static_cast<unsigned char>(key)) == std::toupper(static_cast<unsigned char>(typed));
}

}  // namespace tv
