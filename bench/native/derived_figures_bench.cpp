// Percentage and wins-needed costs, and the wins-needed search against the plain loop it replaces.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "BenchTarget.h"
#include "native/KeptRuns.h"
#include "stats/DerivedFigures.h"

namespace {

// The plain search as first written: one more win at a time.
std::int64_t WinsNeededByLoop(std::int32_t won, std::int32_t lost) {
    if (won <= 0 || lost <= 0) return 0;
    const std::int64_t p = *tv::WinPercent(won, lost);
    if (p >= 100) return 0;
    std::int64_t w = won;
    do {
        ++w;
    } while (tv::ExtendedPercent(w, w + lost) < p + 1);
    return w - won;
}

void BM_WinPercent(benchmark::State& state) {
    std::uint32_t x = 12345;
    for (auto _ : state) {
        x = x * 1664525u + 1013904223u;
        const auto won = static_cast<std::int32_t>(x >> 1);
        const auto lost = static_cast<std::int32_t>((x * 2654435761u) >> 1);
        benchmark::DoNotOptimize(tv::WinPercent(won, lost));
    }
}
BENCHMARK(BM_WinPercent);

void BM_WinsNeeded(benchmark::State& state) {
    const auto won = static_cast<std::int32_t>(state.range(0));
    const auto lost = static_cast<std::int32_t>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(tv::WinsNeeded(won, lost));
}
// Won 99% with Lost 10,000,000; the largest counts whose sum fits; a small everyday record.
BENCHMARK(BM_WinsNeeded)->Args({990'000'000, 10'000'000})->Args({2'126'000'000, 21'474'836})->Args({57, 43});

void BM_WinsNeededWorstOverInputs(benchmark::State& state) {
    // A sweep over the percentages 1..99 at the largest loss counts: the slowest single call counts.
    std::uint32_t x = 1;
    for (auto _ : state) {
        x = x * 1664525u + 1013904223u;
        const std::int32_t lost = 21'000'000 - static_cast<std::int32_t>(x % 1000);
        const std::int32_t won = static_cast<std::int32_t>((static_cast<std::int64_t>(lost) * (x % 9900)) / 100 + 1);
        benchmark::DoNotOptimize(tv::WinsNeeded(won, lost));
    }
}
BENCHMARK(BM_WinsNeededWorstOverInputs);

void BM_WinsNeededPlainLoop(benchmark::State& state) {
    const auto won = static_cast<std::int32_t>(state.range(0));
    const auto lost = static_cast<std::int32_t>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(WinsNeededByLoop(won, lost));
}
BENCHMARK(BM_WinsNeededPlainLoop)->Args({57, 43})->Args({99'000, 1'000})->Iterations(20);
BENCHMARK(BM_WinsNeededPlainLoop)->Args({990'000'000, 10'000'000})->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tv::bench::KeptRuns runs;
    benchmark::RunSpecifiedBenchmarks(&runs);
    // The search answers in about a microsecond for any counts (as the README says).
    if (const auto* worst = runs.Find("BM_WinsNeededWorstOverInputs")) {
        const double us = tv::bench::KeptRuns::Nanoseconds(*worst) / 1000;
        tv::bench::ReportTarget("derived figures: wins needed, worst inputs", "<= 2 us",
                                tv::bench::Figure(us, 2, " us"), us <= 2);
    }
    // The ratio the search wins by at the case the plain loop is slowest for.
    using clock = std::chrono::steady_clock;
    const auto t0 = clock::now();
    const auto fast = tv::WinsNeeded(990'000'000, 10'000'000);
    const auto t1 = clock::now();
    const auto slow = WinsNeededByLoop(990'000'000, 10'000'000);
    const auto t2 = clock::now();
    const double fast_us = std::chrono::duration<double, std::micro>(t1 - t0).count();
    const double slow_us = std::chrono::duration<double, std::micro>(t2 - t1).count();
    std::printf(
        "wins needed at Won 99%%, Lost 10,000,000: search %.2f us, plain loop %.0f us (%.0fx), same answer: %s\n",
        fast_us, slow_us, slow_us / (fast_us > 0 ? fast_us : 1e-3), fast == slow ? "yes" : "NO");
    benchmark::Shutdown();
    return fast == slow ? 0 : 1;
}
