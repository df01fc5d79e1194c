#pragma once
// How the main window learns that the game's values changed: the change monitor where the
// registry reports changes, the one-second polling timer elsewhere. Each build of the program links
// exactly one definition: the program's own asks the system; the benchmarks' polling build
// always polls, for comparison.
namespace tv {

enum class UpdateSource { ChangeMonitor, PollingTimer };

UpdateSource ChooseUpdateSource();

}  // namespace tv
