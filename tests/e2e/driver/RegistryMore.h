#pragma once
// More ways for another process to change the game's values.
#include <cstdint>
#include <string>

namespace tv::e2e {

// Writes one value as REG_DWORD with Wine's own reg.exe: a type the program must refuse.
bool RegExeWriteDword(const std::string& name, std::uint32_t value);

}  // namespace tv::e2e
