// Live display benchmark, run under Wine (see bench/README.md):
//  1. latency from a registry write by this (another) process to the main window's label showing it,
//     for the change monitor and, over fewer writes, for the one-second polling alternative;
//  2. the same latency with the journal on and off, two copies of the program watching the same
//     writes in one run: the journal is off in a folder that holds a file of its name that the
//     program did not write (it leaves such a file alone);
//  3. idle cost over 10 s with nothing changing: CPU time and thread wake-ups of the program, the
//     change monitor beside the polling alternative.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchTarget.h"
#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "support/guard/ThrowAwayPrefix.h"

using namespace tv::e2e;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

void WriteValue(const char* name, std::int32_t value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kKey, name, REG_BINARY, &value, 4);
}

std::string Text(HWND wnd) {
    char buf[64] = {};
    GetWindowTextA(wnd, buf, sizeof(buf));
    return buf;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Latency {
    std::vector<double> ms;
    int timeouts = 0;
};

Latency MeasureLatency(const std::string& exe, const std::string& name, int writes) {
    Latency result;
    Program program(ScratchFolder(name), "Tallyvane.exe", BuildFolder() + exe);
    if (!program.Start()) return result;
    HWND main = program.MainWindow();
    if (!main) return result;
    HWND won = GetDlgItem(main, tv::mainfm::IdLblWon);
    Sleep(500);
    for (int i = 0; i < writes; ++i) {
        const std::int32_t value = 1000 + i;
        const std::string expected = std::to_string(value);
        const auto start = Clock::now();
        WriteValue("Won", value);
        bool seen = false;
        while (Clock::now() - start < std::chrono::seconds(5)) {
            if (Text(won) == expected) {
                seen = true;
                break;
            }
            Sleep(1);  // about 1 ms of resolution; a busy loop would compete with the program itself
        }
        if (seen)
            result.ms.push_back(Ms(Clock::now() - start));
        else {
            ++result.timeouts;
            std::printf("  no %s within 5 s, the label shows %s\n", expected.c_str(), Text(won).c_str());
        }
        Sleep(5);
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    program.WaitForExit(5000);
    return result;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t rank = static_cast<size_t>(p * static_cast<double>(v.size()) + 0.999999);
    return v[std::min(v.size(), std::max<size_t>(rank, 1)) - 1];
}

void PrintLatency(const char* what, const Latency& l) {
    std::printf("%-34s writes %4zu  median %8.2f ms  p99 %8.2f ms  max %8.2f ms  timeouts %d\n", what, l.ms.size(),
                Percentile(l.ms, 0.5), Percentile(l.ms, 0.99), Percentile(l.ms, 1.0), l.timeouts);
}

// The journal on and off, in one run: both copies see every write, one at a time, spaced so that
// the journal writes its entry before the next one.
void MeasureJournalOnOff(int writes) {
    // Named apart: the single-instance guard goes by the executable's name.
    Program on(ScratchFolder("bench-journal-on"), "TallyvaneOn.exe", BuildFolder() + "Tallyvane.exe");
    Program off(ScratchFolder("bench-journal-off"), "TallyvaneOff.exe", BuildFolder() + "Tallyvane.exe");
    WriteWholeFile(off.Folder() + "FreeCell history.csv", "Not,the,history\r\n");
    HWND main_on = on.Start() ? on.MainWindow() : nullptr;
    HWND main_off = off.Start() ? off.MainWindow() : nullptr;
    if (!main_on || !main_off) {
        std::printf("could not start both copies\n");
        return;
    }
    // The copy without a journal says so once; the box is closed before measuring.
    if (HWND box = FindDialog(off.Pid(), "Warning")) Answer(box, "OK");
    HWND won_on = GetDlgItem(main_on, tv::mainfm::IdLblWon), won_off = GetDlgItem(main_off, tv::mainfm::IdLblWon);
    Sleep(500);
    Latency l_on, l_off;
    for (int i = 0; i < writes; ++i) {
        const std::string expected = std::to_string(5000 + i);
        const auto start = Clock::now();
        WriteValue("Won", 5000 + i);
        bool seen_on = false, seen_off = false;
        const auto look = [&](HWND label, bool& seen, Latency& l) {
            if (seen || Text(label) != expected) return;
            seen = true;
            l.ms.push_back(Ms(Clock::now() - start));
        };
        while ((!seen_on || !seen_off) && Clock::now() - start < std::chrono::seconds(5)) {
            // Each copy looked at first every other write: neither gains from the order.
            if (i % 2 == 0) {
                look(won_on, seen_on, l_on);
                look(won_off, seen_off, l_off);
            } else {
                look(won_off, seen_off, l_off);
                look(won_on, seen_on, l_on);
            }
            Sleep(1);
        }
        l_on.timeouts += seen_on ? 0 : 1;
        l_off.timeouts += seen_off ? 0 : 1;
        Sleep(400);
    }
    PostMessageA(main_on, WM_CLOSE, 0, 0);
    PostMessageA(main_off, WM_CLOSE, 0, 0);
    on.WaitForExit(5000);
    off.WaitForExit(5000);
    PrintLatency("journal on", l_on);
    PrintLatency("journal off (a file it leaves alone)", l_off);
    const std::string journal = ReadWholeFile(on.Folder() + "FreeCell history.csv");
    const double ratio = Percentile(l_on.ms, 0.5) / Percentile(l_off.ms, 0.5);
    std::printf("entries the journal wrote: %lld; median on / off %.2f\n",
                static_cast<long long>(std::count(journal.begin(), journal.end(), '\n')) - 1, ratio);
    tv::bench::ReportTarget("live display: write to label, journal on against off, medians", "ratio <= 1.10",
                            tv::bench::Figure(ratio, 2, ""), ratio <= 1.10);
}

// Wine runs each Windows process as a Linux process; its threads' wake-ups are counted there.
std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The Linux process whose command line names the given folder, or "" when there is none.
std::string UnixProcessOf(const std::string& folder_part) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA("Z:\\proc\\*", &fd);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string found;
    do {
        const std::string pid = fd.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string cmdline = ReadFile("Z:\\proc\\" + pid + "\\cmdline");
        std::transform(cmdline.begin(), cmdline.end(), cmdline.begin(), [](char c) { return c == '/' ? '\\' : c; });
        if (cmdline.find(folder_part) != std::string::npos && cmdline.find("Tallyvane.exe") != std::string::npos) {
            found = pid;
            break;
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return found;
}

// Voluntary plus involuntary context switches of every thread of a Linux process.
long long ContextSwitches(const std::string& pid) {
    long long total = 0;
    WIN32_FIND_DATAA fd;
    const std::string tasks = "Z:\\proc\\" + pid + "\\task\\";
    HANDLE h = FindFirstFileA((tasks + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return -1;
    do {
        const std::string tid = fd.cFileName;
        if (tid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::istringstream status(ReadFile(tasks + tid + "\\status"));
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                total += std::stoll(line.substr(line.find(':') + 1));
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return total;
}

double CpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    auto ms = [](const FILETIME& f) {
        return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

void MeasureIdle(const std::string& exe, const std::string& name, const char* what) {
    Program program(ScratchFolder(name), "Tallyvane.exe", BuildFolder() + exe);
    if (!program.Start() || !program.MainWindow()) {
        std::printf("%-34s could not start\n", what);
        return;
    }
    Sleep(1500);
    const std::string pid = UnixProcessOf(name);
    const double cpu0 = CpuMs(program.Process());
    const long long sw0 = pid.empty() ? -1 : ContextSwitches(pid);
    Sleep(10000);
    const double cpu1 = CpuMs(program.Process());
    const long long sw1 = pid.empty() ? -1 : ContextSwitches(pid);
    std::printf("%-34s CPU %7.1f ms  thread wake-ups %6lld  (10 s idle)\n", what, cpu1 - cpu0,
                pid.empty() ? -1LL : sw1 - sw0);
    tv::bench::ReportFigure(
        std::string("idle 10 s, ") + what,
        tv::bench::Figure(cpu1 - cpu0, 1, " ms CPU, ") + std::to_string(pid.empty() ? -1LL : sw1 - sw0) + " wake-ups");
    PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
    program.WaitForExit(5000);
}

}  // namespace

int main(int argc, char** argv) {
    tv::test::RequireThrowAwayPrefix();
    const int writes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 250;
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    for (const char* v : {"Wins", "Losses", "Won", "Lost", "Streak", "SType"}) WriteValue(v, 1);

    std::printf("Latency, registry write by another process -> label shows it\n");
    const Latency monitor = MeasureLatency("Tallyvane.exe", "bench-latency-monitor", writes);
    PrintLatency("change monitor", monitor);
    const double median = Percentile(monitor.ms, 0.5);
    tv::bench::ReportTarget("live display: write to label, change monitor, median", "< 20 ms",
                            tv::bench::Figure(median, 2, " ms"), !monitor.ms.empty() && median < 20.0);
    PrintLatency("polling alternative (1 s timer)",
                 MeasureLatency("TallyvanePolling.exe", "bench-latency-polling", std::max(1, writes / 12)));

    std::printf("\nLatency with the journal on and off, the same writes seen by both\n");
    MeasureJournalOnOff(std::max(1, writes / 4));

    std::printf("\nIdle cost, nothing changes\n");
    MeasureIdle("Tallyvane.exe", "bench-idle-monitor", "change monitor");
    MeasureIdle("TallyvanePolling.exe", "bench-idle-polling", "polling alternative (1 s timer)");
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    return 0;
}
