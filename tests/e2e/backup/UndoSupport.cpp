#include "e2e/backup/UndoSupport.h"

#include "e2e/backup/BackupSupport.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"

namespace tv::e2e {

namespace {

constexpr std::size_t kStampLength = 15;  // "yyyymmdd_hhmmss"

int Digits(const std::string& text, std::size_t from, std::size_t count) { return std::stoi(text.substr(from, count)); }

std::vector<std::uint8_t> Bytes(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

}  // namespace

FolderContents AddedFiles(const FolderContents& before, const FolderContents& after) {
    for (const auto& [name, bytes] : before) {
        const auto found = after.find(name);
        if (found == after.end())
            ADD_FAILURE() << name << " is gone";
        else if (found->second != bytes)
            ADD_FAILURE() << name << " has changed";
    }
    FolderContents added;
    for (const auto& entry : after)
        if (!before.count(entry.first)) added.insert(entry);
    return added;
}

bool IsAutomaticBackupName(const std::string& file_name, const std::string& backup_name) {
    const std::string head = backup_name + "_";
    if (file_name.size() != head.size() + kStampLength + 4 || file_name.compare(0, head.size(), head) != 0)
        return false;
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const char c = file_name[head.size() + i];
        if (i == 8 ? c != '_' : (c < '0' || c > '9')) return false;
    }
    return file_name.substr(file_name.size() - 4) == ".reg";
}

std::string AutomaticBackupNameIn(const std::string& backup_name, int seconds) {
    const SYSTEMTIME t = LocalTimeIn(seconds);
    char name[64];
    std::snprintf(name, sizeof(name), "_%04u%02u%02u_%02u%02u%02u.reg", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return backup_name + name;
}

std::string ListItemOf(const std::string& file_name) {
    const std::size_t stamp = file_name.size() - 4 - kStampLength;
    const int year = Digits(file_name, stamp, 4), month = Digits(file_name, stamp + 4, 2),
              day = Digits(file_name, stamp + 6, 2);
    const int hour = Digits(file_name, stamp + 9, 2), minute = Digits(file_name, stamp + 11, 2),
              second = Digits(file_name, stamp + 13, 2);
    char text[64];
    if (hour == 0 && minute == 0 && second == 0)
        std::snprintf(text, sizeof(text), "%d/%d/%d", month, day, year);
    else
        std::snprintf(text, sizeof(text), "%d/%d/%d %d:%02d:%02d %s", month, day, year, hour % 12 == 0 ? 12 : hour % 12,
                      minute, second, hour < 12 ? "AM" : "PM");
    return std::string(text) + " - " + file_name.substr(0, stamp - 1);
}

void MoveToTheMiddleOfTheScreen(HWND wnd) {
    const RECT r = WindowRectOf(wnd);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(wnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void ExpectBackupFirstQuestion(HWND box, HWND over, const std::string& text) {
    EXPECT_EQ(MessageText(box), text);
    EXPECT_EQ(GetWindow(box, GW_OWNER), over);
    const RECT o = WindowRectOf(over);
    const RECT b = WindowRectOf(box);
    EXPECT_NEAR((b.left + b.right) / 2, (o.left + o.right) / 2, 1);
    EXPECT_NEAR((b.top + b.bottom) / 2, (o.top + o.bottom) / 2, 1);
    const auto buttons = DialogButtons(box);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].caption, "&Yes");
    EXPECT_EQ(buttons[1].caption, "&No");
    EXPECT_EQ(DefaultButtonId(box), IDNO);
    EXPECT_EQ(FocusedControl(box), buttons[1].wnd);
}

KeyValues WithoutTheSix(const KeyValues& values) {
    KeyValues rest = values;
    for (const char* name : {"Won", "Lost", "Wins", "Losses", "Streak", "SType"}) rest.erase(name);
    return rest;
}

KeyValues ValuesOf(const GameFigures& f) {
    return {{"Won", {REG_BINARY, Bytes(f.Won)}},       {"Lost", {REG_BINARY, Bytes(f.Lost)}},
            {"Wins", {REG_BINARY, Bytes(f.Wins)}},     {"Losses", {REG_BINARY, Bytes(f.Losses)}},
            {"Streak", {REG_BINARY, Bytes(f.Streak)}}, {"SType", {REG_BINARY, Bytes(f.SType)}}};
}

}  // namespace tv::e2e
