#pragma once
// The Windows tests and benchmarks change the game's statistics, files beside the program and the
// game's processes. They run only in the throw-away Wine prefix that tests/harness/wine-env.sh
// makes, which it marks with a file no other prefix or Windows installation has.

namespace tv::test {

// True when the marker file of the harness is present with its text.
bool InThrowAwayPrefix();

// Ends the process with a clear message, before anything is changed, unless InThrowAwayPrefix().
void RequireThrowAwayPrefix();

}  // namespace tv::test
