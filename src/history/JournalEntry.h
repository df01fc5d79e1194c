#pragma once
// One line of the statistics journal: when, what happened, and the six values after it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

// The journal's columns after Time and Event, in the order of the header line.
enum class JournalColumn { Won, Lost, Wins, Losses, Streak, SType };
inline constexpr std::size_t kJournalValueCount = 6;

// The six values as the registry held them; an absent value is empty, apart from 0.
struct JournalValues {
    std::array<std::optional<std::int32_t>, kJournalValueCount> values{};
    std::optional<std::int32_t>& operator[](JournalColumn c) { return values[static_cast<std::size_t>(c)]; }
    const std::optional<std::int32_t>& operator[](JournalColumn c) const { return values[static_cast<std::size_t>(c)]; }
    bool operator==(const JournalValues&) const = default;
    // Won and Lost as counts: an absent value counts as none.
    std::int32_t Won() const { return (*this)[JournalColumn::Won].value_or(0); }
    std::int32_t Lost() const { return (*this)[JournalColumn::Lost].value_or(0); }
};

enum class JournalEvent { Won, Lost, Clear, Restore, Start, Change };

std::string_view JournalEventName(JournalEvent event);
// The event named by text, in any letter case (a spreadsheet may have changed it).
std::optional<JournalEvent> JournalEventFromName(std::string_view text);

struct JournalEntry {
    std::string time;  // ISO 8601 local time with its offset from UTC
    JournalEvent event = JournalEvent::Change;
    JournalValues values;
    std::string detail;  // the restored backup's file name; empty otherwise
};

// The event that leads from before to after when no command of the program's own caused it:
// one game won or lost, or any other change.
JournalEvent ClassifyChange(const JournalValues& before, const JournalValues& after);

}  // namespace tv
