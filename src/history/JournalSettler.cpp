#include "history/JournalSettler.h"

#include <utility>

namespace tv {

std::optional<std::int64_t> JournalSettler::Observe(std::int64_t now, const JournalValues& values) {
    if (seen_ && *seen_ == values) return std::nullopt;
    seen_ = values;
    changed_at_ = now;
    waiting_ = true;
    return now + kJournalSettleMilliseconds;
}

std::int64_t JournalSettler::NoteCommand(std::int64_t now, JournalEvent command, std::string detail) {
    command_ = command;
    detail_ = std::move(detail);
    changed_at_ = now;
    waiting_ = true;
    return now + kJournalSettleMilliseconds;
}

JournalSettler::Step JournalSettler::Tick(std::int64_t now) {
    Step step;
    if (!waiting_) return step;
    if (now - changed_at_ < kJournalSettleMilliseconds)
        step.look_again_at = changed_at_ + kJournalSettleMilliseconds;
    else
        step.settled = Take();
    return step;
}

std::optional<SettledValues> JournalSettler::Flush() {
    if (!waiting_) return std::nullopt;
    return Take();
}

SettledValues JournalSettler::Take() {
    SettledValues settled;
    // A command noted before any refresh has no values to give; none seen means none yet.
    if (seen_) settled.values = *seen_;
    settled.command = std::exchange(command_, std::nullopt);
    settled.detail = std::exchange(detail_, {});
    settled.first_of_run = std::exchange(first_of_run_, false);
    waiting_ = false;
    return settled;
}

std::optional<JournalEntry> EntryToAppend(const std::optional<JournalEntry>& last, const SettledValues& settled,
                                          std::string time) {
    if (last && last->values == settled.values) return std::nullopt;
    JournalEntry entry;
    entry.time = std::move(time);
    entry.values = settled.values;
    if (settled.command) {
        entry.event = *settled.command;
        if (entry.event == JournalEvent::Restore) entry.detail = settled.detail;
    } else if (!last || settled.first_of_run) {
        entry.event = JournalEvent::Start;
    } else {
        entry.event = ClassifyChange(last->values, settled.values);
    }
    return entry;
}

}  // namespace tv
