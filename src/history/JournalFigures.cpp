#include "history/JournalFigures.h"

#include <algorithm>
#include <limits>

#include "stats/DerivedFigures.h"

namespace tv {

namespace {

std::string_view DateOf(const JournalEntry& entry) { return std::string_view(entry.time).substr(0, 10); }

std::int32_t Saturated(std::int64_t n) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(n, std::numeric_limits<std::int32_t>::max()));
}

// Walks the games of every entry after the first: visit(index, counts).
template <typename Visit>
void ForEachGames(const std::vector<JournalEntry>& entries, Visit visit) {
    for (std::size_t i = 1; i < entries.size(); ++i) visit(i, GamesBetween(entries[i - 1], entries[i]));
}

class StreakTracker {
public:
    void Add(std::int64_t games, std::string_view date) {
        if (games == 0) return;
        if (current_.length == 0) current_.first_date.assign(date);
        current_.length += games;
        current_.last_date.assign(date);
        if (current_.length > longest_.length) longest_ = current_;
    }
    void End() { current_ = {}; }
    const StreakRecord& Longest() const { return longest_; }

private:
    StreakRecord current_, longest_;
};

}  // namespace

GameCounts GamesBetween(const JournalEntry& before, const JournalEntry& after) {
    switch (after.event) {
        case JournalEvent::Won:
            return {1, 0};
        case JournalEvent::Lost:
            return {0, 1};
        case JournalEvent::Clear:
        case JournalEvent::Restore:
            return {};
        case JournalEvent::Start:
        case JournalEvent::Change:
            break;
    }
    const std::int64_t won = std::int64_t{after.values.Won()} - before.values.Won();
    const std::int64_t lost = std::int64_t{after.values.Lost()} - before.values.Lost();
    if (won < 0 || lost < 0) return {};
    return {won, lost};
}

JournalFigures DeriveJournalFigures(const std::vector<JournalEntry>& entries) {
    JournalFigures figures;
    StreakTracker winning, losing;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const JournalEntry& entry = entries[i];
        const std::string_view date = DateOf(entry);
        if (figures.days.empty() || figures.days.back().date != date) figures.days.push_back({std::string(date)});
        DayFigures& day = figures.days.back();
        day.percent = GetPercentText(entry.values.Won(), entry.values.Lost());
        if (i == 0) continue;
        const GameCounts games = GamesBetween(entries[i - 1], entry);
        day.games.won += games.won;
        day.games.lost += games.lost;
        if (games.won > 0 && games.lost > 0) {
            winning.End();
            losing.End();
        } else if (games.won > 0) {
            losing.End();
            winning.Add(games.won, date);
        } else if (games.lost > 0) {
            winning.End();
            losing.Add(games.lost, date);
        }
    }
    figures.longest_winning = winning.Longest();
    figures.longest_losing = losing.Longest();
    return figures;
}

std::vector<GameResult> LastGames(const std::vector<JournalEntry>& entries, std::size_t count) {
    std::vector<GameResult> newest_first;
    for (std::size_t i = entries.size(); i > 1 && newest_first.size() < count; --i) {
        const GameCounts games = GamesBetween(entries[i - 2], entries[i - 1]);
        // Newest first: the entry's losses, then its wins; reversed below.
        for (std::int64_t n = 0; n < games.lost && newest_first.size() < count; ++n)
            newest_first.push_back({entries[i - 1].time, false});
        for (std::int64_t n = 0; n < games.won && newest_first.size() < count; ++n)
            newest_first.push_back({entries[i - 1].time, true});
    }
    std::reverse(newest_first.begin(), newest_first.end());
    return newest_first;
}

PeriodFigures FiguresOfPeriod(const std::vector<JournalEntry>& entries, std::string_view first, std::string_view last) {
    PeriodFigures period;
    ForEachGames(entries, [&](std::size_t i, const GameCounts& games) {
        const std::string_view date = DateOf(entries[i]);
        if (date < first || date > last) return;
        period.games.won += games.won;
        period.games.lost += games.lost;
    });
    period.percent = GetPercentText(Saturated(period.games.won), Saturated(period.games.lost));
    return period;
}

}  // namespace tv
