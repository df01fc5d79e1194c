#include "e2e/driver/Driver.h"

#include <cstdlib>

namespace tv::e2e {

HWND Program::MainWindow(int timeout_ms) const { return FindTopWindowByClass(Pid(), "TMainForm", timeout_ms); }

std::vector<HWND> TopWindows(DWORD pid) {
    struct Ctx {
        DWORD pid;
        std::vector<HWND> found;
    } ctx{pid, {}};
    EnumWindows(
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if ((c->pid == 0 || owner == c->pid) && IsWindowVisible(wnd)) c->found.push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

HWND FindTopWindow(DWORD pid, const std::string& title, int timeout_ms) {
    HWND result = nullptr;
    test::WaitUntil(
        [&] {
            for (HWND w : TopWindows(pid))
                if (WindowText(w) == title) {
                    result = w;
                    return true;
                }
            return false;
        },
        timeout_ms);
    return result;
}

HWND FindTopWindowByClass(DWORD pid, const std::string& window_class, int timeout_ms) {
    HWND result = nullptr;
    test::WaitUntil(
        [&] {
            for (HWND w : TopWindows(pid))
                if (ClassName(w) == window_class) {
                    result = w;
                    return true;
                }
            return false;
        },
        timeout_ms);
    return result;
}

HWND FocusedControl(HWND wnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool WaitForWindowGone(HWND wnd, int timeout_ms) {
    return test::WaitUntil([&] { return !IsWindow(wnd) || !IsWindowVisible(wnd); }, timeout_ms);
}

std::string WindowText(HWND wnd) {
    // WM_GETTEXT works across processes for every window class.
    const auto len = SendMessageA(wnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(len) + 1, '\0');
    const auto got = SendMessageA(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

std::string ClassName(HWND wnd) {
    char name[256] = {};
    GetClassNameA(wnd, name, sizeof(name));
    return name;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> result;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) result.push_back(c);
    return result;
}

HWND FindChildByText(HWND parent, const std::string& text, const std::string& window_class) {
    for (HWND c : Children(parent))
        if (WindowText(c) == text && (window_class.empty() || ClassName(c) == window_class)) return c;
    return nullptr;
}

std::string DlgItemText(HWND parent, int id) {
    HWND item = GetDlgItem(parent, id);
    return item ? WindowText(item) : std::string("<no control ") + std::to_string(id) + ">";
}

std::vector<std::string> ListBoxItems(HWND list) {
    // Read as UTF-16: Wine does not carry the ANSI LB_GETTEXT across processes.
    std::vector<std::string> items;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto len = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (len < 0) break;
        std::wstring w(static_cast<std::size_t>(len) + 16, L'\0');
        const auto got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(w.data()));
        w.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
        std::string a(w.size() * 2 + 1, '\0');
        const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), a.data(),
                                          static_cast<int>(a.size()), nullptr, nullptr);
        a.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        items.push_back(a);
    }
    return items;
}

int ListBoxSelection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

RECT ClientRectOnScreen(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT WindowRectOf(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
}

POINT PositionInParent(HWND child) {
    RECT r = WindowRectOf(child);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(child), &p);
    return p;
}

bool BringToFront(HWND wnd) {
    SetForegroundWindow(wnd);
    return test::WaitUntil([&] { return GetForegroundWindow() == wnd; }, 2000);
}

namespace {

// The pointer is reported within a pixel of the point (absolute input is scaled) for a few polls
// in a row.
bool PointerStaysAt(int x, int y) {
    for (int poll = 0; poll < 3; ++poll) {
        POINT p{};
        GetCursorPos(&p);
        if (std::abs(p.x - x) > 1 || std::abs(p.y - y) > 1) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace

void MoveMouseTo(int x, int y) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    in.mi.dx = static_cast<LONG>((static_cast<long long>(x) * 65535 + w / 2) / w);
    in.mi.dy = static_cast<LONG>((static_cast<long long>(y) * 65535 + h / 2) / h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // The display server takes a move in its own time, and the motion of an earlier move may
    // arrive after it and put the pointer back, so that a click would land where the pointer was:
    // the move is sent again until the pointer is there and stays.
    for (int attempt = 0; attempt < 20; ++attempt) {
        SendInput(1, &in, sizeof(in));
        Sleep(30);
        if (PointerStaysAt(x, y)) return;
    }
}

void MouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(in));
    Sleep(30);
}

void ClickAt(int x, int y) {
    MoveMouseTo(x, y);
    MouseButton(true);
    MouseButton(false);
}

void Click(HWND wnd) {
    const RECT r = WindowRectOf(wnd);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

namespace {

void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof(in));
}

}  // namespace

void PressKey(WORD vk, bool alt, bool shift, bool ctrl) {
    if (ctrl) Key(VK_CONTROL, false);
    if (shift) Key(VK_SHIFT, false);
    if (alt) Key(VK_MENU, false);
    Key(vk, false);
    Key(vk, true);
    if (alt) Key(VK_MENU, true);
    if (shift) Key(VK_SHIFT, true);
    if (ctrl) Key(VK_CONTROL, true);
    Sleep(50);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT vk = VkKeyScanA(c);
        PressKey(static_cast<WORD>(vk & 0xFF), false, (vk & 0x100) != 0, false);
    }
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

}  // namespace tv::e2e
