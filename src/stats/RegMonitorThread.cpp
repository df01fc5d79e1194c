#include "stats/RegMonitorThread.h"

#include "stats/RegMonitorMessage.h"

namespace tv {

void WaitDispatchingSentMessages(HANDLE handle) {
    for (;;) {
        // Deliver what is already waiting first: a message that an earlier look at the queue has
        // seen no longer counts as new, and the wait alone would never wake for it.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        const DWORD result = MsgWaitForMultipleObjectsEx(1, &handle, INFINITE, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        if (result != WAIT_OBJECT_0 + 1) return;  // signalled, or the wait itself failed
    }
}

TRegMonitorThread::TRegMonitorThread()
    : wake_event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      watching_event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    if (wake_event_ && watching_event_)
        thread_.reset(CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, nullptr));
}

TRegMonitorThread::~TRegMonitorThread() {
    if (!thread_) return;
    Terminate();
    if (!started_) ResumeThread(thread_.get());
    WaitDispatchingSentMessages(thread_.get());
}

void TRegMonitorThread::Start() {
    if (!thread_ || started_) return;
    started_ = true;
    ResumeThread(thread_.get());
}

void TRegMonitorThread::Terminate() {
    terminated_ = true;
    // The worker may wait with no notification pending at all (its key deleted by another program
    // on a system that does not report that): wake it explicitly.
    if (wake_event_) SetEvent(wake_event_.get());
}

bool TRegMonitorThread::WaitUntilWatching(DWORD timeout_ms) const {
    if (!thread_) return false;
    const HANDLE handles[2] = {watching_event_.get(), thread_.get()};
    return WaitForMultipleObjects(2, handles, FALSE, timeout_ms) != WAIT_TIMEOUT;
}

DWORD TRegMonitorThread::GetNotifyFilter() {
    if (NotifyFilter == 0) NotifyFilter = kDefaultNotifyFilter;
    return NotifyFilter;
}

DWORD WINAPI TRegMonitorThread::ThreadProc(LPVOID self) {
    auto* monitor = static_cast<TRegMonitorThread*>(self);
    try {
        monitor->Execute();
    } catch (...) {
        // Nothing may leave a thread procedure; the program goes on without live updates.
    }
    monitor->CloseWatches();
    SetEvent(monitor->watching_event_.get());
    return 0;
}

void TRegMonitorThread::CloseWatches() {
    WatchedKey.reset();
    ancestor_key_.reset();
}

bool TRegMonitorThread::WatchAncestor() {
    const std::string path = KeyPath.starts_with('\\') ? KeyPath.substr(1) : KeyPath;
    bool parent = true;
    for (std::size_t end = path.find_last_of('\\'); end != std::string::npos && end > 0;
         end = path.find_last_of('\\', end - 1), parent = false) {
        const std::string ancestor = path.substr(0, end);
        if (RegOpenKeyExA(RootKey, ancestor.c_str(), 0, KEY_NOTIFY, ancestor_key_.put()) != ERROR_SUCCESS) continue;
        // Sub-keys added or removed: directly below the parent, or anywhere below a key higher up,
        // where the missing keys in between have to appear first.
        if (RegNotifyChangeKeyValue(ancestor_key_.get(), parent ? FALSE : TRUE, REG_NOTIFY_CHANGE_NAME,
                                    ChangeEvent.get(), TRUE) == ERROR_SUCCESS)
            return true;
        ancestor_key_.reset();
    }
    return false;
}

bool TRegMonitorThread::OpenAndWatch() {
    if (!ChangeEvent) ChangeEvent.reset(CreateEventA(nullptr, TRUE, FALSE, kChangeEventName));
    if (!ChangeEvent) return false;
    // Closing a key with a pending notification signals the event: close first, then reset.
    CloseWatches();
    ResetEvent(ChangeEvent.get());
    // The key above is watched before the key is opened, so that its deletion or creation from
    // now on is reported whatever happens in between. Not every system reports the deletion of a
    // watched key to its own watch, and an absent key cannot be watched at all.
    WatchAncestor();
    const std::string path = KeyPath.starts_with('\\') ? KeyPath.substr(1) : KeyPath;
    bool watched = RegOpenKeyExA(RootKey, path.c_str(), 0, KEY_READ, WatchedKey.put()) == ERROR_SUCCESS;
    if (watched)
        watched = RegNotifyChangeKeyValue(WatchedKey.get(), TRUE, GetNotifyFilter(), ChangeEvent.get(), TRUE) ==
                  ERROR_SUCCESS;  // fails when the key was deleted in the meantime
    if (!watched) WatchedKey.reset();
    key_watched_ = watched;
    return watched;
}

void TRegMonitorThread::Execute() {
    if (terminated_) return;
    bool watched = OpenAndWatch();
    SetEvent(watching_event_.get());
    while (!terminated_) {
        const HANDLE handles[2] = {wake_event_.get(), ChangeEvent.get()};
        const DWORD result = WaitForMultipleObjects(ChangeEvent ? 2 : 1, handles, FALSE, INFINITE);
        if (terminated_) break;
        if (result == WAIT_OBJECT_0 + 1) {
            const bool was_watched = watched;
            // Re-armed before the window reads the values: a change made while it refreshes is
            // reported once more instead of being lost.
            watched = OpenAndWatch();
            // Another key appearing or going while ours is still absent is of no interest.
            if (watched || was_watched)
                SendMessageA(TargetWindow, WM_REGMONITORCHANGE, reinterpret_cast<WPARAM>(RootKey),
                             reinterpret_cast<LPARAM>(KeyPath.c_str()));
        } else if (result != WAIT_OBJECT_0) {
            break;  // the wait cannot work: end rather than spin
        }
    }
}

}  // namespace tv
