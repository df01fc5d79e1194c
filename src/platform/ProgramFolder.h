#pragma once
#include <string>

namespace tv {

// The running executable's full path, as the system reports it.
std::string ExecutablePath();
// Its folder, with the trailing separator.
std::string ProgramFolder();

}  // namespace tv
