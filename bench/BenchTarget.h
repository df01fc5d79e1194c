#pragma once
// One row of scripts/bench.sh's closing table: a benchmark states each target it measures this way,
// beside its own figures, and the script gathers the rows of every benchmark.
#include <cstdio>
#include <string>

namespace tv::bench {

// Prints "TARGET<tab>benchmark<tab>target<tab>measured<tab>met|NOT met" and returns met.
inline bool ReportTarget(const std::string& benchmark, const std::string& target, const std::string& measured,
                         bool met) {
    std::printf("TARGET\t%s\t%s\t%s\t%s\n", benchmark.c_str(), target.c_str(), measured.c_str(),
                met ? "met" : "NOT met");
    std::fflush(stdout);
    return met;
}

// A figure printed in the table without a target of its own: "TARGET ... - ... figure only".
inline void ReportFigure(const std::string& benchmark, const std::string& measured) {
    std::printf("TARGET\t%s\t-\t%s\tfigure only\n", benchmark.c_str(), measured.c_str());
    std::fflush(stdout);
}

// A figure with a fixed number of decimals and its unit: Figure(1.234, 2, " ms") is "1.23 ms".
inline std::string Figure(double value, int decimals, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof(text), "%.*f%s", decimals, value, unit);
    return text;
}

}  // namespace tv::bench
