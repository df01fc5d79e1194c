#pragma once
// A console reporter that also keeps every run, so that a benchmark's main() can judge its targets
// from the figures Google Benchmark printed.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace tv::bench {

class KeptRuns : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) kept_.push_back(run);
    }

    // The run of that exact name ("BM_Parse/1024"), or nullptr when it was not run.
    const Run* Find(const std::string& name) const {
        for (const Run& run : kept_)
            if (run.benchmark_name() == name) return &run;
        return nullptr;
    }

    // CPU time per iteration in nanoseconds: the figure that a machine busy with other work
    // changes least (and the one Google Benchmark's rates are computed from).
    static double Nanoseconds(const Run& run) {
        return run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }

    const std::vector<Run>& All() const { return kept_; }

private:
    std::vector<Run> kept_;
};

}  // namespace tv::bench
