#include "app/InstanceName.h"

namespace tv {

std::string InstanceNameFromPath(const std::string& path) {
    const auto cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace tv
