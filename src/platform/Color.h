#pragma once
// Colour values shared by the caption renderer and the button family, and the integer
// hue-lightness-saturation conversion that derives a coloured button's frame shades.
// No <windows.h>: built and tested natively.
#include <cstdint>
#include <optional>

namespace tv {

using TVtColor = std::uint32_t;  // 0x800000nn: system colour nn; else 0x00BBGGRR
using TColor = TVtColor;

inline constexpr TVtColor clNone = 0x1FFFFFFF;
inline constexpr TVtColor clBlue = 0xFF0000;
inline constexpr TVtColor clRed = 0x0000FF;
inline constexpr TVtColor clWindowText = 0x80000008;
inline constexpr TVtColor clBtnFace = 0x8000000F;
inline constexpr TVtColor clBtnShadow = 0x80000010;

inline constexpr bool IsSystemColor(TVtColor c) { return (c & 0xFF000000u) == 0x80000000u; }

inline constexpr TColor clBtnText = 0x80000012;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor cl3DDkShadow = 0x80000015;
inline constexpr TColor clWindowFrame = 0x80000006;
inline constexpr TColor clOlive = 0x00008080;

inline constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFFu); }

inline constexpr TColor MakeRgb(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

// Hue, lightness and saturation, each in 0..252 (hue 168 for a grey).
struct Hls {
    int hue = 0, lightness = 0, saturation = 0;
    friend bool operator==(const Hls&, const Hls&) = default;
};

inline constexpr int kHlsMax = 252;
inline constexpr int kRgbMax = 255;
inline constexpr int kHueUndefined = kHlsMax * 2 / 3;

Hls RgbToHls(TColor rgb);
TColor HlsToRgb(const Hls& hls);
// Packed as hue in the low byte, lightness in the next, saturation in the third.
std::uint32_t PackHls(const Hls& hls);

// The three shades of a three-dimensional frame drawn on a face of the given RGB colour; none when
// the face has lightness 0 (then the system's shades are used with the face colour itself).
struct ShadowColors {
    TColor highlight = 0, dark_shadow = 0, shadow = 0;
    friend bool operator==(const ShadowColors&, const ShadowColors&) = default;
};
std::optional<ShadowColors> DeriveShadowColors(TColor face_rgb);

}  // namespace tv
