#pragma once
#include <string>

namespace tv {

// The file-name part of an executable's path, extension included, exactly as given
// (C:\Games\Tallyvane.exe gives Tallyvane.exe).
std::string InstanceNameFromPath(const std::string& path);

}  // namespace tv
