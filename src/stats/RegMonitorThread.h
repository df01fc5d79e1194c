#pragma once
// The change monitor: a worker thread that waits for the registry's change notification on one key
// and hands each change to a window by a synchronous WM_REGMONITORCHANGE.
#include <windows.h>

#include <atomic>
#include <string>

#include "platform/Handles.h"

namespace tv {

class TRegMonitorThread {
public:
    // The union of name, attribute, last-set and security changes.
    static constexpr DWORD kDefaultNotifyFilter =
        REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;
    static constexpr const char* kChangeEventName = "RegMonitorChange";

    // Creates the worker suspended; nothing is opened until it runs.
    TRegMonitorThread();
    // Stops the worker and waits for it, still delivering messages that other threads send to this
    // thread's windows (the worker's last notification among them).
    ~TRegMonitorThread();
    TRegMonitorThread(const TRegMonitorThread&) = delete;
    TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

    // Set by the owner before Start, never changed afterwards.
    HKEY RootKey = HKEY_CURRENT_USER;
    std::string KeyPath;     // with a leading backslash: from the root
    DWORD NotifyFilter = 0;  // 0: the default filter
    HWND TargetWindow = nullptr;

    bool Created() const { return static_cast<bool>(thread_); }
    void Start();
    // Sets the stop flag and wakes the worker, wherever it waits.
    void Terminate();
    bool Terminated() const { return terminated_.load(); }
    // Waits until the worker has set up its first watch (or ended); false on time-out.
    bool WaitUntilWatching(DWORD timeout_ms) const;
    // True while the key itself is watched; false while it is absent and only its creation is awaited.
    bool KeyWatched() const { return key_watched_.load(); }

    DWORD GetNotifyFilter();

protected:
    // Watches the key (and the nearest existing key above it, which reports the key's deletion and
    // creation); true when the key itself is open and watched. Run on the worker only.
    bool OpenAndWatch();
    void Execute();

private:
    static DWORD WINAPI ThreadProc(LPVOID self);
    bool WatchAncestor();
    void CloseWatches();

    UniqueHandle ChangeEvent;
    UniqueHKey WatchedKey;
    UniqueHKey ancestor_key_;
    UniqueHandle wake_event_;
    UniqueHandle watching_event_;
    UniqueHandle thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> key_watched_{false};
    bool started_ = false;
};

// Waits for a handle while delivering the messages sent to this thread's windows, so that a thread
// blocked in SendMessage to us cannot deadlock the wait.
void WaitDispatchingSentMessages(HANDLE handle);

}  // namespace tv
