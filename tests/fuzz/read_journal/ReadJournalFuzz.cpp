// Any file's bytes: reading skips what does not read, every entry it keeps writes back to a line
// that reads as the same entry, and the figures derive without failing.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/JournalCsv.h"
#include "history/JournalFigures.h"
#include "history/JournalReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tv::JournalRead read = tv::ReadJournal(text);
    if (!read.ours && (!read.entries.empty() || read.skipped != 0)) std::abort();
    for (const auto& entry : read.entries) {
        const std::string line = tv::FormatJournalLine(entry);
        const auto back = tv::ParseJournalLine(std::string_view(line).substr(0, line.size() - 2));
        if (!back || back->time != entry.time || back->event != entry.event || back->values != entry.values ||
            back->detail != entry.detail)
            std::abort();
    }
    const auto figures = tv::DeriveJournalFigures(read.entries);
    if (figures.days.size() > read.entries.size()) std::abort();
    if (tv::LastGames(read.entries, 10).size() > 10) std::abort();
    tv::FiguresOfPeriod(read.entries, "0000-01-01", "9999-12-31");
    const auto last = tv::LastJournalEntry(text);
    if (read.ours && !read.entries.empty() && !last) std::abort();
    return 0;
}
