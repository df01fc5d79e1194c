// The Input prompt's layout and the names the window kit gives its controls.
#include <gtest/gtest.h>

#include "app/ui/InputPromptLayout.h"
#include "app/ui/LabelName.h"

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

TEST(LabelName, AControlIsNamedAfterItsLabelWithoutTheColon) {
    EXPECT_EQ(NameFromLabel("Select backup to restore:"), "Select backup to restore");
    EXPECT_EQ(NameFromLabel("Name : "), "Name");
    EXPECT_EQ(NameFromLabel("Totals"), "Totals");
    EXPECT_EQ(NameFromLabel(""), "");
}

}  // namespace
}  // namespace tv
