// The traced start-up: each mark writes the time it is reached into the shared memory the start-up
// benchmark made for this process. Opened anew at each of the few marks, so that nothing is kept
// between them; without that memory (started by hand) the marks do nothing.
#include "StartupTraceMarks.h"
#include "platform/Handles.h"

namespace tv {

void MarkStartupPhase(StartupPhase phase) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const UniqueHandle mapping(
        OpenFileMappingA(FILE_MAP_WRITE, FALSE, bench::StartupMarksName(GetCurrentProcessId()).c_str()));
    if (!mapping) return;
    void* view = MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(bench::StartupMarks));
    if (!view) return;
    static_cast<bench::StartupMarks*>(view)->at[static_cast<int>(phase)] = now.QuadPart;
    UnmapViewOfFile(view);
}

}  // namespace tv
