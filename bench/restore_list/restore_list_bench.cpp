// Opening the restore dialog over 1,000 and 10,000 backup files: time until the dialog is idle
// with its list filled, and until a selected file is previewed. Medians of several openings.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BackupSample.h"
#include "BenchTarget.h"
#include "backup/BackupFiles.h"
#include "backup/DateText.h"
#include "backup/RestoreFM.h"
#include "backup/RestoreFMIds.h"
#include "platform/ProgramFolder.h"
#include "support/guard/ThrowAwayPrefix.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Opening {
    Clock::time_point start;
    double filled_ms = 0;
    double previewed_ms = 0;
    long items = 0;
};

Opening* g_opening = nullptr;  // the opening being measured; the timer callback has no user data

double MsSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

// Runs once the dialog's message loop is idle, that is after the listing filled the list.
void CALLBACK OnIdle(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    Opening& o = *g_opening;
    o.filled_ms = MsSince(o.start);
    HWND dialog = FindWindowA(nullptr, tv::restorefm::kCaption);
    HWND list = GetDlgItem(dialog, tv::restorefm::IdListBoxFiles);
    o.items = static_cast<long>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    const auto before = Clock::now();
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(o.items / 2), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(tv::restorefm::IdListBoxFiles, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    o.previewed_ms = MsSince(before);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

std::string MakeFolder(const std::string& root, int count) {
    const std::string folder = root + "restore-list-" + std::to_string(count) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    bench::MakeBackupFiles(folder, count);
    return folder;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Result {
    long items;
    double listing_ms, filled_ms, previewed_ms;
};

Result Measure(const std::string& folder, int runs) {
    std::vector<double> listing, filled, previewed;
    long items = 0;
    for (int r = 0; r < runs; ++r) {
        auto t = Clock::now();
        long listed = 0;
        tv::ListBackupFiles(folder, [&](const tv::BackupEntry&) { ++listed; });
        listing.push_back(MsSince(t));
        if (r == 0) {
            std::vector<tv::BackupEntry> entries;
            tv::ListBackupFiles(folder, [&](const tv::BackupEntry& e) { entries.push_back(e); });
            t = Clock::now();
            std::size_t total = 0;
            for (const auto& e : entries) total += tv::DateText(e.Stamp).size();
            std::printf("  date texts for %zu entries: %.1f ms (%zu chars)\n", entries.size(), MsSince(t), total);
            // Baseline: a bare list box in a plain window, filled with as many texts.
            HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
            HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_HASSTRINGS, 0, 0, 100, 100, owner, nullptr,
                                        nullptr, nullptr);
            t = Clock::now();
            SendMessageA(list, WM_SETREDRAW, FALSE, 0);
            for (const auto& e : entries)
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.FileName.c_str()));
            std::printf("  bare list box, %zu LB_ADDSTRING: %.1f ms\n", entries.size(), MsSince(t));
            DestroyWindow(owner);
        }

        tv::RawRecord raw;
        tv::TFormRestore form(raw, folder);
        Opening o;
        g_opening = &o;
        SetTimer(nullptr, 0, 0, OnIdle);
        o.start = Clock::now();
        form.ShowModal(nullptr);
        g_opening = nullptr;
        filled.push_back(o.filled_ms);
        previewed.push_back(o.previewed_ms);
        items = o.items;
    }
    return {items, Median(listing), Median(filled), Median(previewed)};
}

}  // namespace

int main() {
    tv::test::RequireThrowAwayPrefix();
    const std::string root = tv::ProgramFolder();
    std::printf("Restore dialog over many backup files (medians of 5 openings)\n");
    std::printf("%8s %8s %14s %20s %14s\n", "files", "listed", "listing ms", "open+filled ms", "preview ms");
    std::vector<Result> results;
    for (int count : {1000, 10000}) {
        const Result r = Measure(MakeFolder(root, count), 5);
        results.push_back(r);
        std::printf("%8d %8ld %14.1f %20.1f %14.2f\n", count, r.items, r.listing_ms, r.filled_ms, r.previewed_ms);
    }
    const double per_file_1k = results[0].filled_ms / 1000.0;
    const double per_file_10k = results[1].filled_ms / 10000.0;
    std::printf("open+filled per file: %.4f ms at 1,000, %.4f ms at 10,000 (ratio %.2f; 1.00 is linear)\n", per_file_1k,
                per_file_10k, per_file_10k / per_file_1k);
    tv::bench::ReportTarget("restore dialog open and filled, 10,000 backups", "< 500 ms",
                            tv::bench::Figure(results[1].filled_ms, 1, " ms"), results[1].filled_ms < 500.0);
    return 0;
}
