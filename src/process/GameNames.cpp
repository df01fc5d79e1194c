#include "process/GameNames.h"

#include "platform/TextCase.h"

namespace tv {

std::string GamePathIn(const std::string& folder) {
    // A separator is added even to an empty folder text, as the path is built from its parts.
    std::string path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + kGameFileName;
}

std::string GameSearchName(PlatformFamily family, const std::string& windows_folder) {
    if (family == PlatformFamily::Windows9x) return GamePathIn(windows_folder);
    return kGameFileName;
}

std::string GameNotFoundText(const std::string& folder) {
    const std::string path = GamePathIn(folder);
    const std::string folder_part = path.substr(0, path.size() - std::string_view(kGameFileName).size());
    return "FreeCell.exe could not be found in " + folder_part + ".";
}

bool AsciiNameEquals(const std::string& a, const std::string& b) { return EqualsIgnoringAsciiCase(a, b); }

std::optional<std::uint32_t> FindFirstNamed(const ProcessList& list, const std::string& name, NameEquals equals) {
    for (const ProcessEntry& entry : list)
        if (equals(entry.name, name)) return entry.id;
    return std::nullopt;
}

}  // namespace tv
