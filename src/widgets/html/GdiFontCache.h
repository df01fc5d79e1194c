#pragma once
// GDI fonts for caption fonts, made once and kept while the renderer lives.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Handles.h"
#include "widgets/html/HTMLTypes.h"

namespace tv {

class TVtGdiFontCache {
public:
    // What GDI makes a font of: the face name only as far as a LOGFONT holds it, so that finding
    // a font costs the same however long the face names of a caption are.
    struct Key {
        std::string Face;
        std::int32_t Height = 0;
        std::uint8_t Style = 0;
        std::uint8_t Charset = 0;
        bool operator==(const Key&) const = default;
    };
    static Key KeyOf(const TVtHTMLFont& font);

    struct Entry {
        Key Font;
        UniqueFont Handle;
        TEXTMETRICA Metrics{};
    };

    // The font, created on first use; its text metrics are read on dc, which must be a memory DC.
    const Entry& Get(const TVtHTMLFont& font, HDC dc);

private:
    std::vector<Entry> entries_;
    std::size_t last_ = 0;
};

UniqueFont CreateCaptionFont(const TVtGdiFontCache::Key& font);

// A caption colour as a GDI colour: system colours are looked up now.
COLORREF ResolveColor(TVtColor color);

}  // namespace tv
