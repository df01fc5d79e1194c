#pragma once
// Keeps the journal beside the program: fed by every refresh of the display, it appends one entry
// once the values have settled, through a one-shot timer of its owner window (Win32).
#include <windows.h>

#include <functional>
#include <string>

#include "history/JournalSettler.h"

namespace tv {

// Whether the journal is being recorded; kept for the window that shows the history.
struct JournalStatus {
    bool failing = false;       // the last write failed
    std::string failing_since;  // when the writes began to fail (a journal time stamp), while failing
    std::string reason;         // why the last failed write did, in the system's words
    std::string first_failure;  // when the run's first write failed, empty if none did
};

class JournalRecorder {
public:
    // path: the journal file; timer_id: the owner window's timer the recorder may use.
    JournalRecorder(std::string path, UINT_PTR timer_id);

    // The window whose timer settles entries and over which the first failure is reported.
    void Attach(HWND owner) { owner_ = owner; }
    UINT_PTR TimerId() const { return timer_id_; }

    // After every refresh of the display: reads the values and waits for them to settle.
    void Refreshed();
    // After the program's own Clear and restore (restored_file: the backup file's name).
    void ClearDone();
    void RestoreDone(const std::string& restored_file);
    // The owner's WM_TIMER for TimerId().
    void OnTimer();
    // At shut-down: writes what is waiting, without reporting a failure.
    void Flush();

    const JournalStatus& Status() const { return status_; }

    // Told of every entry once it is in the file (or of the status when a write fails), so that an
    // open History window follows without reading the journal again. One listener; empty: none.
    using Listener = std::function<void(const JournalEntry* appended)>;
    void SetListener(Listener listener) { listener_ = std::move(listener); }

private:
    void ArmTimer(std::int64_t at);
    void Write(const SettledValues& settled, bool may_report);

    std::string path_;
    UINT_PTR timer_id_;
    HWND owner_ = nullptr;
    bool timer_armed_ = false;
    bool failure_reported_ = false;
    JournalSettler settler_;
    JournalStatus status_;
    Listener listener_;
};

// The six values as the store reads them, an absent one (or an absent key) empty; a value the store
// refuses (wrong type or size) is what the store leaves in its zeroed buffer.
JournalValues ReadJournalValues();

}  // namespace tv
