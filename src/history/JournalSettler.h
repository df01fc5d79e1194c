#pragma once
// When to write a journal entry: the game writes its six values one after the other, and one game
// must make one entry, so an entry waits until the values have stayed unchanged for a while.
// Plain logic over a millisecond clock; the caller owns the one-shot timer.
#include <cstdint>
#include <optional>
#include <string>

#include "history/JournalEntry.h"

namespace tv {

inline constexpr std::int64_t kJournalSettleMilliseconds = 250;

// Values that have settled, and what the entry that records them is to say.
struct SettledValues {
    JournalValues values;
    std::optional<JournalEvent> command;  // the program's own Clear or restore wrote them
    std::string detail;                   // the restored file's name
    bool first_of_run = false;            // the first settling since the program started
};

class JournalSettler {
public:
    // A refresh saw values at now. When they differ from the last values seen (or are the first),
    // returns the time at which to look again; the caller arms its timer for then.
    std::optional<std::int64_t> Observe(std::int64_t now, const JournalValues& values);

    // The program's own Clear or restore has written: the next settling is that command's, and is
    // looked at the returned time even when the values turn out unchanged.
    std::int64_t NoteCommand(std::int64_t now, JournalEvent command, std::string detail);

    struct Step {
        std::optional<SettledValues> settled;       // to be written (if they differ from the last entry)
        std::optional<std::int64_t> look_again_at;  // not settled yet: arm the timer again
    };
    // The timer fired at now.
    Step Tick(std::int64_t now);

    // At shut-down: whatever is waiting, settled or not.
    std::optional<SettledValues> Flush();

    bool Waiting() const { return waiting_; }

private:
    SettledValues Take();

    std::optional<JournalValues> seen_;
    std::int64_t changed_at_ = 0;
    bool waiting_ = false;
    bool first_of_run_ = true;
    std::optional<JournalEvent> command_;
    std::string detail_;
};

// The entry that records settled values after last (the journal's last entry, if any), stamped
// time; none when they are last's values (nothing changed). The first entry of a journal and the
// first of a run that finds other values than last's are "start".
std::optional<JournalEntry> EntryToAppend(const std::optional<JournalEntry>& last, const SettledValues& settled,
                                          std::string time);

}  // namespace tv
