#pragma once
// The running processes as the platform enumerates them: executable name and process id.
#include <cstdint>
#include <string>
#include <vector>

namespace tv {

struct ProcessEntry {
    std::string name;  // base name on the NT family, full path from a ToolHelp snapshot
    std::uint32_t id = 0;
};

using ProcessList = std::vector<ProcessEntry>;

}  // namespace tv
