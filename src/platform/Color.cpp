#include "platform/Color.h"

#include <algorithm>

namespace tv {

Hls RgbToHls(TColor rgb) {
    const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
    const int cmax = std::max({r, g, b});
    const int cmin = std::min({r, g, b});
    Hls out;
    out.lightness = ((cmax + cmin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (cmax == cmin) {
        out.saturation = 0;
        out.hue = kHueUndefined;
        return out;
    }
    const int delta = cmax - cmin;
    if (out.lightness <= kHlsMax / 2) {
        out.saturation = (delta * kHlsMax + (cmax + cmin) / 2) / (cmax + cmin);
    } else {
        const int rest = 2 * kRgbMax - cmax - cmin;
        out.saturation = (delta * kHlsMax + rest / 2) / rest;
    }
    const int rdelta = ((cmax - r) * (kHlsMax / 6) + delta / 2) / delta;
    const int gdelta = ((cmax - g) * (kHlsMax / 6) + delta / 2) / delta;
    const int bdelta = ((cmax - b) * (kHlsMax / 6) + delta / 2) / delta;
    int hue;
    if (r == cmax) {
        hue = bdelta - gdelta;
    } else if (g == cmax) {
        hue = kHlsMax / 3 + rdelta - bdelta;
    } else {
        hue = 2 * kHlsMax / 3 + gdelta - rdelta;
    }
    if (hue < 0) hue += kHlsMax;
    if (hue > kHlsMax) hue -= kHlsMax;
    out.hue = hue;
    return out;
}

namespace {

int HueToChannel(int m1, int m2, int hue) {
    if (hue < 0) hue += kHlsMax;
    if (hue > kHlsMax) hue -= kHlsMax;
    if (hue < kHlsMax / 6) return m1 + ((m2 - m1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    if (hue < kHlsMax / 2) return m2;
    if (hue < kHlsMax * 2 / 3) return m1 + ((m2 - m1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    return m1;
}

int ScaleChannel(int value) { return std::clamp((value * kRgbMax + kHlsMax / 2) / kHlsMax, 0, 255); }

}  // namespace

TColor HlsToRgb(const Hls& hls) {
    const int l = hls.lightness, s = hls.saturation, h = hls.hue;
    if (s == 0) {
        const int grey = std::clamp(l * kRgbMax / kHlsMax, 0, 255);
        return MakeRgb(grey, grey, grey);
    }
    const int m2 =
        l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax : l + s - (l * s + kHlsMax / 2) / kHlsMax;
    const int m1 = 2 * l - m2;
    return MakeRgb(ScaleChannel(HueToChannel(m1, m2, h + kHlsMax / 3)), ScaleChannel(HueToChannel(m1, m2, h)),
                   ScaleChannel(HueToChannel(m1, m2, h - kHlsMax / 3)));
}

std::uint32_t PackHls(const Hls& hls) {
    return static_cast<std::uint32_t>((hls.hue & 0xFF) | ((hls.lightness & 0xFF) << 8) |
                                      ((hls.saturation & 0xFF) << 16));
}

std::optional<ShadowColors> DeriveShadowColors(TColor face_rgb) {
    const Hls face = RgbToHls(face_rgb);
    const int l = face.lightness;
    if (l == 0) return std::nullopt;
    auto with_lightness = [&](int lightness) {
        return HlsToRgb({face.hue, std::min(239, lightness), face.saturation});
    };
    return ShadowColors{with_lightness(l + l / 3), with_lightness(l - l / 2), with_lightness(l - l / 3)};
}

}  // namespace tv
