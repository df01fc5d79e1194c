// The Input prompt's layout and the names the window kit gives its controls.
#include <gtest/gtest.h>

#include "ui/InputPromptLayout.h"
#include "ui/LabelName.h"

#include <utility>

namespace tv {
namespace {

TEST(InputPromptLayout, MSSansSerifEightPointGivesThePromptsPixels) {
    // Average width 5, height 13: a horizontal unit is 1.25 pixels, a vertical one 1.625.
    const InputPromptLayout layout = LayOutInputPrompt(DialogUnits{5, 13});
    EXPECT_EQ(layout.client_width, 225);   // 180 units
    EXPECT_EQ(layout.client_height, 102);  // 63 units: 102.375
    EXPECT_EQ(layout.prompt_left, 10);
    EXPECT_EQ(layout.prompt_top, 13);
    EXPECT_EQ(layout.field, (LayoutRect{10, 31, 205, 21}));  // 19 units down: 30.875; one line plus 8
    EXPECT_EQ(layout.ok, (LayoutRect{48, 67, 63, 23}));      // 38 units: 47.5 rounds up
    EXPECT_EQ(layout.cancel, (LayoutRect{115, 67, 63, 23}));
}

TEST(InputPromptLayout, RoundsEveryMeasureByItself) {
    const InputPromptLayout layout = LayOutInputPrompt(DialogUnits{7, 16});
    EXPECT_EQ(layout.client_width, 315);
    EXPECT_EQ(layout.client_height, 126);
    EXPECT_EQ(layout.field.width, 287);
    EXPECT_EQ(layout.ok.left, 67);  // 66.5
}

TEST(InputPromptLayout, ScalesWithTheFontMadeForTheDpi) {
    // MS Sans Serif 8 point as Wine realises it at 120 dpi (-13: 8 by 16) and at 144 (-16: 9 by 20).
    const InputPromptLayout at120 = LayOutInputPrompt(DialogUnits{8, 16}, Dpi(120));
    EXPECT_EQ(at120.client_width, 360);
    EXPECT_EQ(at120.client_height, 126);
    EXPECT_EQ(at120.field, (LayoutRect{16, 38, 328, 16 + 4 + 5}));  // the border stays 2 + 2, the room scales
    EXPECT_EQ(at120.ok, (LayoutRect{76, 82, 100, 28}));
    const InputPromptLayout at144 = LayOutInputPrompt(DialogUnits{9, 20}, Dpi(144));
    EXPECT_EQ(at144.client_width, 405);
    EXPECT_EQ(at144.field.height, 20 + 4 + 6);
    EXPECT_EQ(at144.cancel, (LayoutRect{207, 103, 113, 35}));  // 92 units: 207; 41 units: 102.5
    // The text line fits the field at every scale, with the border and room around it.
    for (const auto& [du, dpi] : {std::pair{DialogUnits{5, 13}, 96}, std::pair{DialogUnits{8, 16}, 120},
                                  std::pair{DialogUnits{9, 20}, 144}, std::pair{DialogUnits{9, 20}, 192}}) {
        const InputPromptLayout l = LayOutInputPrompt(du, Dpi(dpi));
        EXPECT_GE(l.field.height - 2 * kInputFieldBorder, du.char_height + 4) << dpi;
        EXPECT_LT(l.field.top + l.field.height, l.ok.top) << dpi;
    }
}

TEST(LabelName, AControlIsNamedAfterItsLabelWithoutTheColon) {
    EXPECT_EQ(NameFromLabel("Select backup to restore:"), "Select backup to restore");
    EXPECT_EQ(NameFromLabel("Name : "), "Name");
    EXPECT_EQ(NameFromLabel("Totals"), "Totals");
    EXPECT_EQ(NameFromLabel(""), "");
}

}  // namespace
}  // namespace tv
