// Time from process start to the main window showing its figures, against a minimal program that
// opens one empty window; both started alternately in the same run, medians compared. Both count
// as shown when their window is visible and its thread answers a message (WM_GETTEXT), that is,
// once the first painting is done.
//   startup_bench.exe [runs] [dpi] [other.exe ...]
// dpi: the display scale (LogPixels) every program starts at; other.exe: further builds of the
// program (an older one, say) timed in the same rotation, so a change is compared under the same load.
// Traced copies of the program and of the empty window run in the same rotation too; their marks
// tell where the time goes, from process start to the entry, the window created, the first refresh
// and the first paints done.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "BenchTarget.h"
#include "StartupTraceMarks.h"
#include "app/MainFMIds.h"
#include "platform/Handles.h"
#include "support/guard/ThrowAwayPrefix.h"

namespace {

constexpr int kPhases = static_cast<int>(tv::StartupPhase::Count);

double Milliseconds(std::int64_t from, std::int64_t to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::int64_t Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

std::string Folder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

struct Found {
    DWORD pid;
    const char* window_class;
    HWND wnd;
};

HWND FindVisible(DWORD pid, const char* window_class) {
    Found f{pid, window_class, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* f = reinterpret_cast<Found*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            char cls[64] = {};
            GetClassNameA(w, cls, sizeof(cls));
            if (owner == f->pid && IsWindowVisible(w) && std::string(cls) == f->window_class) {
                f->wnd = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&f));
    return f.wnd;
}

std::string Text(HWND w) {
    char buf[64] = {};
    SendMessageA(w, WM_GETTEXT, sizeof(buf), reinterpret_cast<LPARAM>(buf));
    return buf;
}

struct Start {
    double shown_ms = -1;           // until `ready` holds for the program's window
    double phase_ms[kPhases] = {};  // of a traced program: each mark, or -1 when not reached
};

// Starts the program and waits until `ready` holds for its window. A traced program is started
// suspended, so that the memory for its marks exists before its first instruction.
template <typename Ready>
Start TimeStart(const std::string& exe, const char* window_class, Ready ready, bool traced = false) {
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + exe + "\"";
    Start result;
    const std::int64_t t0 = Now();
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, traced ? CREATE_SUSPENDED : 0, nullptr,
                        nullptr, &si, &pi))
        return result;
    tv::UniqueHandle marks;
    if (traced) {
        marks.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       sizeof(tv::bench::StartupMarks),
                                       tv::bench::StartupMarksName(pi.dwProcessId).c_str()));
        ResumeThread(pi.hThread);
    }
    for (;;) {
        HWND w = FindVisible(pi.dwProcessId, window_class);
        if (w && ready(w)) {
            result.shown_ms = Milliseconds(t0, Now());
            break;
        }
        if (Milliseconds(t0, Now()) > 20000) break;
        Sleep(1);
    }
    if (marks) {
        if (const void* view = MapViewOfFile(marks.get(), FILE_MAP_READ, 0, 0, sizeof(tv::bench::StartupMarks))) {
            const auto* at = static_cast<const volatile tv::bench::StartupMarks*>(view)->at;
            // The program answers the benchmark's question from within the PeekMessage that looks
            // for its first idle moment, so that mark may come just after it is seen shown.
            const int idle = static_cast<int>(tv::StartupPhase::FirstIdle);
            const std::int64_t wait_from = Now();
            while (at[idle] == 0 && Milliseconds(wait_from, Now()) < 2000) Sleep(1);
            for (int p = 0; p < kPhases; ++p) result.phase_ms[p] = at[p] ? Milliseconds(t0, at[p]) : -1;
            UnmapViewOfFile(view);
        }
    }
    if (HWND w = FindVisible(pi.dwProcessId, window_class)) PostMessageA(w, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return result;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The display scale of programs started from now on; put back as it was when the run ends.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi) {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS)
            return;
        DWORD size = sizeof(before_);
        had_value_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&before_), &size) ==
                     ERROR_SUCCESS;
        RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
    ~DisplayScale() {
        if (!key_) return;
        if (had_value_)
            RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before_), sizeof(before_));
        else
            RegDeleteValueA(key_, "LogPixels");
        RegCloseKey(key_);
    }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD before_ = 0;
    bool had_value_ = false;
};

void WriteFigure(HKEY key, const char* name, DWORD value) {
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), 4);
}

}  // namespace

int main(int argc, char** argv) {
    tv::test::RequireThrowAwayPrefix();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const int dpi = argc > 2 ? std::atoi(argv[2]) : 96;
    DisplayScale scale(static_cast<DWORD>(dpi));
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    WriteFigure(key, "Won", 57);
    WriteFigure(key, "Lost", 43);
    RegCloseKey(key);

    const std::string folder = Folder();
    std::vector<std::string> programs{folder + "Tallyvane.exe"};
    for (int i = 3; i < argc; ++i) programs.emplace_back(argv[i]);
    const auto empty_ready = [](HWND w) { return Text(w) == "Empty"; };
    const auto figures_shown = [](HWND w) {
        return Text(GetDlgItem(w, tv::mainfm::IdLblWon)) == "57" &&
               Text(GetDlgItem(w, tv::mainfm::IdLblPercent)) == "57%";
    };
    const std::string tallyvane_traced = folder + "TallyvaneTraced.exe";
    const std::string empty_traced = folder + "EmptyWindowTraced.exe";
    // Warm each once (first starts load DLLs into the page cache).
    TimeStart(folder + "EmptyWindow.exe", "EmptyWindow", empty_ready);
    TimeStart(empty_traced, "EmptyWindow", empty_ready, true);
    TimeStart(tallyvane_traced, "TMainForm", figures_shown, true);
    for (const auto& program : programs) TimeStart(program, "TMainForm", figures_shown);
    std::vector<double> base;
    std::vector<std::vector<double>> times(programs.size());
    std::vector<Start> traced_program, traced_empty;
    for (int i = 0; i < runs; ++i) {
        base.push_back(TimeStart(folder + "EmptyWindow.exe", "EmptyWindow", empty_ready).shown_ms);
        for (std::size_t p = 0; p < programs.size(); ++p)
            times[p].push_back(TimeStart(programs[p], "TMainForm", figures_shown).shown_ms);
        traced_empty.push_back(TimeStart(empty_traced, "EmptyWindow", empty_ready, true));
        traced_program.push_back(TimeStart(tallyvane_traced, "TMainForm", figures_shown, true));
    }
    const double b = Median(base);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const double a = Median(times[p]);
        std::printf("start-up to figures shown at %d dpi, median of %d: %s %.1f ms, empty window %.1f ms, ratio %.2f\n",
                    dpi, runs, p == 0 ? "Tallyvane" : programs[p].c_str(), a, b, b > 0 ? a / b : 0.0);
        if (p == 0)
            tv::bench::ReportTarget("start-up at " + std::to_string(dpi) + " dpi, against an empty window",
                                    "ratio <= 1.40", tv::bench::Figure(a / b, 2, ""), b > 0 && a / b <= 1.40);
    }

    std::printf("\nWhere the time goes (traced copies, medians in ms from process start):\n");
    std::printf("%-14s %8s %16s %15s %18s %8s\n", "", "entry", "window created", "first refresh", "first paints done",
                "shown");
    for (const auto& [name, starts] :
         {std::pair{"Tallyvane", &traced_program}, std::pair{"empty window", &traced_empty}}) {
        std::printf("%-14s", name);
        const int widths[kPhases] = {8, 16, 15, 18};
        for (int p = 0; p < kPhases; ++p) {
            std::vector<double> at;
            for (const Start& start : *starts)
                if (start.phase_ms[p] >= 0) at.push_back(start.phase_ms[p]);
            if (at.empty())
                std::printf(" %*s", widths[p], "-");
            else
                std::printf(" %*.1f", widths[p], Median(at));
        }
        std::vector<double> shown;
        for (const Start& start : *starts) shown.push_back(start.shown_ms);
        std::printf(" %8.1f\n", Median(shown));
    }
    return 0;
}
