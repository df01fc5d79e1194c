#include "support/guard/ThrowAwayPrefix.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tv::test {
namespace {

// The marker's name and text come from tests/harness/prefix-marker.sh, which the harness, its only
// writer, reads too.
constexpr const char* kMarkerPath = "C:\\" TV_PREFIX_MARKER_NAME;
constexpr const char* kMarkerText = TV_PREFIX_MARKER_TEXT;

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
