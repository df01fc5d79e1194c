// What the History window shows, derived from a hand-made journal.
#include <gtest/gtest.h>

#include <string>

#include "history/JournalFigures.h"
#include "history/JournalReader.h"

namespace tv {
namespace {

// Two days and a bit: a start from earlier play, games, games played elsewhere, a Clear, a restore,
// the game's own reset, and a winning streak that runs across the Clear.
constexpr const char* kJournal =
    "Time,Event,Won,Lost,Wins,Losses,Streak,SType,Detail\r\n"
    "2026-12-07T20:00:00+01:00,start,10,5,3,2,1,1,\r\n"  // the starting point: no games
    "2026-12-07T20:05:00+01:00,lost,10,6,3,2,1,0,\r\n"
    "2026-12-07T20:10:00+01:00,won,11,6,3,2,1,1,\r\n"
    "2026-12-07T20:15:00+01:00,won,12,6,3,2,2,1,\r\n"
    "2026-12-08T09:00:00+01:00,start,15,6,3,2,5,1,\r\n"  // three wins while not running
    "2026-12-08T09:10:00+01:00,clear,,,,,,,\r\n"         // no games, no end of the streak
    "2026-12-08T09:20:00+01:00,won,1,0,1,0,1,1,\r\n"
    "2026-12-08T09:30:00+01:00,change,3,2,1,2,2,0,\r\n"  // wins and losses at once: ends both
    "2026-12-08T09:40:00+01:00,lost,3,3,1,3,3,0,\r\n"
    "2026-12-08T09:50:00+01:00,restore,40,60,4,5,1,0,\"Before Clear_20261208_091000.reg\"\r\n"
    "2026-12-08T10:00:00+01:00,lost,40,61,4,5,2,0,\r\n"
    "2026-12-09T08:00:00+01:00,change,0,0,0,0,0,2,\r\n"  // the game's own reset: no games
    "2026-12-09T08:10:00+01:00,lost,0,1,0,1,1,0,\r\n";

class JournalFigures : public testing::Test {
protected:
    std::vector<JournalEntry> entries_ = ReadJournal(kJournal).entries;
};

TEST_F(JournalFigures, GamesAndPercentageOfEachDay) {
    ASSERT_EQ(entries_.size(), 13u);
    const auto figures = DeriveJournalFigures(entries_);
    const std::vector<DayFigures> expected = {
        {"2026-12-07", {2, 1}, "67%"},
        {"2026-12-08", {3 + 1 + 2, 2 + 1 + 1}, "40%"},
        {"2026-12-09", {0, 1}, "0%"},
    };
    EXPECT_EQ(figures.days, expected);
}

TEST_F(JournalFigures, LongestStreaksRunAcrossClears) {
    const auto figures = DeriveJournalFigures(entries_);
    // won, won (12-07), three at once (12-08 09:00), Clear, won (09:20): six.
    EXPECT_EQ(figures.longest_winning, (StreakRecord{6, "2026-12-07", "2026-12-08"}));
    // lost (09:40), lost after the restore (10:00), the reset, lost (12-09): three.
    EXPECT_EQ(figures.longest_losing, (StreakRecord{3, "2026-12-08", "2026-12-09"}));
}

TEST_F(JournalFigures, LastGamesAndAnyPeriod) {
    const std::vector<GameResult> last = LastGames(entries_, 4);
    const std::vector<GameResult> expected = {{"2026-12-08T09:30:00+01:00", false},
                                              {"2026-12-08T09:40:00+01:00", false},
                                              {"2026-12-08T10:00:00+01:00", false},
                                              {"2026-12-09T08:10:00+01:00", false}};
    EXPECT_EQ(last, expected);
    EXPECT_EQ(LastGames(entries_, 100).size(), 14u);
    EXPECT_EQ(FiguresOfPeriod(entries_, "2026-12-08", "2026-12-09"), (PeriodFigures{{6, 5}, "55%"}));
    EXPECT_EQ(FiguresOfPeriod(entries_, "2026-12-07", "2026-12-07"), (PeriodFigures{{2, 1}, "67%"}));
    EXPECT_EQ(FiguresOfPeriod(entries_, "2027-01-01", "2027-12-31"), (PeriodFigures{{0, 0}, "0%"}));
    // Several games in one entry give no more than asked for, whatever their number.
    std::vector<JournalEntry> huge = {entries_[0], entries_[0]};
    huge[1].event = JournalEvent::Change;
    huge[1].values[JournalColumn::Won] = 2147483647;
    EXPECT_EQ(LastGames(huge, 3).size(), 3u);
}

}  // namespace
}  // namespace tv
