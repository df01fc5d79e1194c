// Glyph-count rules, state cells and the shared glyph-list cache.
#include <gtest/gtest.h>

#include "widgets/button/GlyphCache.h"
#include "widgets/button/GlyphRules.h"

namespace tv {
namespace {

TEST(GlyphCount, DerivedFromTheBitmapShape) {
    EXPECT_EQ(DeriveNumGlyphs(64, 16, 1), 4);
    EXPECT_EQ(DeriveNumGlyphs(80, 16, 2), 1);  // five cells are not accepted
    EXPECT_EQ(DeriveNumGlyphs(50, 16, 2), 2);  // not a whole multiple: keeps the count
    EXPECT_EQ(DeriveNumGlyphs(32, 16, 1), 2);
    EXPECT_EQ(DeriveNumGlyphs(0, 0, 3), 1);   // empty bitmap
    EXPECT_EQ(DeriveNumGlyphs(8, 16, 3), 3);  // narrower than high: zero cells are ignored
}

TEST(GlyphCount, StateCells) {
    EXPECT_EQ(GlyphCellForState(psPressed, 2), 0);  // borrows the up image below three cells
    EXPECT_EQ(GlyphCellForState(psPressed, 3), 2);
    EXPECT_EQ(GlyphCellForState(psDisabled, 1), 0);
    EXPECT_EQ(GlyphCellForState(psDisabled, 2), 1);
    EXPECT_EQ(GlyphCellForState(psLatched, 4), 3);
    EXPECT_EQ(GlyphCellForState(psArrowPressed, 4), 0);
}

struct FakeList {
    FakeList(int w, int h) : width(w), height(h) {}
    int Width() const { return width; }
    int Height() const { return height; }
    int Count() const { return slots.Count(); }
    int width, height;
    GlyphSlots slots;
};

TEST(GlyphCache, SameCellSizeSharesOneListUntilEmpty) {
    TVtGlyphCache<FakeList> cache;
    FakeList* a = cache.GetList(16, 16);
    FakeList* b = cache.GetList(16, 16);
    FakeList* other = cache.GetList(24, 24);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, other);
    EXPECT_EQ(cache.Size(), 2u);

    bool grow = false;
    const int first = a->slots.Allocate(grow);
    EXPECT_TRUE(grow);
    const int second = b->slots.Allocate(grow);
    EXPECT_NE(first, second);
    a->slots.Release(first);
    cache.ReturnList(a);  // still holds the second image
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_EQ(cache.GetList(16, 16), a);
    // A freed slot is reused before the list grows.
    const int again = a->slots.Allocate(grow);
    EXPECT_EQ(again, first);
    EXPECT_FALSE(grow);
    a->slots.Release(again);
    b->slots.Release(second);
    b->slots.Release(second);  // releasing twice changes nothing
    EXPECT_EQ(b->Count(), 0);
    cache.ReturnList(b);
    cache.ReturnList(other);
    EXPECT_TRUE(cache.Empty());
}

}  // namespace
}  // namespace tv
