#pragma once
// What the journal tells beyond the running totals: games per day, the percentage shown at the end
// of each day, the last games, the longest streaks across clears and the figures of any period.
// The first entry is the starting point: games are counted from it on.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/JournalEntry.h"

namespace tv {

// The games an entry records after the one before it: one for won and lost; for start and change
// the growth of Won and Lost; none for a fall of either (a reset), a Clear or a restore.
struct GameCounts {
    std::int64_t won = 0;
    std::int64_t lost = 0;
    bool operator==(const GameCounts&) const = default;
};
GameCounts GamesBetween(const JournalEntry& before, const JournalEntry& after);

struct DayFigures {
    std::string date;  // yyyy-mm-dd, the entries' local date
    GameCounts games;
    std::string percent;  // the percentage shown at the day's end, as the main window shows it
    bool operator==(const DayFigures&) const = default;
};

struct StreakRecord {
    std::int64_t length = 0;
    std::string first_date, last_date;  // of the entries that record its first and its last game
    bool operator==(const StreakRecord&) const = default;
};

struct GameResult {
    std::string time;  // of the entry that records it
    bool won = false;
    bool operator==(const GameResult&) const = default;
};

struct JournalFigures {
    std::vector<DayFigures> days;  // every day with an entry, in journal order
    StreakRecord longest_winning, longest_losing;
};

// Days and streaks over the whole journal. Several games in one entry extend a streak only when
// they are all of one kind (their order is unknown otherwise, and they end both streaks).
JournalFigures DeriveJournalFigures(const std::vector<JournalEntry>& entries);

// The last count games, oldest first; the games of one entry in it wins first.
std::vector<GameResult> LastGames(const std::vector<JournalEntry>& entries, std::size_t count);

struct PeriodFigures {
    GameCounts games;
    std::string percent;  // of the period's games alone
    bool operator==(const PeriodFigures&) const = default;
};

// The games of the days from first to last (yyyy-mm-dd, both included).
PeriodFigures FiguresOfPeriod(const std::vector<JournalEntry>& entries, std::string_view first, std::string_view last);

}  // namespace tv
