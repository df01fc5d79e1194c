// Cost of one search for the game (what every Launch and Close click pays): the full process list
// with a name for every process, against the bare id enumeration it starts from, in the same run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchTarget.h"
#include "process/Toolz.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename F>
double MedianMicroseconds(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    if (!tv::LoadPsapi()) {
        std::printf("PSAPI.dll is not available\n");
        return 1;
    }
    std::vector<DWORD> ids(4096);
    const double enumerate = MedianMicroseconds(runs, [&] {
        DWORD bytes = 0;
        tv::Psapi().EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes);
    });
    tv::ProcessList list;
    const double full_list = MedianMicroseconds(runs, [&] { tv::GetProcessList(list); });
    const double find = MedianMicroseconds(runs, [] { tv::FindFreeCell(); });
    std::printf("processes listed:              %zu\n", list.size());
    std::printf("EnumProcesses alone (median):  %9.1f us\n", enumerate);
    std::printf("GetProcessList (median):       %9.1f us  (%.1f x the bare enumeration)\n", full_list,
                full_list / enumerate);
    std::printf("FindFreeCell (median):         %9.1f us\n", find);
    tv::bench::ReportFigure("game finder: FindFreeCell, median", tv::bench::Figure(find, 1, " us"));
    return 0;
}
