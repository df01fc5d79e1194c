// The History window's core over a journal of 100,000 entries (about thirty years at ten games a
// day): the "All" range's periods, which a redraw on a resize recomputes, and everything the
// window derives when it opens (the default range's periods, the figures by period, the visible
// rows of its list, whose view asks only for what it shows).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchTarget.h"
#include "history/ChartPeriods.h"
#include "history/HistoryEntries.h"
#include "history/HistoryRows.h"
#include "history/HistoryText.h"
#include "history/JournalTime.h"

namespace {

constexpr std::size_t kEntries = 100'000;
constexpr std::size_t kVisibleRows = 40;
const tv::CivilDate kToday{2026, 12, 8};

// Ten entries a day from 1999 on: wins and losses, now and then a Clear, a restore and games played
// while the program was not running; summer time from April to October.
std::vector<tv::JournalEntry> MakeJournal(std::size_t count) {
    std::vector<tv::JournalEntry> journal;
    journal.reserve(count);
    std::int32_t won = 0, lost = 0, streak = 0, stype = 2;
    std::uint32_t x = 12345;
    const std::int64_t first_day = tv::DaysFromCivil({1999, 1, 1});
    for (std::size_t i = 0; i < count; ++i) {
        x = x * 1664525u + 1013904223u;
        const tv::CivilDate date = tv::CivilFromDays(first_day + static_cast<std::int64_t>(i / 10));
        const int offset = date.month >= 4 && date.month <= 10 ? 120 : 60;
        tv::JournalTime t{date.year, date.month, date.day, 10 + static_cast<int>(i % 10), 5, 0, offset};
        tv::JournalEvent event = (x >> 8) % 100 < 55 ? tv::JournalEvent::Won : tv::JournalEvent::Lost;
        if (i == 0) event = tv::JournalEvent::Start;
        if (i % 5000 == 4999) event = tv::JournalEvent::Clear;
        if (i % 7000 == 6999) event = tv::JournalEvent::Change;
        tv::JournalEntry entry{tv::FormatJournalTime(t), event, {}, ""};
        if (event == tv::JournalEvent::Clear) {
            won = lost = streak = 0;
            stype = 2;
            journal.push_back(entry);
            continue;
        }
        if (event == tv::JournalEvent::Won) ++won, streak = stype == 1 ? streak + 1 : 1, stype = 1;
        if (event == tv::JournalEvent::Lost) ++lost, streak = stype == 0 ? streak + 1 : 1, stype = 0;
        if (event == tv::JournalEvent::Change) won += 3, lost += 2;
        entry.values = tv::JournalValues{{won, lost, 0, 0, streak, stype}};
        journal.push_back(entry);
    }
    return journal;
}

const std::vector<tv::JournalEntry>& Journal() {
    static const std::vector<tv::JournalEntry> journal = MakeJournal(kEntries);
    return journal;
}

std::string TimeText(const tv::JournalEntry& e) { return e.time.substr(0, 10); }

// What the window computes when it opens, from the journal as read (copied in, as the window moves
// its own copy in).
std::size_t OpenWindow(const std::vector<tv::JournalEntry>& journal) {
    const tv::History history = tv::MergeHistory(journal, {});
    const tv::ChartData chart = tv::ComputeChartPeriods(history.points, tv::ChartRange::Days30, kToday, 0);
    const tv::HistoryFigures figures = tv::ComputeHistoryFigures(history.points, kToday);
    std::size_t size = tv::RangeSummaryText(chart).size() + figures.last_games.size();
    for (std::size_t row = 0; row < kVisibleRows && row < history.entries.size(); ++row)
        size += tv::RowTextOf(history, row).event.size();
    return size;
}

std::size_t AllPeriods(const std::vector<tv::JournalEntry>& journal) {
    return tv::ComputeChartPeriods(journal, tv::ChartRange::All, kToday, 0).periods.size();
}

void BM_AllRangePeriods(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(AllPeriods(Journal()));
}
BENCHMARK(BM_AllRangePeriods)->Unit(benchmark::kMillisecond);

void BM_OpenWindow(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(OpenWindow(Journal()));
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

// The parts of opening, to see where its time goes.
void BM_OpenMerge(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tv::MergeHistory(Journal(), {}).entries.size());
}
BENCHMARK(BM_OpenMerge)->Unit(benchmark::kMillisecond);

void BM_OpenFigures(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tv::ComputeHistoryFigures(Journal(), kToday).last_games.size());
}
BENCHMARK(BM_OpenFigures)->Unit(benchmark::kMillisecond);

// Every row's texts and the clipboard table of them all: a figure, not on the way to opening.
void BM_CopyAllRows(benchmark::State& state) {
    const tv::History history = tv::MergeHistory(Journal(), {});
    for (auto _ : state) benchmark::DoNotOptimize(tv::ClipboardText(history, {}, TimeText).size());
}
BENCHMARK(BM_CopyAllRows)->Unit(benchmark::kMillisecond);

// The median of runs in milliseconds, timed here so the judgement does not rest on the library's
// report format.
template <typename Work>
double MedianMs(Work work, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(work());
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::nth_element(ms.begin(), ms.begin() + runs / 2, ms.end());
    return ms[runs / 2];
}

bool ReportTarget(const char* what, const char* target, double measured_ms, double limit_ms) {
    return tv::bench::ReportTarget(what, target, tv::bench::Figure(measured_ms, 2, " ms"), measured_ms < limit_ms);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const auto& journal = Journal();
    const double all = MedianMs([&] { return AllPeriods(journal); }, 21);
    const double open = MedianMs([&] { return OpenWindow(journal); }, 21);
    std::printf("%zu entries, %zu periods in \"All\"\n", journal.size(), AllPeriods(journal));
    ReportTarget("History: \"All\" range's periods over 100,000 entries (median)", "< 16 ms", all, 16);
    ReportTarget("History: derived at opening over 100,000 entries (median)", "< 100 ms", open, 100);
    benchmark::Shutdown();
    return 0;
}
