#pragma once
// Records in one sequence what buttons and their parent see, as the platform's own control tests
// record message sequences: the buttons' capture changes and style changes (through a subclass),
// the parent's click notifications (through a subclass of the parent) and the accessibility events
// the buttons raise (through an event hook on this thread). Entries name the control by its id.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace tv::testing_button {

class MessageLog {
public:
    explicit MessageLog(HWND parent) : parent_(parent) {
        Current() = this;
        parent_proc_ = Subclass(parent, &ParentProc);
        // In the context of this process, so that each event is recorded where it is raised, in order
        // with the messages (an out-of-context hook would see them only at the next message pump).
        hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_DEFACTIONCHANGE, GetModuleHandleA(nullptr),
                                &EventProc, GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_INCONTEXT);
    }
    ~MessageLog() {
        if (hook_) UnhookWinEvent(hook_);
        for (auto& [wnd, proc] : buttons_) {
            if (IsWindow(wnd)) SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
        }
        if (IsWindow(parent_)) SetWindowLongPtrA(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(parent_proc_));
        Current() = nullptr;
    }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void Watch(HWND button) { buttons_.emplace_back(button, Subclass(button, &ButtonProc)); }
    bool HookInstalled() const { return hook_ != nullptr; }

    // What was recorded since the last call, in order; pending messages are handled first.
    std::vector<std::string> Take() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return std::exchange(entries_, {});
    }

private:
    static MessageLog*& Current() {
        static MessageLog* current = nullptr;
        return current;
    }
    static WNDPROC Subclass(HWND wnd, WNDPROC proc) {
        return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    }
    static std::string Id(HWND wnd) { return std::to_string(GetDlgCtrlID(wnd)); }

    WNDPROC OriginalOf(HWND wnd) const {
        for (const auto& [button, proc] : buttons_) {
            if (button == wnd) return proc;
        }
        return DefWindowProcA;
    }
    bool Watched(HWND wnd) const {
        for (const auto& entry : buttons_) {
            if (entry.first == wnd) return true;
        }
        return false;
    }

    static LRESULT CALLBACK ButtonProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        MessageLog* log = Current();
        if (!log) return DefWindowProcA(wnd, msg, wp, lp);
        if (msg == WM_CAPTURECHANGED) log->entries_.push_back("capture lost " + Id(wnd));
        if (msg == BM_SETSTYLE) {
            log->entries_.push_back(((wp & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? "default style " : "plain style ") +
                                    Id(wnd));
        }
        return CallWindowProcA(log->OriginalOf(wnd), wnd, msg, wp, lp);
    }
    static LRESULT CALLBACK ParentProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        MessageLog* log = Current();
        if (!log) return DefWindowProcA(wnd, msg, wp, lp);
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp && log->Watched(reinterpret_cast<HWND>(lp))) {
            log->entries_.push_back("clicked " + std::to_string(LOWORD(wp)));
        }
        return CallWindowProcA(log->parent_proc_, wnd, msg, wp, lp);
    }
    static void CALLBACK EventProc(HWINEVENTHOOK, DWORD event, HWND wnd, LONG object, LONG child, DWORD, DWORD) {
        MessageLog* log = Current();
        if (!log || object != OBJID_CLIENT || child != CHILDID_SELF || !log->Watched(wnd)) return;
        if (event == EVENT_OBJECT_STATECHANGE) log->entries_.push_back("state " + Id(wnd));
        if (event == EVENT_OBJECT_DEFACTIONCHANGE) log->entries_.push_back("default action " + Id(wnd));
    }

    HWND parent_;
    WNDPROC parent_proc_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<std::pair<HWND, WNDPROC>> buttons_;
    std::vector<std::string> entries_;
};

}  // namespace tv::testing_button
