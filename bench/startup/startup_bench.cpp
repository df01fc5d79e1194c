// Time from process start to the main window showing its figures, against a minimal program that
// opens one empty window; both started alternately in the same run, medians compared. Both count
// as shown when their window is visible and its thread answers a message (WM_GETTEXT), that is,
// once the first painting is done.
//   startup_bench.exe [runs] [dpi] [other.exe ...]
// dpi: the display scale (LogPixels) every program starts at; other.exe: further builds of the
// program (an older one, say) timed in the same rotation, so a change is compared under the same load.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/MainFMIds.h"
#include "support/guard/ThrowAwayPrefix.h"

namespace {

using Clock = std::chrono::steady_clock;

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

// Milliseconds until `ready` holds for the program's window, or -1.
template <typename Ready>
double TimeStart(const std::string& exe, const char* window_class, Ready ready) {
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + exe + "\"";
    const auto t0 = Clock::now();
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double ms = -1;
    for (;;) {
        HWND w = FindVisible(pi.dwProcessId, window_class);
        if (w && ready(w)) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            PostMessageA(w, WM_CLOSE, 0, 0);
            break;
        }
        if (std::chrono::duration<double>(Clock::now() - t0).count() > 20) break;
        Sleep(1);
    }
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return ms;
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
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell", 0, nullptr,
                    0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
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
    // Warm each once (first starts load DLLs into the page cache).
    TimeStart(folder + "EmptyWindow.exe", "EmptyWindow", empty_ready);
    for (const auto& program : programs) TimeStart(program, "TMainForm", figures_shown);
    std::vector<double> base;
    std::vector<std::vector<double>> times(programs.size());
    for (int i = 0; i < runs; ++i) {
        base.push_back(TimeStart(folder + "EmptyWindow.exe", "EmptyWindow", empty_ready));
        for (std::size_t p = 0; p < programs.size(); ++p)
            times[p].push_back(TimeStart(programs[p], "TMainForm", figures_shown));
    }
    const double b = Median(base);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const double a = Median(times[p]);
        std::printf("start-up to figures shown at %d dpi, median of %d: %s %.1f ms, empty window %.1f ms, ratio %.2f\n",
                    dpi, runs, p == 0 ? "Tallyvane" : programs[p].c_str(), a, b, b > 0 ? a / b : 0.0);
    }
    return 0;
}
