#include "e2e/backup/BackupSupport.h"

#include <cstdio>

#include "e2e/driver/Driver.h"

namespace tv::e2e {

namespace {

std::string Hex(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    char text[16];
    std::snprintf(text, sizeof(text), "%02X,%02X,%02X,%02X", u & 0xFF, (u >> 8) & 0xFF, (u >> 16) & 0xFF, u >> 24);
    return text;
}

}  // namespace

void ClickListBoxItem(HWND list, int index) {
    // A message box hides before its owner is enabled again, and keys go to the active window.
    HWND root = GetAncestor(list, GA_ROOT);
    WaitUntil([&] { return IsWindowEnabled(root) != FALSE; });
    BringToFront(root);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const RECT client = ClientRectOnScreen(list);
    // The dialog's activation may hand the focus back to its last control just after the click.
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickAt(client.left + 10, client.top + (index - top) * height + height / 2);
        if (WaitUntil([&] { return FocusedControl(list) == list; }, 1000)) break;
    }
    // A click's selection is reported only when the button comes up, which Wine's desktop may
    // deliver late; the keys that lead to the same item report it at once.
    Sleep(200);
    PressKey(VK_HOME);
    for (int i = 0; i < index; ++i) PressKey(VK_DOWN);
}

std::string BackupText(const GameFigures& f) {
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell]\r\n"
           "\"Wins\"=hex:" +
           Hex(f.Wins) + "\r\n\"Losses\"=hex:" + Hex(f.Losses) + "\r\n\"Won\"=hex:" + Hex(f.Won) +
           "\r\n\"Lost\"=hex:" + Hex(f.Lost) + "\r\n\"Streak\"=hex:" + Hex(f.Streak) +
           "\r\n\"SType\"=hex:" + Hex(f.SType) + "\r\n\r\n";
}

SYSTEMTIME LocalTimeIn(int seconds) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    FILETIME ft{};
    SystemTimeToFileTime(&now, &ft);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = ft.dwLowDateTime;
    ticks.HighPart = ft.dwHighDateTime;
    ticks.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000ULL;
    ft.dwLowDateTime = ticks.LowPart;
    ft.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME later{};
    FileTimeToSystemTime(&ft, &later);
    return later;
}

}  // namespace tv::e2e

namespace tv::e2e {

bool WaitForTheHistoryStart(const std::string& folder) {
    // The header line and one entry, each ended by CR LF.
    return WaitUntil([&] {
        const std::string path = folder + kHistoryFileName;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
        const std::string text = ReadWholeFile(path);
        return text.find("\r\n") != text.rfind("\r\n");
    });
}

test::FolderContents WithoutTheHistory(test::FolderContents files) {
    files.erase(kHistoryFileName);
    return files;
}

}  // namespace tv::e2e
