// The journal's line format, its reading, the events and the settling rule.
#include <gtest/gtest.h>

#include <string>

#include "history/JournalCsv.h"
#include "history/JournalReader.h"
#include "history/JournalSettler.h"
#include "history/JournalTime.h"

namespace tv {
namespace {

using V = std::optional<std::int32_t>;
constexpr V _ = std::nullopt;

JournalValues Values(V won, V lost, V wins = 0, V losses = 0, V streak = 0, V stype = 2) {
    return JournalValues{{won, lost, wins, losses, streak, stype}};
}

const std::string kHeaderLine = std::string(kJournalHeader) + "\r\n";

TEST(JournalFormat, LinesAreQuotedAsSpreadsheetsReadThem) {
    const JournalEntry entry{"2026-12-08T19:30:05+01:00", JournalEvent::Restore,
                             Values(-5, _, 2147483647, -2147483648, 0, _), "a,\"b\".reg"};
    const std::string line = FormatJournalLine(entry);
    EXPECT_EQ(line, "2026-12-08T19:30:05+01:00,restore,-5,,2147483647,-2147483648,0,,\"a,\"\"b\"\".reg\"\r\n");
    const auto back = ParseJournalLine(line.substr(0, line.size() - 2));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->values, entry.values);  // absent stays absent, 0 stays 0
    EXPECT_EQ(back->detail, entry.detail);
    EXPECT_EQ(back->event, JournalEvent::Restore);
    // A Detail is quoted even when it need not be, so that a line cut inside it never reads.
    EXPECT_EQ(CsvField("x.reg", true), "\"x.reg\"");
    EXPECT_EQ(CsvField("line\r\nend"), "\"line\r\nend\"");
}

TEST(JournalFormat, LinesThatDoNotRead) {
    for (const char* line : {
             "2026-12-08T19:30:05+01:00,won,1,0,1,0,1,1",            // a field short
             "2026-12-08T19:30:05+01:00,won,1,0,1,0,1,1,,",          // a field too many
             "2026-12-08T19:30:05+01:00,won,1,0,1,0,1,1,\"x.re",     // quote left open: cut short
             "2026-12-08T19:30:05+01:00,tied,1,0,1,0,1,1,",          // no such event
             "2026-12-08T19:30:05+01:00,won,1.5,0,1,0,1,1,",         // not an integer
             "2026-12-08T19:30:05+01:00,won,2147483648,0,1,0,1,1,",  // beyond 32 bits
             "2026-02-30T19:30:05+01:00,won,1,0,1,0,1,1,",           // no such day
             "08.12.2026 19:30,won,1,0,1,0,1,1,",                    // not ISO 8601
             "2026-12-08T19:30:05+01:00,won,1,0,1,0,1,1,x\"y",       // quote inside a bare field
         })
        EXPECT_FALSE(ParseJournalLine(line)) << line;
}

TEST(JournalFormat, SpreadsheetSpellingsStillRead) {
    for (const char* line : {
             "\"2026-12-08T19:30:05+01:00\",\"won\",\"1\",\"0\",\"1\",\"0\",\"1\",\"1\",\"\"",
             "2026-12-08 19:30:05+0100,WON, 1 ,0,1,0,1,+1,",
             "2026-12-08T19:30,won,1,0,1,0,1,1,",
             "2026-12-08T19:30:05Z,won,1,0,1,0,1,1,",
         }) {
        const auto entry = ParseJournalLine(line);
        ASSERT_TRUE(entry) << line;
        EXPECT_EQ(entry->event, JournalEvent::Won);
        EXPECT_EQ(entry->values, Values(1, 0, 1, 0, 1, 1)) << line;
    }
}

TEST(JournalFormat, TimeStampsCarryTheirOffset) {
    EXPECT_EQ(FormatJournalTime({2026, 12, 8, 19, 30, 5, 60}), "2026-12-08T19:30:05+01:00");
    EXPECT_EQ(FormatJournalTime({2026, 1, 2, 3, 4, 5, -570}), "2026-01-02T03:04:05-09:30");
    const auto t = ParseJournalTime("2026-01-02T03:04:05-09:30");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->offset_minutes, -570);
}

TEST(JournalReading, HeaderByteOrderMarkLineEndsTornAndBadLines) {
    const std::string won = "2026-12-08T19:30:05+01:00,won,1,0,1,0,1,1,";
    const std::string lost = "2026-12-08T19:31:05+01:00,lost,1,1,1,1,1,0,";
    struct Case {
        std::string text;
        bool ours;
        std::size_t entries, skipped;
    } cases[] = {
        {"", true, 0, 0},
        {kHeaderLine, true, 0, 0},
        {kHeaderLine + won + "\r\n" + lost + "\r\n", true, 2, 0},
        // As a spreadsheet saves it back: byte-order mark, quoted header, LF, no last line end.
        {"\xEF\xBB\xBF\"Time\",\"Event\",Won,Lost,Wins,Losses,Streak,SType,Detail\n" + won + "\n" + lost, true, 2, 0},
        // A last line cut short, and the next entry on a line of its own after it.
        {kHeaderLine + won + "\r\n2026-12-08T19:31:05+01:00,lo", true, 1, 1},
        {kHeaderLine + won + "\r\n2026-12-08T19:31:05+01:00,lo\r\n" + lost + "\r\n", true, 2, 1},
        {kHeaderLine + "\r\n" + won + "\r\nnonsense\r\n\r\n", true, 1, 1},
        {"Name,Score\r\n" + won + "\r\n", false, 0, 0},
        {won + "\r\n", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const JournalRead read = ReadJournal(c.text);
        EXPECT_EQ(read.ours, c.ours);
        EXPECT_EQ(read.entries.size(), c.entries);
        EXPECT_EQ(read.skipped, c.skipped);
        EXPECT_EQ(StartsAsJournal(c.text), c.ours);
    }
}

TEST(JournalReading, LastEntryOfATailSkipsItsFragmentAndTornLines) {
    const std::string text = kHeaderLine + "2026-12-08T19:30:05+01:00,won,1,0,1,0,1,1,\r\n" +
                             "2026-12-08T19:31:05+01:00,lost,1,1,1,1,1,0,\r\n2026-12-08T19:32:0";
    const auto last = LastJournalEntry(text);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->event, JournalEvent::Lost);
    EXPECT_FALSE(LastJournalEntry(text.substr(text.find("19:31"))));  // only a fragment and a torn line
    EXPECT_FALSE(LastJournalEntry(kHeaderLine));
}

TEST(JournalEvents, ClassifiedFromTheDifferenceToTheLastEntry) {
    struct Case {
        JournalValues before, after;
        JournalEvent expected;
    } cases[] = {
        {Values(5, 3), Values(6, 3, 1, 0, 1, 1), JournalEvent::Won},
        {Values(5, 3), Values(5, 4), JournalEvent::Lost},
        {Values(_, _, _, _, _, _), Values(1, 0), JournalEvent::Won},  // the first game after a Clear
        {Values(5, 3), Values(7, 3), JournalEvent::Change},           // several games at once
        {Values(5, 3), Values(6, 4), JournalEvent::Change},
        {Values(5, 3), Values(0, 0), JournalEvent::Change},                     // the game's own reset
        {Values(5, 3), Values(5, 3, 9), JournalEvent::Change},                  // another program's write
        {Values(2147483647, 3), Values(-2147483648, 3), JournalEvent::Change},  // no wrap into a game
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyChange(c.before, c.after), c.expected);
}

TEST(JournalEvents, EntryToAppendNamesStartClearRestoreAndWritesNothingUnchanged) {
    const JournalEntry last{"2026-12-08T19:30:05+01:00", JournalEvent::Won, Values(5, 3), ""};
    const auto settled = [](JournalValues v, std::optional<JournalEvent> command, bool first) {
        return SettledValues{v, command, command == JournalEvent::Restore ? "x.reg" : "", first};
    };
    struct Case {
        std::optional<JournalEntry> last;
        SettledValues settled;
        std::optional<JournalEvent> expected;
    } cases[] = {
        {std::nullopt, settled(Values(5, 3), std::nullopt, true), JournalEvent::Start},
        {std::nullopt, settled(Values(6, 3), std::nullopt, false), JournalEvent::Start},
        {last, settled(Values(5, 3), std::nullopt, true), std::nullopt},
        {last, settled(Values(6, 3), std::nullopt, true), JournalEvent::Start},
        {last, settled(Values(6, 3), std::nullopt, false), JournalEvent::Won},
        {last, settled(Values(_, _, _, _, _, _), JournalEvent::Clear, false), JournalEvent::Clear},
        {last, settled(Values(5, 3), JournalEvent::Clear, false), std::nullopt},
        {last, settled(Values(9, 9), JournalEvent::Restore, true), JournalEvent::Restore},
    };
    for (const auto& c : cases) {
        const auto entry = EntryToAppend(c.last, c.settled, "2026-12-08T20:00:00+01:00");
        ASSERT_EQ(entry.has_value(), c.expected.has_value());
        if (!entry) continue;
        EXPECT_EQ(entry->event, *c.expected);
        EXPECT_EQ(entry->detail, *c.expected == JournalEvent::Restore ? "x.reg" : "");
    }
}

TEST(JournalSettling, SixWritesOfOneGameMakeOneEntry) {
    JournalSettler s;
    ASSERT_EQ(s.Observe(0, Values(5, 3)), 250);  // the start
    const auto start = s.Tick(250);
    ASSERT_TRUE(start.settled);
    EXPECT_TRUE(start.settled->first_of_run);
    EXPECT_FALSE(s.Observe(400, Values(5, 3)));  // a polling tick that finds nothing new arms nothing
    EXPECT_FALSE(s.Tick(400).settled);

    // The game's six writes, a few milliseconds apart; each change postpones the entry.
    const JournalValues writes[] = {Values(5, 3, 1), Values(6, 3, 1), Values(6, 3, 1, 1), Values(6, 3, 1, 1, 1),
                                    Values(6, 3, 1, 1, 1, 1)};
    std::int64_t now = 1000;
    for (const auto& v : writes) {
        now += 5;
        EXPECT_EQ(s.Observe(now, v), now + 250);
    }
    EXPECT_EQ(s.Tick(1100).look_again_at, 1025 + 250);
    const auto step = s.Tick(1275);
    ASSERT_TRUE(step.settled);
    EXPECT_EQ(step.settled->values, Values(6, 3, 1, 1, 1, 1));
    EXPECT_FALSE(step.settled->first_of_run);
    EXPECT_FALSE(s.Tick(2000).settled);  // one entry, not a second
}

TEST(JournalSettling, CommandsAreTheNextSettlingsAndFlushTakesWhatWaits) {
    JournalSettler s;
    s.Observe(0, Values(5, 3));
    s.Tick(250);
    EXPECT_EQ(s.NoteCommand(1000, JournalEvent::Restore, "b.reg"), 1250);
    s.Observe(1010, Values(9, 9));
    const auto restored = s.Tick(1260);
    ASSERT_TRUE(restored.settled);
    EXPECT_EQ(restored.settled->command, JournalEvent::Restore);
    EXPECT_EQ(restored.settled->detail, "b.reg");
    s.Observe(2000, Values(10, 9));  // the next game is not the restore's
    const auto flushed = s.Flush();
    ASSERT_TRUE(flushed);
    EXPECT_FALSE(flushed->command);
    EXPECT_FALSE(s.Flush());
}

}  // namespace
}  // namespace tv
