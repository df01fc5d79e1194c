#include <gtest/gtest.h>

#include "app/ErrorBox.h"

namespace tv {
namespace {

TEST(GeneralErrorText, FullStopOnlyAfterCharactersAboveTheFullStop) {
    EXPECT_EQ(GeneralErrorText("Cannot open file"), "Cannot open file.");
    EXPECT_EQ(GeneralErrorText("Done."), "Done.");
    EXPECT_EQ(GeneralErrorText("Invalid data type for 'Won'"), "Invalid data type for 'Won'");  // ' is below .
    EXPECT_EQ(GeneralErrorText("Is it?"), "Is it?.");  // ? is above .
    EXPECT_EQ(GeneralErrorText("value 7"), "value 7.");
    EXPECT_EQ(GeneralErrorText("a-"), "a-");
    EXPECT_EQ(GeneralErrorText("path\\"), "path\\.");
    EXPECT_EQ(GeneralErrorText(""), "");
}

}  // namespace
}  // namespace tv
