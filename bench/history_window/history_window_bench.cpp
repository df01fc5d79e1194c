// Opening the History window, side by side in one run: over a journal of 100,000 entries against
// an empty one, and over 10,000 backup files against none. "Shown" is the window created and its
// paints done; "complete" adds the backups read after it shows. Medians of several openings.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BackupSample.h"
#include "BenchTarget.h"
#include "JournalSample.h"
#include "backup/BackupFiles.h"
#include "history/HistoryFM.h"
#include "platform/ProgramFolder.h"
#include "support/guard/ThrowAwayPrefix.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string MakeFolder(const std::string& root, const std::string& name) {
    const std::string folder = root + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

struct Opening {
    double shown_ms = 0;
    double complete_ms = 0;
};

Opening Open(const std::string& folder) {
    tv::HistorySource source;
    source.journal_path = folder + "FreeCell history.csv";
    source.folder = folder;
    Opening o;
    const auto start = Clock::now();
    {
        tv::THistoryForm form(source);
        form.Create(nullptr);
        MSG msg;
        // The paints it asked for: then the user sees it.
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageA(&msg);
        o.shown_ms = MsSince(start);
        // Then whatever it goes on with after showing, until it is idle.
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        o.complete_ms = MsSince(start);
    }
    return o;
}

struct Result {
    double shown_ms, complete_ms;
};

Result Measure(const std::string& folder, int runs) {
    std::vector<double> shown, complete;
    for (int r = 0; r < runs; ++r) {
        const Opening o = Open(folder);
        shown.push_back(o.shown_ms);
        complete.push_back(o.complete_ms);
    }
    return {Median(shown), Median(complete)};
}

void Print(const char* what, const Result& r) {
    std::printf("%-40s shown %9.1f ms   complete %9.1f ms\n", what, r.shown_ms, r.complete_ms);
}

}  // namespace

int main() {
    tv::test::RequireThrowAwayPrefix();
    const std::string root = tv::ProgramFolder();

    const std::string empty = MakeFolder(root, "history-empty");
    const std::string journal = MakeFolder(root, "history-journal");
    tv::WriteBackupFile(journal + "FreeCell history.csv", bench::MakeJournal(100000));
    const std::string backups = MakeFolder(root, "history-backups");
    bench::MakeBackupFiles(backups, 10000);

    std::printf("History window openings (medians of 5)\n");
    Open(empty);  // the first opening binds the common controls and the fonts
    const Result none = Measure(empty, 5);
    const Result long_journal = Measure(journal, 5);
    const Result many_backups = Measure(backups, 5);
    Print("empty journal, no backups", none);
    Print("journal of 100,000 entries", long_journal);
    Print("10,000 backup files, empty journal", many_backups);

    const double journal_more = long_journal.shown_ms - none.shown_ms;
    tv::bench::ReportTarget("History window over 100,000 journal entries, more than over none", "< 300 ms",
                            tv::bench::Figure(journal_more, 1, " ms"), journal_more < 300.0);
    const double backups_more = many_backups.shown_ms - none.shown_ms;
    tv::bench::ReportTarget("History window over 10,000 backups, more than over none", "< 1000 ms",
                            tv::bench::Figure(backups_more, 1, " ms"), backups_more < 1000.0);
    tv::bench::ReportFigure("History window, 10,000 backups all read",
                            tv::bench::Figure(many_backups.complete_ms - none.complete_ms, 1, " ms"));
    return 0;
}
