#include "history/JournalEntry.h"

#include <cctype>

namespace tv {

namespace {

constexpr std::array<std::string_view, 6> kEventNames = {"won", "lost", "clear", "restore", "start", "change"};

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string_view JournalEventName(JournalEvent event) { return kEventNames[static_cast<std::size_t>(event)]; }

std::optional<JournalEvent> JournalEventFromName(std::string_view text) {
    for (std::size_t i = 0; i < kEventNames.size(); ++i)
        if (EqualsIgnoringAsciiCase(text, kEventNames[i])) return static_cast<JournalEvent>(i);
    return std::nullopt;
}

JournalEvent ClassifyChange(const JournalValues& before, const JournalValues& after) {
    // In 64 bits: a count at its 32-bit limit does not wrap into a game.
    const std::int64_t won = std::int64_t{after.Won()} - before.Won();
    const std::int64_t lost = std::int64_t{after.Lost()} - before.Lost();
    if (won == 1 && lost == 0) return JournalEvent::Won;
    if (won == 0 && lost == 1) return JournalEvent::Lost;
    return JournalEvent::Change;
}

}  // namespace tv
