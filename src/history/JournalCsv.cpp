#include "history/JournalCsv.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "history/JournalTime.h"

namespace tv {

namespace {

constexpr std::size_t kFieldCount = 3 + kJournalValueCount;  // Time, Event, the values, Detail

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// An empty field is an absent value; anything else must be a whole 32-bit integer.
bool ParseValue(std::string_view text, std::optional<std::int32_t>& value) {
    text = TrimSpaces(text);
    if (text.empty()) {
        value.reset();
        return true;
    }
    if (text.front() == '+') text.remove_prefix(1);
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

}  // namespace

std::string CsvField(std::string_view text, bool quote_always) {
    if (!quote_always && text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::string field;
        // Spaces before an opening quote are a spreadsheet's padding, not part of the field.
        std::size_t start = i;
        while (start < line.size() && line[start] == ' ') ++start;
        if (start < line.size() && line[start] == '"') {
            i = start + 1;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (!closed) return std::nullopt;
            while (i < line.size() && line[i] == ' ') ++i;
            if (i < line.size() && line[i] != ',') return std::nullopt;
        } else {
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            const std::string_view raw = line.substr(i, end - i);
            if (raw.find('"') != std::string_view::npos) return std::nullopt;
            field.assign(raw);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    return fields;
}

std::string FormatJournalLine(const JournalEntry& entry) {
    std::string line = CsvField(entry.time);
    line += ',';
    line += JournalEventName(entry.event);
    for (const auto& value : entry.values.values) {
        line += ',';
        if (value) line += std::to_string(*value);
    }
    line += ',';
    line += CsvField(entry.detail, !entry.detail.empty());
    line += kJournalLineEnd;
    return line;
}

std::optional<JournalEntry> ParseJournalLine(std::string_view line) {
    // Most lines hold no quote: their fields are read in place, without a copy each.
    std::array<std::string_view, kFieldCount> fields;
    std::optional<std::vector<std::string>> unquoted;
    if (line.find('"') == std::string_view::npos) {
        std::size_t count = 0;
        for (std::size_t start = 0;; ++count) {
            const std::size_t comma = line.find(',', start);
            if (count == kFieldCount) return std::nullopt;
            fields[count] = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        if (count + 1 != kFieldCount) return std::nullopt;
    } else {
        unquoted = SplitCsvLine(line);
        if (!unquoted || unquoted->size() != kFieldCount) return std::nullopt;
        for (std::size_t i = 0; i < kFieldCount; ++i) fields[i] = (*unquoted)[i];
    }
    JournalEntry entry;
    const std::string_view time = TrimSpaces(fields[0]);
    if (!ParseJournalTime(time)) return std::nullopt;
    const auto event = JournalEventFromName(TrimSpaces(fields[1]));
    if (!event) return std::nullopt;
    entry.event = *event;
    for (std::size_t i = 0; i < kJournalValueCount; ++i)
        if (!ParseValue(fields[2 + i], entry.values.values[i])) return std::nullopt;
    entry.time.assign(time);
    entry.detail.assign(fields[kFieldCount - 1]);
    return entry;
}

bool IsJournalHeader(std::string_view line) {
    if (line.starts_with(kUtf8ByteOrderMark)) line.remove_prefix(kUtf8ByteOrderMark.size());
    const auto fields = SplitCsvLine(line);
    const auto expected = SplitCsvLine(kJournalHeader);
    if (!fields || fields->size() != expected->size()) return false;
    for (std::size_t i = 0; i < fields->size(); ++i)
        if (TrimSpaces((*fields)[i]) != (*expected)[i]) return false;
    return true;
}

}  // namespace tv
