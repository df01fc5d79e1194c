// Any file's bytes: splitting never fails, and every value either reads or fails with a
// conversion error.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "backup/BackupReader.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = tv::SplitBackupText(bytes);
    for (const auto& line : lines)
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
    for (const char* quoted :
         {tv::kQuotedWon, tv::kQuotedLost, tv::kQuotedWins, tv::kQuotedLosses, tv::kQuotedStreak, tv::kQuotedSType}) {
        try {
            tv::ReadBackupValue(lines, quoted, tv::EqualsIgnoringAsciiCase);
        } catch (const tv::TvError&) {
        }
    }
    return 0;
}
