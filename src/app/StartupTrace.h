#pragma once
// Marks of the start-up's phases, for the start-up benchmark's account of where the time goes.
// Like ChooseUpdateSource, each build of the program links exactly one definition: the program's
// own does nothing; the benchmark's traced copy writes the time of each mark where it reads them.
#include <windows.h>

namespace tv {

enum class StartupPhase {
    Entry,          // the program's entry is reached
    WindowCreated,  // the main window and its controls exist, laid out
    FirstRefresh,   // the first refresh has set the figures
    FirstIdle,      // the message queue is empty for the first time: every first paint is done
    Count
};

void MarkStartupPhase(StartupPhase phase);

// Marks FirstIdle the first time a message loop finds its queue empty; called before each
// GetMessage. PeekMessage makes the pending paints' WM_PAINT too: an empty queue means they are done.
class FirstIdleWatch {
public:
    void BeforeGetMessage() {
        MSG msg;
        if (reached_ || PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return;
        MarkStartupPhase(StartupPhase::FirstIdle);
        reached_ = true;
    }

private:
    bool reached_ = false;
};

}  // namespace tv
