// The journal under Wine (see bench/README.md): the time one append takes, the open, the look at
// the file's first and last bytes and the write included, to a fresh journal and to one of
// 100,000 entries (target: median under 1 ms); and reading and deriving 100,000 entries.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "JournalSample.h"
#include "e2e/driver/Driver.h"
#include "history/JournalFile.h"
#include "support/guard/ThrowAwayPrefix.h"

namespace {

constexpr double kAppendTargetMs = 1.0;
constexpr double kReadTargetMs = 100.0;

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Milliseconds of each of count appends of one game each to path.
std::vector<double> TimeAppends(const std::string& path, int count) {
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        const double start = Now();
        const tv::AppendResult result = tv::AppendToJournal(path, [&](const std::optional<tv::JournalEntry>& last) {
            tv::JournalEntry entry{"2026-12-08T19:30:05+01:00", tv::JournalEvent::Won, {}, ""};
            entry.values = last ? last->values : tv::JournalValues{{0, 0, 0, 0, 0, 2}};
            entry.values[tv::JournalColumn::Won] = entry.values.Won() + 1;
            return std::optional<tv::JournalEntry>(entry);
        });
        ms.push_back(Now() - start);
        if (result.outcome != tv::AppendOutcome::Written) {
            std::printf("  append failed: %s\n", result.reason.c_str());
            break;
        }
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void PrintAppends(const char* what, const std::vector<double>& ms) {
    if (ms.empty()) return;
    const double median = ms[ms.size() / 2];
    std::printf("%-36s appends %4zu  median %6.3f ms  p99 %6.3f ms  max %6.3f ms\n", what, ms.size(), median,
                ms[ms.size() * 99 / 100], ms.back());
    tv::bench::ReportTarget(std::string("journal append ") + what + ", median under Wine",
                            "< " + tv::bench::Figure(kAppendTargetMs, 0, " ms"), tv::bench::Figure(median, 3, " ms"),
                            median < kAppendTargetMs);
}

}  // namespace

int main(int argc, char** argv) {
    tv::test::RequireThrowAwayPrefix();
    const int appends = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const std::string folder = tv::test::ScratchFolder("bench-journal");

    std::printf("Appending one entry (open, read first and last bytes, write)\n");
    PrintAppends("to a new journal", TimeAppends(folder + "new.csv", appends));
    const std::string large = bench::MakeJournal(100'000);
    tv::test::WriteWholeFile(folder + "large.csv", large);
    PrintAppends("to a journal of 100,000 entries", TimeAppends(folder + "large.csv", appends));

    const std::string small = bench::MakeJournal(10'000);
    std::printf("\nReading and deriving under Wine\n");
    bench::PrintReadAndDerive("under Wine", bench::TimeReadAndDerive(small, 15), small.size(),
                              bench::TimeReadAndDerive(large, 15), large.size(), kReadTargetMs);
    return 0;
}
