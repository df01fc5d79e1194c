// Appending to the journal on the real file system: a new file gets its header, a line cut short
// gets a line end before the next entry, a file that is not a journal is left as it is.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "history/JournalClock.h"
#include "history/JournalCsv.h"
#include "history/JournalFile.h"
#include "history/JournalTime.h"
#include "support/system/Folders.h"

namespace tv {
namespace {

const std::string kHeaderLine = std::string(kJournalHeader) + "\r\n";
const std::string kStart = "2026-12-08T19:30:05+01:00,start,5,3,1,0,1,1,\r\n";
const std::string kWon = "2026-12-08T19:31:05+01:00,won,6,3,2,0,2,1,\r\n";

// Appends a won entry one game on from the last entry, and reports which entry it found last.
AppendResult AppendWon(const std::string& path, std::optional<JournalEntry>* last_seen = nullptr) {
    return AppendToJournal(path, [&](const std::optional<JournalEntry>& last) {
        if (last_seen) *last_seen = last;
        return ParseJournalLine(kWon.substr(0, kWon.size() - 2));
    });
}

TEST(JournalFile, AppendsWholeLinesAndLeavesAStrangersFileAlone) {
    const std::string folder = test::ScratchFolder("journal-file");
    struct Case {
        const char* name;
        std::string before;  // nullptr-like: empty name for no file
        bool exists;
        AppendOutcome outcome;
        std::string after;
    } cases[] = {
        {"new.csv", "", false, AppendOutcome::Written, kHeaderLine + kWon},
        {"empty.csv", "", true, AppendOutcome::Written, kHeaderLine + kWon},
        {"plain.csv", kHeaderLine + kStart, true, AppendOutcome::Written, kHeaderLine + kStart + kWon},
        // Cut short by a crash: the entry starts on a line of its own.
        {"torn.csv", kHeaderLine + kStart + "2026-12-08T19:3", true, AppendOutcome::Written,
         kHeaderLine + kStart + "2026-12-08T19:3\r\n" + kWon},
        // Saved back by a spreadsheet: byte-order mark, LF, no last line end.
        {"saved.csv", "\xEF\xBB\xBF" + std::string(kJournalHeader) + "\n" + kStart.substr(0, kStart.size() - 2), true,
         AppendOutcome::Written,
         "\xEF\xBB\xBF" + std::string(kJournalHeader) + "\n" + kStart.substr(0, kStart.size() - 2) + "\r\n" + kWon},
        {"foreign.csv", "Name,Score\r\nRobin,12\r\n", true, AppendOutcome::Failed, "Name,Score\r\nRobin,12\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder + c.name;
        if (c.exists) test::WriteWholeFile(path, c.before);
        EXPECT_EQ(AppendWon(path).outcome, c.outcome);
        EXPECT_EQ(test::ReadWholeFile(path), c.after);
    }
}

TEST(JournalFile, FindsTheLastEntryAndWritesNothingWhenToldSo) {
    const std::string path = test::ScratchFolder("journal-last") + "history.csv";
    test::WriteWholeFile(path, kHeaderLine + kStart + std::string(5000, 'x') + "\r\n" + kWon + "bad line\r\n");
    std::optional<JournalEntry> last;
    ASSERT_EQ(AppendWon(path, &last).outcome, AppendOutcome::Written);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->event, JournalEvent::Won);
    const std::string before = test::ReadWholeFile(path);
    EXPECT_EQ(AppendToJournal(path, [](const auto&) { return std::optional<JournalEntry>(); }).outcome,
              AppendOutcome::Unchanged);
    EXPECT_EQ(test::ReadWholeFile(path), before);
    // A folder that is not there: a failure with the system's reason, and no file.
    const AppendResult missing = AppendWon(test::ScratchFolder("journal-last") + "no such folder\\history.csv");
    EXPECT_EQ(missing.outcome, AppendOutcome::Failed);
    EXPECT_FALSE(missing.reason.empty());
}

TEST(JournalFile, TheTimeStampIsLocalTimeWithItsOffset) {
    const auto t = ParseJournalTime(JournalTimeNow());
    ASSERT_TRUE(t);
    SYSTEMTIME local{};
    GetLocalTime(&local);
    EXPECT_EQ(t->year, local.wYear);
    TIME_ZONE_INFORMATION zone{};
    const DWORD id = GetTimeZoneInformation(&zone);
    const LONG bias = zone.Bias + (id == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : 0);
    EXPECT_EQ(t->offset_minutes, -bias);
}

}  // namespace
}  // namespace tv
