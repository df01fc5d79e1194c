// main() of every Windows test: nothing runs outside the harness's throw-away prefix, nor in a
// prefix that draws the program's fonts in a substitute.
#include <gtest/gtest.h>

#include "support/guard/PrefixFonts.h"
#include "support/guard/ThrowAwayPrefix.h"

int main(int argc, char** argv) {
    tv::test::RequireThrowAwayPrefix();
    tv::test::RequireProgramFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
