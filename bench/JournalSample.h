#pragma once
// A journal as thirty years of play leave it, and everything the History window derives from it:
// shared by the native benchmark and the one under Wine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchTarget.h"
#include "history/JournalCsv.h"
#include "history/JournalFigures.h"
#include "history/JournalReader.h"
#include "history/JournalTime.h"

namespace bench {

// Ten games a day, a start now and then, a Clear and a restore each year.
inline std::string MakeJournal(int count) {
    std::string text(tv::kJournalHeader);
    text += tv::kJournalLineEnd;
    tv::JournalEntry entry;
    entry.values = tv::JournalValues{{0, 0, 0, 0, 0, 2}};
    unsigned seed = 12345;
    for (int i = 0; i < count; ++i) {
        const int day = i / 10;
        entry.time = tv::FormatJournalTime(
            {1996 + day / 365, 1 + day % 365 / 31, 1 + day % 365 % 28, 8 + i % 10, (i * 7) % 60, (i * 13) % 60, 60});
        entry.detail.clear();
        seed = seed * 1103515245 + 12345;
        auto& v = entry.values.values;
        if (i == 0) {
            entry.event = tv::JournalEvent::Start;
        } else if (i % 3650 == 1000) {
            entry.event = tv::JournalEvent::Clear;
            v = {};
        } else if (i % 3650 == 2000) {
            entry.event = tv::JournalEvent::Restore;
            entry.detail = "Before Clear_20260812_013000.reg";
            v = {500, 400, 9, 6, 1, 1};
        } else if (i % 500 == 250) {
            entry.event = tv::JournalEvent::Start;
            v[0] = v[0].value_or(0) + 3;
        } else if ((seed >> 16) % 100 < 55) {
            entry.event = tv::JournalEvent::Won;
            v[0] = v[0].value_or(0) + 1;
            v[1] = v[1].value_or(0);
        } else {
            entry.event = tv::JournalEvent::Lost;
            v[1] = v[1].value_or(0) + 1;
            v[0] = v[0].value_or(0);
        }
        text += tv::FormatJournalLine(entry);
    }
    return text;
}

// Everything the History window needs from the file's text.
inline std::size_t ReadAndDerive(const std::string& text) {
    const tv::JournalRead read = tv::ReadJournal(text);
    const tv::JournalFigures figures = tv::DeriveJournalFigures(read.entries);
    const auto last = tv::LastGames(read.entries, 10);
    const auto period = tv::FiguresOfPeriod(read.entries, "2000-01-01", "2009-12-31");
    return read.entries.size() + figures.days.size() + last.size() + static_cast<std::size_t>(period.games.won);
}

struct Timing {
    double median_ms, best_ms;
};

// The median and the fastest of runs of ReadAndDerive: on a shared machine the fastest is the one
// least disturbed by others, the fairer base for comparing sizes.
inline Timing TimeReadAndDerive(const std::string& text, int runs) {
    std::vector<double> ms;
    volatile std::size_t sink = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        sink = sink + ReadAndDerive(text);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

// The figures, and whether 100,000 entries stay under target_ms.
inline void PrintReadAndDerive(const char* where, const Timing& small, std::size_t small_bytes, const Timing& large,
                               std::size_t large_bytes, double target_ms) {
    std::printf(
        "\nread and derive, 15 runs: 10,000 entries (%zu KB) median %.2f ms, fastest %.2f ms; "
        "100,000 entries (%zu KB) median %.2f ms, fastest %.2f ms\n",
        small_bytes / 1024, small.median_ms, small.best_ms, large_bytes / 1024, large.median_ms, large.best_ms);
    std::printf(
        "cost per entry (fastest runs): %.3f us at 10,000, %.3f us at 100,000 (ratio %.2f; near 1 is "
        "linear)\n",
        small.best_ms * 0.1, large.best_ms * 0.01, (large.best_ms / 10) / small.best_ms);
    const double growth = (large.best_ms / 10) / small.best_ms;
    tv::bench::ReportTarget(std::string("journal read and derive, 100,000 entries, ") + where,
                            "< " + tv::bench::Figure(target_ms, 0, " ms"), tv::bench::Figure(large.median_ms, 1, " ms"),
                            large.median_ms < target_ms);
    tv::bench::ReportTarget(std::string("journal read and derive, cost per entry 100,000 against 10,000, ") + where,
                            "<= 1.50", tv::bench::Figure(growth, 2, ""), growth <= 1.5);
}

}  // namespace bench
