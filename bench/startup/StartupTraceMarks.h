#pragma once
// Where a traced program leaves the times of its start-up phases: a named shared memory that the
// start-up benchmark makes for the process before it resumes it, one counter reading per phase
// (QueryPerformanceCounter, which all processes of the machine read alike; 0 while not reached).
#include <windows.h>

#include <cstdint>
#include <string>

#include "app/StartupTrace.h"

namespace tv::bench {

struct StartupMarks {
    std::int64_t at[static_cast<int>(StartupPhase::Count)];
};

inline std::string StartupMarksName(DWORD process_id) {
    return "Local\\TallyvaneStartupMarks." + std::to_string(process_id);
}

}  // namespace tv::bench
