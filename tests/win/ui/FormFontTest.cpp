// The forms' font is the face the program names, not a substitute the prefix happens to have.
#include <gtest/gtest.h>

#include "support/guard/PrefixFonts.h"
#include "ui/FormFont.h"

namespace tv {
namespace {

TEST(FormFont, IsRealisedAsMsSansSerifInBothWeights) {
    const UniqueFont regular = CreateDesignedFont(kFormFontDesign, Dpi{});
    const UniqueFont bold = CreateDesignedFont(kBoldFormFontDesign, Dpi{});
    EXPECT_EQ(test::RealisedFace(regular.get()), "MS Sans Serif");
    EXPECT_EQ(test::RealisedFace(bold.get()), "MS Sans Serif");
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    SelectGuard select(dc.get(), bold.get());
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(dc.get(), &tm));
    EXPECT_GE(tm.tmWeight, FW_BOLD);
}

TEST(FormFont, TheWindowFramesGlyphFontExists) {
    // The caption buttons' glyphs (minimise "0", close "r") come from Marlett.
    EXPECT_EQ(test::RealisedFace("Marlett", SYMBOL_CHARSET), "Marlett");
    EXPECT_TRUE(test::SubstitutedFaces().empty());
}

}  // namespace
}  // namespace tv
