#include "history/HistoryEntries.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace tv {

namespace {

HistoryKind KindOf(JournalEvent event) {
    switch (event) {
        case JournalEvent::Won:
            return HistoryKind::Won;
        case JournalEvent::Lost:
            return HistoryKind::Lost;
        case JournalEvent::Clear:
            return HistoryKind::Clear;
        case JournalEvent::Restore:
            return HistoryKind::Restore;
        case JournalEvent::Start:
            return HistoryKind::Start;
        case JournalEvent::Change:
            break;
    }
    return HistoryKind::Change;
}

JournalTime LocalTimeOf(const BackupSnapshot& b) { return {b.year, b.month, b.day, b.hour, b.minute, b.second, 0}; }

// A backup as a record: a change to its values at its local time, which has no offset.
JournalEntry RecordOf(BackupSnapshot&& b) {
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02d", b.year, b.month, b.day, b.hour, b.minute,
                  b.second);
    return {time, JournalEvent::Change, b.values, std::move(b.backup_name)};
}

}  // namespace

bool LocalTimeBefore(const JournalTime& a, const JournalTime& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

History MergeHistory(std::vector<JournalEntry> journal, std::vector<BackupSnapshot> backups) {
    std::stable_sort(backups.begin(), backups.end(), [](const BackupSnapshot& a, const BackupSnapshot& b) {
        return LocalTimeBefore(LocalTimeOf(a), LocalTimeOf(b));
    });
    History history;
    history.entries.reserve(journal.size() + backups.size());
    const auto add_backup = [&history](BackupSnapshot&& b, bool counted) {
        auto& records = counted ? history.points : history.uncounted;
        history.entries.push_back({HistoryKind::Backup, counted, records.size()});
        records.push_back(RecordOf(std::move(b)));
    };
    // Backups up to the journal's first entry are points; the journal follows them.
    std::size_t next = 0;
    const JournalTime first =
        journal.empty() ? JournalTime{} : ParseJournalTime(journal.front().time).value_or(JournalTime{});
    for (; next < backups.size() && (journal.empty() || !LocalTimeBefore(first, LocalTimeOf(backups[next]))); ++next)
        add_backup(std::move(backups[next]), true);
    const std::size_t journal_start = history.points.size();
    for (std::size_t j = 0; j < journal.size(); ++j) {
        // The reader and the recorder only pass entries whose time reads.
        if (j > 0 && next < backups.size()) {
            const JournalTime local = ParseJournalTime(journal[j].time).value_or(JournalTime{});
            for (; next < backups.size() && !LocalTimeBefore(local, LocalTimeOf(backups[next])); ++next)
                add_backup(std::move(backups[next]), false);
        }
        history.entries.push_back({KindOf(journal[j].event), true, journal_start + j});
    }
    for (; next < backups.size(); ++next) add_backup(std::move(backups[next]), false);
    if (history.points.empty()) {
        history.points = std::move(journal);
    } else {
        history.points.reserve(history.points.size() + journal.size());
        std::move(journal.begin(), journal.end(), std::back_inserter(history.points));
    }
    return history;
}

void AppendJournalEntry(History& history, JournalEntry entry) {
    history.entries.push_back({KindOf(entry.event), true, history.points.size()});
    history.points.push_back(std::move(entry));
}

}  // namespace tv
