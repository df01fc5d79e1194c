#pragma once
// Answers the General error box that a window procedure of this process shows, from a second
// thread, and keeps the text it showed.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "platform/ApplicationTitle.h"
#include "platform/GeneralError.h"

namespace tv::test {

class ErrorBoxWatcher {
public:
    ErrorBoxWatcher() : thread_([this] { Watch(); }) {}
    ~ErrorBoxWatcher() {
        stop_ = true;
        thread_.join();
    }
    ErrorBoxWatcher(const ErrorBoxWatcher&) = delete;
    ErrorBoxWatcher& operator=(const ErrorBoxWatcher&) = delete;

    // The texts of the boxes answered so far, one line each.
    std::string Seen() const {
        std::string copy;
        {
            std::lock_guard lock(mutex_);
            copy = seen_;
        }
        return copy;
    }

private:
    // The first label of the box that has a text (the icon's has none).
    static std::string MessageOf(HWND box) {
        std::string found;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM lp) -> BOOL {
                char name[32] = {}, text[512] = {};
                GetClassNameA(child, name, sizeof(name));
                if (lstrcmpiA(name, "Static") != 0 || GetWindowTextA(child, text, sizeof(text)) == 0) return TRUE;
                *reinterpret_cast<std::string*>(lp) = text;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static bool OfThisProcess(HWND wnd) {
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        return pid == GetCurrentProcessId();
    }

    void Watch() {
        while (!stop_) {
            if (HWND box = FindWindowA("#32770", kApplicationTitle); box && OfThisProcess(box)) {
                const std::string text = MessageOf(box);
                {
                    std::lock_guard lock(mutex_);
                    seen_ += text + "\n";
                }
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                // Give it time to go before looking again.
                for (int i = 0; i < 100 && IsWindow(box); ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::string seen_;
    std::thread thread_;
};

}  // namespace tv::test
