#include "e2e/history/JournalSupport.h"

#include <windows.h>

#include "history/JournalReader.h"
#include "support/system/Folders.h"
#include "support/system/Processes.h"

namespace tv::e2e {

void WriteGameAsTheGameDoes(const test::GameFigures& f) {
    const std::pair<const char*, std::int32_t> values[] = {{"Wins", f.Wins}, {"Losses", f.Losses}, {"Won", f.Won},
                                                           {"Lost", f.Lost}, {"Streak", f.Streak}, {"SType", f.SType}};
    for (const auto& [name, value] : values) {
        const auto u = static_cast<std::uint32_t>(value);
        test::WriteGameValue(name, REG_BINARY,
                             {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                              static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)});
    }
}

std::vector<JournalEntry> JournalEntries(const std::string& folder) {
    const std::string path = folder + kJournal;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    return ReadJournal(test::ReadWholeFile(path)).entries;
}

bool JournalSettlesAt(const std::string& folder, std::size_t count) {
    test::WaitUntil([&] { return JournalEntries(folder).size() >= count; });
    Sleep(1000);
    return JournalEntries(folder).size() == count;
}

JournalValues JournalValuesOf(const test::GameFigures& f) {
    return {{f.Won, f.Lost, f.Wins, f.Losses, f.Streak, f.SType}};
}

}  // namespace tv::e2e
