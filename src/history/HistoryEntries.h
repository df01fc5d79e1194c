#pragma once
// The History window's entries: the journal merged by time with the backup files beside it, in
// memory only (backups are never written into the journal).
//
// Times: a backup's name holds the local time it was written, without an offset from UTC, and
// the journal holds local time with its offset. Both are compared as local wall-clock times (the
// player's dates and hours, which are also what the chart counts days by), not as instants: an
// offset cannot be invented for a backup, and a wall-clock order keeps a backup on the day its
// name shows. Only in the hour that repeats when the clocks go back can a backup land on either
// side of entries of that hour; the journal itself always stays in file order.
//
// Games: backups older than the journal's first entry are the progression before the journal,
// and the games between two of those points, or between the last of them and the journal's first
// entry, count on the later point's day as for a change entry. Once the journal runs it has
// recorded every game, so a backup inside its span counts none (counting its growth again would
// count each game twice) and does not move the percentage line; it is listed all the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "history/JournalEntry.h"
#include "history/JournalTime.h"

namespace tv {

// One backup file as the caller read it: its local time and name decoded from the file name,
// its six values read from its lines.
struct BackupSnapshot {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::string backup_name;  // the name before the time stamp in its file name; empty when it has none
    JournalValues values;
};

enum class HistoryKind { Won, Lost, Clear, Restore, Start, Change, Backup };

// One row of the window's list, small: its record is kept once, in one of the History's vectors.
struct HistoryEntry {
    HistoryKind kind = HistoryKind::Change;
    bool counted = false;    // its record is in History::points; otherwise in History::uncounted
    std::size_t record = 0;  // the record's index there
};

struct History {
    // What the chart and the figures count: the backups older than the journal's first entry, then
    // the journal. A backup is recorded as a change entry: its local time without an offset
    // ("2026-12-01T08:00:00", read by ParseJournalTime), its values, its backup name as Detail.
    std::vector<JournalEntry> points;
    std::vector<JournalEntry> uncounted;  // the backups inside or after the journal's span, likewise
    std::vector<HistoryEntry> entries;    // every journal entry and every backup, oldest first

    const JournalEntry& RecordOf(const HistoryEntry& entry) const {
        return entry.counted ? points[entry.record] : uncounted[entry.record];
    }
};

// Journal entries keep their file order; each backup goes before the first journal entry later
// than it by wall-clock time (a backup of the same second first: it saved what the entry changed).
History MergeHistory(std::vector<JournalEntry> journal, std::vector<BackupSnapshot> backups);

// A journal entry written while the window is open, without merging again.
void AppendJournalEntry(History& history, JournalEntry entry);

// Compares local wall-clock times, to the second, ignoring offsets.
bool LocalTimeBefore(const JournalTime& a, const JournalTime& b);

}  // namespace tv
