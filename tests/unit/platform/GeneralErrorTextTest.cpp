#include <gtest/gtest.h>

#include "platform/GeneralError.h"

namespace tv {
namespace {

TEST(GeneralErrorText, FullStopOnlyAfterCharactersAboveTheFullStop) {
    EXPECT_EQ(GeneralErrorText("Cannot open file"), "Cannot open file.");
    EXPECT_EQ(GeneralErrorText("Done."), "Done.");
    EXPECT_EQ(GeneralErrorText("Invalid data type for 'Won'"), "Invalid data type for 'Won'");  // ' is below .
    EXPECT_EQ(GeneralErrorText("Is it?"), "Is it?.");                                           // ? is above .
    EXPECT_EQ(GeneralErrorText("value 7"), "value 7.");
    EXPECT_EQ(GeneralErrorText("a-"), "a-");
    EXPECT_EQ(GeneralErrorText("path\\"), "path\\.");
    EXPECT_EQ(GeneralErrorText(""), "");
    EXPECT_EQ(GeneralErrorText("caf\xE9"), "caf\xE9.");  // ANSI characters above 127 count as above .
    EXPECT_EQ(GeneralErrorText("Failed to get data for 'Streak'"), "Failed to get data for 'Streak'");
    EXPECT_EQ(GeneralErrorText("line one\r\nline two"), "line one\r\nline two.");
}

}  // namespace
}  // namespace tv
