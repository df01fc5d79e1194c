#pragma once
// Marks of the start-up's phases, for the start-up benchmark's account of where the time goes.
// Like ChooseUpdateSource, each build of the program links exactly one definition: the program's
// own does nothing; the benchmark's traced copy writes the time of each mark where it reads them.
namespace tv {

enum class StartupPhase {
    Entry,           // the program's entry is reached
    WindowCreated,   // the main window and its controls exist, laid out
    FirstRefresh,    // the first refresh has set the figures
    FirstIdle,       // the message queue is empty for the first time: every first paint is done
    Count
};

void MarkStartupPhase(StartupPhase phase);

}  // namespace tv
