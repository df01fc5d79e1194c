// Any file name either decodes to a valid stamp and a name that re-encodes to it, or fails with a
// conversion error; nothing else may happen.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "backup/BackupFormat.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    try {
        const tv::BackupEntry entry = tv::ParseBackupFileName(name);
        tv::CheckStamp(entry.Stamp);  // a decoded stamp is always a possible one
        if (entry.FileName != name) std::abort();
        if (name.size() >= 20 && entry.BackupName != name.substr(0, name.size() - 20)) std::abort();
        if (name.size() <= 20 && !entry.BackupName.empty()) std::abort();
    } catch (const tv::TvError&) {
    }
    return 0;
}
