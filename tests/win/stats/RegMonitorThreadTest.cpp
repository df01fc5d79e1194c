// The change monitor against the real registry and a real window on this thread.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "stats/RegMonitorMessage.h"
#include "stats/RegMonitorThread.h"

namespace tv {
namespace {

constexpr const char* kRoot = "Software\\TallyvaneTests";
constexpr const char* kSubKey = "Software\\TallyvaneTests\\Monitor\\Stats";
constexpr const char* kKeyPath = "\\Software\\TallyvaneTests\\Monitor\\Stats";

// The window the monitor reports to: counts the reports and remembers their parameters.
struct Receiver {
    int count = 0;
    WPARAM root = 0;
    std::string path;
    std::function<void()> on_report;  // runs inside the handling, as a refresh would

    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_REGMONITORCHANGE) {
            auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
            ++self->count;
            self->root = wp;
            self->path = reinterpret_cast<const char*>(lp);
            if (self->on_report) self->on_report();
            return 0;
        }
        return DefWindowProcA(wnd, msg, wp, lp);
    }

    Receiver() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TvMonitorReceiver";
        RegisterClassA(&wc);
        wnd = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Receiver() { DestroyWindow(wnd); }
    HWND wnd = nullptr;
};

// Delivers this thread's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, int timeout_ms = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

void WriteValue(const char* name, DWORD value) {
    BYTE bytes[4];
    std::memcpy(bytes, &value, 4);
    RegSetKeyValueA(HKEY_CURRENT_USER, kSubKey, name, REG_BINARY, bytes, 4);
}

class RegMonitor : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }
    void TearDown() override {
        monitor_.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }

    void StartMonitor() {
        monitor_ = std::make_unique<TRegMonitorThread>();
        ASSERT_TRUE(monitor_->Created());
        monitor_->TargetWindow = receiver_.wnd;
        monitor_->KeyPath = kKeyPath;
        monitor_->RootKey = HKEY_CURRENT_USER;
        monitor_->Start();
        ASSERT_TRUE(monitor_->WaitUntilWatching(5000));
    }

    // Destroys the monitor; returns how long that took.
    long long DestroyMonitor() {
        const auto start = std::chrono::steady_clock::now();
        monitor_->Terminate();
        monitor_.reset();
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    }

    Receiver receiver_;
    std::unique_ptr<TRegMonitorThread> monitor_;
};

TEST(RegMonitorFilter, ZeroReadsAsFifteenAndStays) {
    TRegMonitorThread monitor;
    EXPECT_EQ(monitor.NotifyFilter, 0u);
    EXPECT_EQ(monitor.GetNotifyFilter(), 15u);
    EXPECT_EQ(monitor.NotifyFilter, 15u);
    monitor.NotifyFilter = REG_NOTIFY_CHANGE_LAST_SET;
    EXPECT_EQ(monitor.GetNotifyFilter(), 4u);
}

TEST(RegMonitorLifecycle, NeverStartedIsDestroyedCleanly) {
    auto monitor = std::make_unique<TRegMonitorThread>();
    EXPECT_TRUE(monitor->Created());
    EXPECT_FALSE(monitor->Terminated());
    monitor.reset();
}

TEST_F(RegMonitor, ReportsEveryChangeWithItsRootAndPath) {
    WriteValue("Won", 1);
    StartMonitor();
    EXPECT_TRUE(monitor_->KeyWatched());
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, "RegMonitorChange");
    EXPECT_NE(event, nullptr) << "the named event exists while the monitor watches";
    if (event) CloseHandle(event);
    Pump(100);
    EXPECT_EQ(receiver_.count, 0);

    WriteValue("Won", 2);
    ASSERT_TRUE(PumpUntil([&] { return receiver_.count >= 1; }));
    EXPECT_EQ(receiver_.root, reinterpret_cast<WPARAM>(HKEY_CURRENT_USER));
    EXPECT_EQ(receiver_.path, kKeyPath);
    // Each notification is armed again.
    for (int i = 0; i < 5; ++i) {
        const int before = receiver_.count;
        WriteValue("Lost", 10 + i);
        ASSERT_TRUE(PumpUntil([&] { return receiver_.count > before; })) << "change " << i;
    }
    // Sub-keys below the key count as changes of it.
    const int before = receiver_.count;
    HKEY sub = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSubKey) + "\\Inner").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &sub, nullptr);
    RegCloseKey(sub);
    EXPECT_TRUE(PumpUntil([&] { return receiver_.count > before; }));
}

TEST_F(RegMonitor, AChangeMadeDuringTheRefreshIsReportedToo) {
    WriteValue("Won", 1);
    StartMonitor();
    bool wrote = false;
    receiver_.on_report = [&] {
        if (wrote) return;
        wrote = true;
        WriteValue("Lost", 5);  // after the refresh read the values
    };
    WriteValue("Won", 2);
    EXPECT_TRUE(PumpUntil([&] { return receiver_.count >= 2; })) << receiver_.count;
}

TEST_F(RegMonitor, AKeyCreatedLaterIsFollowed) {
    StartMonitor();
    EXPECT_FALSE(monitor_->KeyWatched());
    // Unrelated keys appearing higher up wake nobody's window.
    RegCloseKey([] {
        HKEY k = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TallyvaneTests\\Other", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &k, nullptr);
        return k;
    }());
    Pump(200);
    EXPECT_EQ(receiver_.count, 0);

    WriteValue("Won", 3);  // creates Monitor and Stats
    ASSERT_TRUE(PumpUntil([&] { return receiver_.count >= 1; }));
    EXPECT_TRUE(PumpUntil([&] { return monitor_->KeyWatched(); }));
    const int before = receiver_.count;
    Pump(100);
    WriteValue("Won", 4);
    EXPECT_TRUE(PumpUntil([&] { return receiver_.count > before; }));
}

TEST_F(RegMonitor, AKeyCreatedLaterBelowAnExistingParentIsFollowed) {
    HKEY parent = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TallyvaneTests\\Monitor", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &parent, nullptr);
    StartMonitor();
    EXPECT_FALSE(monitor_->KeyWatched());
    // A sibling, or a key deeper below one, is no concern of the monitor.
    HKEY sibling = nullptr;
    RegCreateKeyExA(parent, "Sibling\\Deeper", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sibling, nullptr);
    RegCloseKey(sibling);
    RegCloseKey(parent);
    Pump(200);
    EXPECT_EQ(receiver_.count, 0);
    WriteValue("Won", 3);
    ASSERT_TRUE(PumpUntil([&] { return receiver_.count >= 1; }));
    EXPECT_TRUE(PumpUntil([&] { return monitor_->KeyWatched(); }));
}

TEST_F(RegMonitor, AKeyDeletedAndCreatedAgainIsFollowed) {
    WriteValue("Won", 1);
    StartMonitor();
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, kSubKey), ERROR_SUCCESS);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSubKey);
    EXPECT_TRUE(PumpUntil([&] { return !monitor_->KeyWatched(); }));
    const int before = receiver_.count;
    WriteValue("Won", 2);
    ASSERT_TRUE(PumpUntil([&] { return receiver_.count > before; }));
    EXPECT_TRUE(PumpUntil([&] { return monitor_->KeyWatched(); }));
    const int again = receiver_.count;
    Pump(100);
    WriteValue("Won", 3);
    EXPECT_TRUE(PumpUntil([&] { return receiver_.count > again; }));
}

// A hang would show as the test's time-out; the bound here only names the culprit sooner.
TEST_F(RegMonitor, StopsAtOnceWhileWatching) {
    WriteValue("Won", 1);
    StartMonitor();
    EXPECT_LT(DestroyMonitor(), 2000);
}

TEST_F(RegMonitor, StopsAtOnceAfterItsKeyWasDeleted) {
    WriteValue("Won", 1);
    StartMonitor();
    RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);  // nothing above the key is left to report either
    Pump(200);
    EXPECT_LT(DestroyMonitor(), 2000);
}

TEST_F(RegMonitor, StopsAtOnceWithoutItsKey) {
    StartMonitor();
    EXPECT_LT(DestroyMonitor(), 2000);
}

TEST_F(RegMonitor, StopDeliversAReportTheWorkerIsBlockedIn) {
    WriteValue("Won", 1);
    StartMonitor();
    WriteValue("Won", 2);
    // Without pumping, the worker's report waits in this thread's queue of sent messages.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!(GetQueueStatus(QS_SENDMESSAGE) & (QS_SENDMESSAGE | (QS_SENDMESSAGE << 16))) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(receiver_.count, 0);
    EXPECT_LT(DestroyMonitor(), 2000);
    EXPECT_EQ(receiver_.count, 1);
}

}  // namespace
}  // namespace tv
