// A caption's access-key marks, read one way for the screen, the keyboard and accessibility.
#include <gtest/gtest.h>

#include "widgets/button/AccessKey.h"

namespace tv {
namespace {

TEST(AccessKey, TheShownCaptionDropsTheMarksOnly) {
    EXPECT_EQ(ShownCaption("&Clear Statistics"), "Clear Statistics");
    EXPECT_EQ(ShownCaption("Salt && Pepper"), "Salt & Pepper");
    EXPECT_EQ(ShownCaption("x&&&"), "x&");
    EXPECT_EQ(ShownCaption("&&&x"), "&x");
    EXPECT_EQ(ShownCaption("a&b&c"), "abc");
    EXPECT_EQ(ShownCaption("trailing&"), "trailing");
    EXPECT_EQ(ShownCaption("&"), "");
    EXPECT_EQ(ShownCaption(""), "");
}

TEST(AccessKey, FoundAfterASingleAmpersand) {
    EXPECT_EQ(AcceleratorOf("&Clear Statistics"), 'C');
    EXPECT_EQ(AcceleratorOf("Cl&ose FreeCell"), 'o');
    EXPECT_EQ(AcceleratorOf("Salt && &Pepper"), 'P');
    EXPECT_EQ(AcceleratorOf("a&b&c"), 'b');    // the first mark counts
    EXPECT_EQ(AcceleratorOf("A && B"), '\0');  // "&&" is no access key
    EXPECT_EQ(AcceleratorOf("&&&x"), 'x');
    EXPECT_EQ(AcceleratorOf("End&"), '\0');  // a trailing "&" marks nothing
    EXPECT_EQ(AcceleratorOf(""), '\0');
}

TEST(AccessKey, WhereTheKeyStandsInTheShownCaption) {
    EXPECT_EQ(ReadAccessKey("Cl&ose FreeCell").key, 2u);
    EXPECT_EQ(ReadAccessKey("&&&x").key, 1u);  // after the one "&" that is shown
    EXPECT_EQ(ReadAccessKey("Exit").key, std::string::npos);
    EXPECT_EQ(ReadAccessKey("x&&").key, std::string::npos);
}

TEST(AccessKey, TypedKeysMatchRegardlessOfAsciiCase) {
    EXPECT_TRUE(IsAccelerator('o', "&OK"));
    EXPECT_TRUE(IsAccelerator('O', "&OK"));
    EXPECT_FALSE(IsAccelerator('K', "&OK"));
    EXPECT_FALSE(IsAccelerator('x', "Exit"));
    EXPECT_FALSE(IsAccelerator('&', "A && B"));
    EXPECT_FALSE(IsAccelerator('\0', "End&"));
    EXPECT_TRUE(IsAccelerator('1', "Game &1"));
    EXPECT_FALSE(IsAccelerator('!', "Game &1"));  // no case to fold: not Shift+1
}

TEST(AccessKey, BytesAboveAsciiAreKeysAndCompareExactly) {
    // "&Äpfel" in the ANSI code page: the byte is the key; only ASCII letters fold.
    EXPECT_EQ(AcceleratorOf("&\xC4pfel"), '\xC4');
    EXPECT_EQ(ShownCaption("&\xC4pfel"), "\xC4pfel");
    EXPECT_TRUE(IsAccelerator('\xC4', "&\xC4pfel"));
    EXPECT_FALSE(IsAccelerator('\xE4', "&\xC4pfel"));
}

}  // namespace
}  // namespace tv
