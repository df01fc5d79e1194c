// Handlers that destroy the button they were called from, and handlers that fail: the button may
// not touch its freed object afterwards, and an error reaches the General error box.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "win/button/ButtonHost.h"
#include "win/button/FreedMemoryWatch.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::PumpMessages;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The host's window procedure for these tests: a click notification destroys the button.
LRESULT CALLBACK DestroyOnClick(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND && HIWORD(wp) == BN_CLICKED && lp) DestroyWindow(reinterpret_cast<HWND>(lp));
    return DefWindowProcA(w, m, wp, lp);
}

struct Input {
    const char* name;
    void (*send)(HWND);
};

const Input kClicks[] = {
    {"mouse",
     [](HWND b) {
         SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
         SendMessageA(b, WM_LBUTTONUP, 0, At(10, 10));
     }},
    {"space",
     [](HWND b) {
         SendMessageA(b, WM_KEYDOWN, VK_SPACE, 1);
         SendMessageA(b, WM_KEYUP, VK_SPACE, 0xC0000001);
     }},
    {"enter", [](HWND b) { SendMessageA(b, WM_KEYDOWN, VK_RETURN, 1); }},
    {"BM_CLICK", [](HWND b) { SendMessageA(b, BM_CLICK, 0, 0); }},
    {"animated", [](HWND b) { TCustomVtPopupButton::FromHandle(b)->AnimateClick(); }},
};

TEST(ButtonLifetime, AClickHandlerMayDestroyTheButton) {
    for (const Input& input : kClicks) {
        ButtonHost host;
        SetWindowLongPtrA(host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DestroyOnClick));
        HWND b = host.Add("Gone", 10, 10, 97, 25, 100);
        SetFocus(b);
        PumpMessages();
        testing_memory::StartWatch();
        input.send(b);
        PumpMessages();
        EXPECT_EQ(testing_memory::StopWatch(), 0) << input.name << ": freed memory written to";
        EXPECT_FALSE(IsWindow(b)) << input.name;
    }
}

TEST(ButtonLifetime, AnArrowClickHandlerMayDestroyTheButton) {
    for (bool double_click : {false, true}) {
        ButtonHost host;
        HWND b = host.Add("Gone", 10, 10, 97, 25, 100);
        auto* button = TCustomVtPopupButton::FromHandle(b);
        button->SetUseArrow(true);
        button->OnArrowClick = [b](TCustomVtPopupButton&) { DestroyWindow(b); };
        button->OnDblClick = [](TCustomVtPopupButton&) { ADD_FAILURE() << "double click raised on a freed button"; };
        testing_memory::StartWatch();
        SendMessageA(b, double_click ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
        PumpMessages();
        EXPECT_EQ(testing_memory::StopWatch(), 0) << "freed memory written to";
        EXPECT_FALSE(IsWindow(b));
    }
}

// A button that counts how often its theme handles are closed.
class CountingButton : public TVtPopupButton {
public:
    static int& Closes() {
        static int closes = 0;
        return closes;
    }

protected:
    void CloseThemeHandle() override {
        ++Closes();
        TVtPopupButton::CloseThemeHandle();
    }
};

TEST(ButtonLifetime, DestroyingTheWindowClosesItsThemeHandlesOnce) {
    ButtonHost host;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure<CountingButton, ObjectMadeByProcedure>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CountingButton";
    RegisterClassExA(&wc);
    HWND b = CreateWindowExA(0, "CountingButton", "Themed", WS_CHILD | WS_VISIBLE, 10, 10, 97, 25, host.Handle(),
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(b, nullptr);
    PumpMessages();
    CountingButton::Closes() = 0;
    DestroyWindow(b);
    EXPECT_EQ(CountingButton::Closes(), 1);
}

// Closes every General error box of the given thread from a second thread, as a user would,
// until stopped; keeps the first box's text.
// A window's text read without a message to its thread: the watcher runs beside a thread that
// may be waiting for it.
std::string TextOf(HWND wnd) {
    wchar_t buffer[256] = {};
    InternalGetWindowText(wnd, buffer, 256);
    char narrow[512] = {};
    WideCharToMultiByte(CP_ACP, 0, buffer, -1, narrow, sizeof(narrow), nullptr, nullptr);
    return narrow;
}

// The message of a system message box: its one static control with text.
std::string BoxText(HWND box) {
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM out) {
            char name[16] = {};
            GetClassNameA(child, name, sizeof(name));
            const std::string shown = TextOf(child);
            if (lstrcmpiA(name, "Static") == 0 && !shown.empty()) *reinterpret_cast<std::string*>(out) = shown;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

class ErrorBoxWatcher {
public:
    explicit ErrorBoxWatcher(DWORD thread) : thread_([this, thread] { Watch(thread); }) {}
    ~ErrorBoxWatcher() { Stop(); }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    int Boxes() const { return boxes_; }
    const std::string& FirstText() const { return text_; }

private:
    void Watch(DWORD thread) {
        while (!stop_) {
            HWND box = nullptr;
            EnumThreadWindows(
                thread,
                [](HWND w, LPARAM found) {
                    char name[16] = {};
                    GetClassNameA(w, name, sizeof(name));
                    if (IsWindowVisible(w) && lstrcmpA(name, "#32770") == 0 && TextOf(w) == "Tallyvane") {
                        *reinterpret_cast<HWND*>(found) = w;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box && box != last_) {
                last_ = box;
                if (boxes_++ == 0) text_ = BoxText(box);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(10);
        }
    }
    std::atomic<bool> stop_{false};
    std::atomic<int> boxes_{0};
    HWND last_ = nullptr;
    std::string text_;
    std::thread thread_;
};

TEST(ButtonErrors, AFailingHandlerReachesTheGeneralErrorBox) {
    ButtonHost host;
    HWND b = host.Add("Fails", 10, 10, 97, 25, 100);
    auto* button = TCustomVtPopupButton::FromHandle(b);
    button->SetUseArrow(true);
    button->OnArrowClick = [](TCustomVtPopupButton&) { throw std::runtime_error("The menu could not be built"); };
    ErrorBoxWatcher watcher(GetCurrentThreadId());
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(90, 10));
    SendMessageA(b, WM_LBUTTONUP, 0, At(90, 10));
    PumpMessages();
    watcher.Stop();
    EXPECT_EQ(watcher.Boxes(), 1) << "the failed press ends with its error";
    EXPECT_EQ(watcher.FirstText(), "The menu could not be built.");
    // The button carries on (painted again now that the box no longer disables its window).
    ASSERT_TRUE(IsWindow(b));
    testing_button::CaptureButton(b);
    EXPECT_EQ(static_cast<int>(button->GetPressState()), static_cast<int>(psUp));
    EXPECT_NE(GetCapture(), b);
}

}  // namespace
}  // namespace tv
