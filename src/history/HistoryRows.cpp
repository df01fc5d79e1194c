#include "history/HistoryRows.h"

#include <algorithm>

#include "stats/DerivedFigures.h"

namespace tv {

namespace {

constexpr std::int32_t kNoKind = 2;

std::string EventText(HistoryKind kind, const JournalEntry& entry) {
    switch (kind) {
        case HistoryKind::Won:
            return "Won";
        case HistoryKind::Lost:
            return "Lost";
        case HistoryKind::Clear:
            return "Clear";
        case HistoryKind::Restore:
            return "Restore of " + entry.detail;
        case HistoryKind::Start:
            return "Start";
        case HistoryKind::Change:
            return "Change";
        case HistoryKind::Backup:
            break;
    }
    return entry.detail.empty() ? "Backup" : "Backup: " + entry.detail;
}

std::string ValueText(const std::optional<std::int32_t>& value) { return value ? std::to_string(*value) : ""; }

void AppendCell(std::string& line, const std::string& text) {
    if (!line.empty() && line.back() != '\n') line += '\t';
    for (const char c : text) line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}

}  // namespace

HistoryRowText RowTextOf(HistoryKind kind, const JournalEntry& record) {
    const JournalValues& v = record.values;
    return {EventText(kind, record), ValueText(v[JournalColumn::Won]), ValueText(v[JournalColumn::Lost]),
            GetPercentText(v.Won(), v.Lost()),
            GetStreakText(v[JournalColumn::SType].value_or(kNoKind), v[JournalColumn::Streak].value_or(0), v.Lost())};
}

const HistoryEntry& EntryOfRow(const History& history, std::size_t row) {
    return history.entries[history.entries.size() - 1 - row];
}

HistoryRowText RowTextOf(const History& history, std::size_t row) {
    const HistoryEntry& entry = EntryOfRow(history, row);
    return RowTextOf(entry.kind, history.RecordOf(entry));
}

std::string ClipboardText(const History& history, std::vector<std::size_t> rows, const HistoryTimeText& time_text) {
    if (rows.empty()) {
        rows.resize(history.entries.size());
        for (std::size_t r = 0; r < rows.size(); ++r) rows[r] = r;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    std::string text;
    for (const char* title : kHistoryColumnTitles) AppendCell(text, title);
    text += "\r\n";
    for (const std::size_t row : rows) {
        if (row >= history.entries.size()) break;
        const std::string time = time_text(history.RecordOf(EntryOfRow(history, row)));
        const HistoryRowText cells = RowTextOf(history, row);
        for (const std::string* cell : {&time, &cells.event, &cells.won, &cells.lost, &cells.percent, &cells.streak})
            AppendCell(text, *cell);
        text += "\r\n";
    }
    return text;
}

}  // namespace tv
