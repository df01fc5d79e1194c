#include "e2e/driver/RegistryMore.h"

#include "e2e/driver/Driver.h"
#include "e2e/driver/Registry.h"

namespace tv::e2e {

bool RegExeWriteDword(const std::string& name, std::uint32_t value) {
    const std::string cmd = "\"" + SystemFolder() + "reg.exe\" add \"" + kGameKeyForReg + "\" /v " + name +
                            " /t REG_DWORD /d " + std::to_string(value) + " /f";
    return RunAndWait(cmd) == 0;
}

}  // namespace tv::e2e
