#pragma once
// GDI fonts for caption fonts, made once and kept while the renderer lives.
#include <windows.h>

#include <vector>

#include "platform/Handles.h"
#include "widgets/html/HTMLTypes.h"

namespace tv {

class TVtGdiFontCache {
public:
    struct Entry {
        TVtHTMLFont Font;
        UniqueFont Handle;
        TEXTMETRICA Metrics{};
    };

    // The font, created on first use; its text metrics are read on dc, which must be a memory DC.
    const Entry& Get(const TVtHTMLFont& font, HDC dc);

private:
    std::vector<Entry> entries_;
    std::size_t last_ = 0;
};

UniqueFont CreateCaptionFont(const TVtHTMLFont& font);

// A caption colour as a GDI colour: system colours are looked up now.
COLORREF ResolveColor(TVtColor color);

}  // namespace tv
