#include "support/guard/ThrowAwayPrefix.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tv::test {
namespace {

// Kept in step with tests/harness/wine-env.sh, the only writer of the marker.
constexpr const char* kMarkerPath = "C:\\tallyvane-test-prefix.txt";
constexpr const char* kMarkerText = "Throw-away Wine prefix of the Tallyvane tests";

}  // namespace

bool InThrowAwayPrefix() {
    std::ifstream marker(kMarkerPath, std::ios::binary);
    std::string line;
    if (!marker || !std::getline(marker, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line == kMarkerText;
}

void RequireThrowAwayPrefix() {
    if (InThrowAwayPrefix()) return;
    std::fprintf(stderr,
                 "Refusing to run: this program changes the FreeCell statistics in the registry, files "
                 "beside it and running freecell.exe processes, and runs only in the throw-away Wine "
                 "prefix that tests/harness/wine-env.sh makes (its marker %s is missing).\n"
                 "Run the tests with: bash scripts/test.sh\n",
                 kMarkerPath);
    std::fflush(stderr);
    std::exit(2);
}

}  // namespace tv::test
