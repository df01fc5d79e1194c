#pragma once
// Starting the game from the folder where the system keeps it.
#include <string>

namespace tv {

enum class LaunchOutcome { AlreadyRunning, Started, NotFound };

struct LaunchResult {
    LaunchOutcome outcome;
    std::string folder;  // where the game was looked for
};

// The folder the game is expected in: the system folder on the NT family, the Windows folder on
// Windows 9x, empty elsewhere.
std::string GameFolder();

// Starts freecell.exe from GameFolder() unless a game is running already; shows nothing itself.
LaunchResult LaunchFreeCell();

}  // namespace tv
