// Reading the journal and deriving every figure the History window shows, for journals of 10,000
// and 100,000 entries (100,000: about thirty years at ten games a day). Target: under 100 ms at
// 100,000 entries, the cost per entry flat as the journal grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "history/JournalCsv.h"
#include "history/JournalFigures.h"
#include "history/JournalReader.h"
#include "history/JournalTime.h"

namespace {

constexpr double kTargetMilliseconds = 100.0;

// Ten games a day, a start now and then, a Clear and a restore each year.
std::string MakeJournal(int count) {
    std::string text(tv::kJournalHeader);
    text += tv::kJournalLineEnd;
    tv::JournalEntry entry;
    entry.values = tv::JournalValues{{0, 0, 0, 0, 0, 2}};
    unsigned seed = 12345;
    for (int i = 0; i < count; ++i) {
        const int day = i / 10;
        entry.time = tv::FormatJournalTime({1996 + day / 365, 1 + day % 365 / 31, 1 + day % 365 % 28, 8 + i % 10,
                                            (i * 7) % 60, (i * 13) % 60, 60});
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
std::size_t ReadAndDerive(const std::string& text) {
    const tv::JournalRead read = tv::ReadJournal(text);
    const tv::JournalFigures figures = tv::DeriveJournalFigures(read.entries);
    const auto last = tv::LastGames(read.entries, 10);
    const auto period = tv::FiguresOfPeriod(read.entries, "2000-01-01", "2009-12-31");
    return read.entries.size() + figures.days.size() + last.size() + static_cast<std::size_t>(period.games.won);
}

void BM_ReadAndDerive(benchmark::State& state) {
    const std::string text = MakeJournal(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadAndDerive(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadAndDerive)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The median of runs, in milliseconds.
double MedianMilliseconds(const std::string& text, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ReadAndDerive(text));
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const std::string small = MakeJournal(10'000);
    const std::string large = MakeJournal(100'000);
    const double small_ms = MedianMilliseconds(small, 15);
    const double large_ms = MedianMilliseconds(large, 15);
    std::printf("\nread and derive, median of 15: 10,000 entries %.2f ms (%.0f KB), 100,000 entries %.2f ms (%.0f KB)\n",
                small_ms, small.size() / 1024.0, large_ms, large.size() / 1024.0);
    std::printf("cost per entry: %.3f us at 10,000, %.3f us at 100,000 (ratio %.2f; near 1 is linear)\n",
                small_ms * 1000 / 10'000, large_ms * 1000 / 100'000, (large_ms / 100'000) / (small_ms / 10'000));
    std::printf("100,000 entries under %.0f ms: %s\n", kTargetMilliseconds,
                large_ms < kTargetMilliseconds ? "met" : "NOT met");
    return 0;
}
