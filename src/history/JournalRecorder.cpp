#include "history/JournalRecorder.h"

#include <algorithm>

#include "history/JournalClock.h"
#include "history/JournalFile.h"
#include "platform/Error.h"
#include "platform/Handles.h"
#include "stats/StatsStore.h"
#include "ui/MessageBox.h"

namespace tv {

namespace {

constexpr JournalColumn ColumnOf(StatValue v) {
    switch (v) {
        case StatValue::Won:
            return JournalColumn::Won;
        case StatValue::Lost:
            return JournalColumn::Lost;
        case StatValue::Wins:
            return JournalColumn::Wins;
        case StatValue::Losses:
            return JournalColumn::Losses;
        case StatValue::Streak:
            return JournalColumn::Streak;
        case StatValue::SType:
            return JournalColumn::SType;
    }
    return JournalColumn::Won;
}

std::string FailureText(const std::string& reason) {
    return "Your game history could not be recorded in \"" + std::string(kJournalFileName) +
           "\" beside the program.\r\n" + reason +
           "\r\nYour statistics are not affected, and the history is recorded again as soon as the file can be "
           "written.";
}

}  // namespace

JournalValues ReadJournalValues() {
    JournalValues values;
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, StatisticsSubKey(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return values;
    for (StatValue v : kRawRecordOrder) {
        RawValue buffer{};
        bool present = true;
        try {
            present = ReadRawValue(key.get(), ValueName(v), buffer);
        } catch (const TvError&) {
            // The display reports it; the journal keeps what the store decoded.
        }
        if (present) values[ColumnOf(v)] = RawBytesToInteger(buffer);
    }
    return values;
}

JournalRecorder::JournalRecorder(std::string path, UINT_PTR timer_id) : path_(std::move(path)), timer_id_(timer_id) {}

void JournalRecorder::Refreshed() {
    if (const auto at = settler_.Observe(JournalClockMilliseconds(), ReadJournalValues())) ArmTimer(*at);
}

void JournalRecorder::ClearDone() {
    ArmTimer(settler_.NoteCommand(JournalClockMilliseconds(), JournalEvent::Clear, {}));
}

void JournalRecorder::RestoreDone(const std::string& restored_file) {
    ArmTimer(settler_.NoteCommand(JournalClockMilliseconds(), JournalEvent::Restore, restored_file));
}

void JournalRecorder::ArmTimer(std::int64_t at) {
    if (!owner_) return;
    const std::int64_t delay = std::max<std::int64_t>(USER_TIMER_MINIMUM, at - JournalClockMilliseconds());
    // Setting it again replaces the earlier one: one timer, fired once.
    timer_armed_ = SetTimer(owner_, timer_id_, static_cast<UINT>(delay), nullptr) != 0;
}

void JournalRecorder::OnTimer() {
    KillTimer(owner_, timer_id_);
    timer_armed_ = false;
    // A look of its own: the polling timer may not have seen the game's last write yet.
    const std::int64_t now = JournalClockMilliseconds();
    settler_.Observe(now, ReadJournalValues());
    const JournalSettler::Step step = settler_.Tick(now);
    if (step.look_again_at) ArmTimer(*step.look_again_at);
    if (step.settled) Write(*step.settled, true);
}

void JournalRecorder::Flush() {
    if (timer_armed_) KillTimer(owner_, timer_id_);
    timer_armed_ = false;
    // A change the polling timer has not seen yet is waiting too.
    settler_.Observe(JournalClockMilliseconds(), ReadJournalValues());
    if (const auto settled = settler_.Flush()) Write(*settled, false);
}

void JournalRecorder::Write(const SettledValues& settled, bool may_report) {
    const std::string time = JournalTimeNow();
    const AppendResult result = AppendToJournal(
        path_, [&](const std::optional<JournalEntry>& last) { return EntryToAppend(last, settled, time); });
    if (result.outcome != AppendOutcome::Failed) {
        status_.failing = false;
        status_.failing_since.clear();
        if (result.written && listener_) listener_(&*result.written);
        return;
    }
    if (!status_.failing) status_.failing_since = time;
    status_.failing = true;
    status_.reason = result.reason;
    if (status_.first_failure.empty()) status_.first_failure = time;
    if (listener_) listener_(nullptr);
    // Once a run, and never at every change: the program goes on as before.
    if (failure_reported_ || !may_report || !owner_) return;
    failure_reported_ = true;
    ShowMessageBox(owner_, FailureText(result.reason), MsgKind::Warning, Buttons(MsgButton::OK));
}

}  // namespace tv
