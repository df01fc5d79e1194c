#pragma once
// Pixels per inch and the arithmetic that turns a layout given at 96 pixels per inch into pixels
// of a real display: every position, size and font height of every window goes through it.
#include "platform/Rounding.h"

namespace tv {

// The pixels per inch every layout of the program is written in.
inline constexpr int kDesignDpi = 96;

class Dpi {
public:
    constexpr Dpi() = default;
    // A value of 0 or less (a failed query) means the design DPI.
    constexpr explicit Dpi(int value) : value_(value > 0 ? value : kDesignDpi) {}

    constexpr int Value() const { return value_; }

    // A position or size given at 96 dpi, rounded as MulDiv rounds (145.5 gives 146).
    constexpr int Scale(int design) const { return MulDivRound(design, value_, kDesignDpi); }

    // The font height for a size in points, as the platform turns points into pixels:
    // -MulDiv(points, dpi, 72), so 8 points is -11 at 96 dpi and -16 at 144 (not -11 scaled).
    constexpr int FontHeight(int points) const { return -MulDivRound(points, value_, 72); }

    // A line one pixel wide at 96 dpi (frames, rules, focus dots) stays one pixel at every scale.
    static constexpr int kHairline = 1;

    constexpr bool operator==(const Dpi&) const = default;

private:
    int value_ = kDesignDpi;
};

// A rectangle given at 96 dpi by its left, top, width and height.
struct DesignRect {
    int x = 0, y = 0, width = 0, height = 0;
    constexpr bool operator==(const DesignRect&) const = default;
};

// Position and size each scaled, as the platform scales a dialog's controls.
constexpr DesignRect ScaleRect(const DesignRect& r, Dpi dpi) {
    return {dpi.Scale(r.x), dpi.Scale(r.y), dpi.Scale(r.width), dpi.Scale(r.height)};
}

}  // namespace tv
