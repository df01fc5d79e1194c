#pragma once
// A form as it is designed, in pixels at 96 pixels per inch, and the same form at a real DPI.
// Every form keeps its design as plain values; one layout step applies a DPI to all of it, so a
// window's creation and its move to a monitor of another scale run the same arithmetic.
#include <span>
#include <vector>

#include "platform/Dpi.h"
#include "ui/LayoutRect.h"

namespace tv {

enum class LabelAnchor { Left, Right };  // Right: the text grows to the left of the right edge

// A font by its face and point size; its pixel height follows from the DPI.
struct FontDesign {
    const char* face = "MS Sans Serif";
    int points = 8;
    bool bold = false;
    bool underline = false;
    bool ansi_charset = false;  // otherwise the default character set
};

inline constexpr FontDesign kFormFontDesign{};
inline constexpr FontDesign kBoldFormFontDesign{"MS Sans Serif", 8, true};

// The fonts of a form that has the form font and its bold, in this order.
enum RegularAndBoldFont : int { kRegularFont, kBoldFont };
inline constexpr FontDesign kRegularAndBoldFonts[] = {kFormFontDesign, kBoldFormFontDesign};

inline constexpr int kNoFont = -1;

// An auto-sized label: x is its left edge, or its right edge when anchored right; its size comes
// from its text in its font. font indexes the form's fonts.
struct LabelDesign {
    int id = 0;
    int x = 0;
    int y = 0;
    const char* caption = "";
    LabelAnchor anchor = LabelAnchor::Left;
    int font = 0;
};

// A control of fixed size: a push button, a list, an image.
struct ControlDesign {
    int id = 0;
    DesignRect rect;
    int font = 0;  // kNoFont: the control shows no text
};

struct FormDesign {
    int client_width = 0;
    int client_height = 0;
    std::span<const FontDesign> fonts;  // the first is the form's own font
    std::span<const LabelDesign> labels;
    std::span<const ControlDesign> controls;
};

// The design at one DPI, in client pixels.
struct PlacedLabel {
    int id = 0;
    int x = 0;  // the left edge, or the right edge when anchored right
    int y = 0;
    LabelAnchor anchor = LabelAnchor::Left;
    int font = 0;
    bool operator==(const PlacedLabel&) const = default;
};

struct PlacedControl {
    int id = 0;
    LayoutRect rect;
    int font = 0;
    bool operator==(const PlacedControl&) const = default;
};

struct FormLayout {
    int client_width = 0;
    int client_height = 0;
    std::vector<int> font_heights;  // per font of the design, for CreateFont
    std::vector<PlacedLabel> labels;
    std::vector<PlacedControl> controls;
};

FormLayout LayOutForm(const FormDesign& design, Dpi dpi);

// Where a placed label goes once its text has been measured.
LayoutRect LabelRect(int x, int y, LabelAnchor anchor, int text_width, int text_height);

// The design entry of a control by its id; nullptr when the design has none.
const LabelDesign* FindLabel(const FormDesign& design, int id);
const ControlDesign* FindControl(const FormDesign& design, int id);

}  // namespace tv
