#include "support/guard/PrefixFonts.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/Handles.h"

namespace tv::test {

std::string RealisedFace(const std::string& face, unsigned char charset) {
    const UniqueFont font(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    return font ? RealisedFace(font.get()) : std::string();
}

std::string RealisedFace(HFONT font) {
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    SelectGuard select(dc.get(), font);
    char realised[LF_FACESIZE] = {};
    if (!GetTextFaceA(dc.get(), LF_FACESIZE, realised)) return {};
    return realised;
}

std::vector<std::string> SubstitutedFaces() {
    struct Face {
        const char* name;
        unsigned char charset;
    };
    // The forms' font, the window frame's glyph font, and the system's message font.
    static constexpr Face kFaces[] = {
        {"MS Sans Serif", DEFAULT_CHARSET}, {"Marlett", SYMBOL_CHARSET}, {"Tahoma", DEFAULT_CHARSET}};
    std::vector<std::string> substituted;
    for (const Face& f : kFaces) {
        const std::string realised = RealisedFace(f.name, f.charset);
        if (lstrcmpiA(realised.c_str(), f.name) != 0) substituted.push_back(std::string(f.name) + " -> " + realised);
    }
    return substituted;
}

void RequireProgramFonts() {
    const std::vector<std::string> substituted = SubstitutedFaces();
    if (substituted.empty()) return;
    std::fprintf(stderr, "Refusing to run: this Wine prefix draws the program's fonts in a substitute:\n");
    for (const std::string& s : substituted) std::fprintf(stderr, "  %s\n", s.c_str());
    std::fprintf(stderr,
                 "Wine's own fonts (package fonts-wine) belong in the prefix's C:\\windows\\Fonts; "
                 "tests/harness/wine-env.sh puts them there.\n");
    std::fflush(stderr);
    std::exit(2);
}

}  // namespace tv::test
