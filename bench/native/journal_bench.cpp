// Reading the journal and deriving every figure the History window shows, for journals of 10,000
// and 100,000 entries (100,000: about thirty years at ten games a day). Target: under 100 ms at
// 100,000 entries, the cost per entry flat as the journal grows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "JournalSample.h"

namespace {

constexpr double kTargetMilliseconds = 100.0;

using bench::MakeJournal;
using bench::ReadAndDerive;

void BM_ReadAndDerive(benchmark::State& state) {
    const std::string text = MakeJournal(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadAndDerive(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadAndDerive)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const std::string small = MakeJournal(10'000);
    const std::string large = MakeJournal(100'000);
    const bench::Timing small_t = bench::TimeReadAndDerive(small, 15);
    const bench::Timing large_t = bench::TimeReadAndDerive(large, 15);
    bench::PrintReadAndDerive("native", small_t, small.size(), large_t, large.size(), kTargetMilliseconds);
    return 0;
}
