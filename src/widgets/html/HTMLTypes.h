#pragma once
// Plain values shared by the markup parser, the layout and the painters.
#include <cstdint>
#include <string>

#include "platform/Color.h"

namespace tv {

enum TVtHTMLItemKind : std::uint8_t {
    ikText = 0,
    ikSoftBreak = 1,
    ikLineBreak = 2,
    ikParagraph = 3,
    ikImage = 4,
    ikRule = 5,
    ikBullet = 6,
    ikListIndent = 7,
};

// Font style set.
inline constexpr std::uint8_t fsBold = 1;
inline constexpr std::uint8_t fsItalic = 2;
inline constexpr std::uint8_t fsUnderline = 4;
inline constexpr std::uint8_t fsStrikeOut = 8;

// Item flags.
inline constexpr std::uint32_t hfIsLink = 1u << 0;
inline constexpr std::uint32_t hfIsSub = 1u << 1;
inline constexpr std::uint32_t hfIsSup = 1u << 2;
inline constexpr std::uint32_t hfParagraphClosed = 1u << 31;

enum TVtHTMLAlignment : std::uint16_t { haLeft = 0, haCenter = 1, haRight = 2 };

// Everything needed to make or measure a font.
struct TVtHTMLFont {
    std::string Name;
    std::int32_t Height = 0;  // negative: character height in pixels; positive: cell height
    std::uint8_t Style = 0;
    std::uint8_t Charset = 0;

    bool operator==(const TVtHTMLFont&) const = default;
};

// A bitmap supplied for an "img" item; Handle is the platform's bitmap, never owned here.
struct TVtHTMLImage {
    void* Handle = nullptr;
    int Width = 0;
    int Height = 0;
};

struct TVtPoint {
    int X = 0;
    int Y = 0;
};

// Rectangle as the caller passes it; painting covers Right - Left + 1 columns.
struct TVtRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

}  // namespace tv
