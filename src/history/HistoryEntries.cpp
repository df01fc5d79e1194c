#include "history/HistoryEntries.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace tv {

namespace {

HistoryKind KindOf(JournalEvent event) {
    switch (event) {
        case JournalEvent::Won: return HistoryKind::Won;
        case JournalEvent::Lost: return HistoryKind::Lost;
        case JournalEvent::Clear: return HistoryKind::Clear;
        case JournalEvent::Restore: return HistoryKind::Restore;
        case JournalEvent::Start: return HistoryKind::Start;
        case JournalEvent::Change: break;
    }
    return HistoryKind::Change;
}

JournalTime LocalTimeOf(const BackupSnapshot& b) { return {b.year, b.month, b.day, b.hour, b.minute, b.second, 0}; }

HistoryEntry FromJournal(const JournalEntry& entry) {
    // The reader and the recorder only pass entries whose time reads.
    return {KindOf(entry.event), ParseJournalTime(entry.time).value_or(JournalTime{}), entry.values, entry.detail, {}};
}

HistoryEntry FromBackup(BackupSnapshot&& b) {
    return {HistoryKind::Backup, LocalTimeOf(b), b.values, std::move(b.backup_name), std::move(b.file_name)};
}

// A backup as a point of the progression: a change to its values at its local time (no offset).
JournalEntry PointOf(const HistoryEntry& backup) {
    const JournalTime& t = backup.local;
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return {time, JournalEvent::Change, backup.values, backup.file_name};
}

}  // namespace

bool LocalTimeBefore(const JournalTime& a, const JournalTime& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

History MergeHistory(std::vector<JournalEntry> journal, std::vector<BackupSnapshot> backups) {
    History history;
    std::vector<HistoryEntry> pending;
    pending.reserve(backups.size());
    for (BackupSnapshot& b : backups) pending.push_back(FromBackup(std::move(b)));
    std::stable_sort(pending.begin(), pending.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) { return LocalTimeBefore(a.local, b.local); });

    history.entries.reserve(journal.size() + pending.size());
    std::size_t next = 0;
    for (std::size_t j = 0; j < journal.size(); ++j) {
        HistoryEntry entry = FromJournal(journal[j]);
        for (; next < pending.size() && !LocalTimeBefore(entry.local, pending[next].local); ++next) {
            if (j == 0) history.points.push_back(PointOf(pending[next]));
            history.entries.push_back(std::move(pending[next]));
        }
        history.entries.push_back(std::move(entry));
    }
    // With no journal at all, every backup is a point; otherwise those left are newer than it.
    for (; next < pending.size(); ++next) {
        if (journal.empty()) history.points.push_back(PointOf(pending[next]));
        history.entries.push_back(std::move(pending[next]));
    }
    history.points.reserve(history.points.size() + journal.size());
    std::move(journal.begin(), journal.end(), std::back_inserter(history.points));
    return history;
}

void AppendJournalEntry(History& history, const JournalEntry& entry) {
    history.entries.push_back(FromJournal(entry));
    history.points.push_back(entry);
}

}  // namespace tv
