#include "history/JournalReader.h"

#include "history/JournalCsv.h"

namespace tv {

namespace {

// Calls take(line) for each line of text without its line end.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        take(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

std::string_view FirstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

bool StartsAsJournal(std::string_view first) { return first.empty() || IsJournalHeader(FirstLine(first)); }

JournalRead ReadJournal(std::string_view text) {
    JournalRead read;
    if (!StartsAsJournal(text)) {
        read.ours = false;
        return read;
    }
    const std::size_t header_end = text.find('\n');
    if (header_end == std::string_view::npos) return read;
    ForEachLine(text.substr(header_end + 1), [&](std::string_view line) {
        if (line.empty()) return;
        if (auto entry = ParseJournalLine(line))
            read.entries.push_back(std::move(*entry));
        else
            ++read.skipped;
    });
    return read;
}

std::optional<JournalEntry> LastJournalEntry(std::string_view tail) {
    const std::size_t first_end = tail.find('\n');
    if (first_end == std::string_view::npos) return std::nullopt;
    tail.remove_prefix(first_end + 1);
    while (!tail.empty()) {
        // The last line without its line end, from the line end before it.
        std::size_t end = tail.size();
        if (tail.back() == '\n') --end;
        const std::size_t previous = end == 0 ? std::string_view::npos : tail.rfind('\n', end - 1);
        const std::size_t begin = previous == std::string_view::npos ? 0 : previous + 1;
        std::string_view line = tail.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (auto entry = ParseJournalLine(line)) return entry;
        tail.remove_suffix(tail.size() - begin);
    }
    return std::nullopt;
}

}  // namespace tv
