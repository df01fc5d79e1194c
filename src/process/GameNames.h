#pragma once
// Where the game is looked for and what the user is told about it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "process/ProcessList.h"

namespace tv {

inline constexpr const char* kGameFileName = "freecell.exe";
inline constexpr const char* kAlreadyRunningText = "FreeCell is already running.";

// The game's executable in a folder: folder, separator, "freecell.exe".
std::string GamePathIn(const std::string& folder);

// The process list entry that counts as the game: "freecell.exe" on the NT family (base names), the
// full path in the Windows folder on Windows 9x (snapshot entries carry full paths). The caller
// converts the 9x path to upper case with the system's locale rules.
std::string GameSearchName(PlatformFamily family, const std::string& windows_folder);

// The warning shown when the game's executable is missing; the folder gets its trailing separator.
std::string GameNotFoundText(const std::string& folder);

using NameEquals = bool (*)(const std::string& a, const std::string& b);

// ASCII letters compared without regard to case, every other byte exactly.
bool AsciiNameEquals(const std::string& a, const std::string& b);

// The id of the first entry, in list order, whose whole name equals the search name.
std::optional<std::uint32_t> FindFirstNamed(const ProcessList& list, const std::string& name,
                                            NameEquals equals = AsciiNameEquals);

}  // namespace tv
