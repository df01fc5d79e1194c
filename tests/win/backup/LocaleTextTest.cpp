// The list's order and the value names of a backup file follow the user's locale, not ASCII: the
// order is checked against the platform's own sorted list box.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backup/BackupList.h"
#include "backup/BackupReader.h"
#include "platform/Handles.h"
#include "platform/LocaleText.h"

namespace tv {
namespace {

// What a sorted list box of the platform makes of the texts.
std::vector<std::string> SortedByListBox(const std::vector<std::string>& texts) {
    UniqueWindow list(CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
    for (const auto& text : texts) SendMessageA(list.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    std::vector<std::string> sorted;
    const auto count = SendMessageA(list.get(), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list.get(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        sorted.emplace_back(text);
    }
    return sorted;
}

TEST(LocaleText, TheRestoreListSortsAsTheListBoxDoesAccentedNamesIncluded) {
    // Windows-1252: \xC9 is E acute, \xE9 e acute, \xD6 O diaeresis.
    const std::vector<std::string> texts{
        "3/2/2005 - Zoe",      "3/2/2005 - \xC9mile", "3/2/2005 - ann", "3/2/2005 - Bob",
        "3/2/2005 - \xD6sten", "3/2/2005 - Eve",      "10/1/2005",      "3/2/2005"};
    std::vector<std::string> ours;
    for (std::size_t i : ListOrder(texts, SortKeyIgnoringCaseInLocale)) ours.push_back(texts[i]);
    EXPECT_EQ(ours, SortedByListBox(texts));
    // An accented capital sorts with its letter, not after "Z" as its code would have it.
    EXPECT_LT(CompareIgnoringCaseInLocale("\xC9mile", "Zoe"), 0);
    EXPECT_EQ(CompareIgnoringCaseInLocale("\xC9MILE", "\xE9mile"), 0);
}

TEST(LocaleText, AValueNameMatchesByTheLocalesComparison) {
    // The locale's comparison passes over a soft hyphen (\xAD) as it does inside any word.
    const std::vector<std::string> lines{"\"Wo\xADn\"=hex:05,00,00,00", "\"LOST\"=hex:07,00,00,00"};
    EXPECT_EQ(ReadBackupValue(lines, kQuotedWon, EqualsIgnoringCaseInLocale), 5);
    EXPECT_EQ(ReadBackupValue(lines, kQuotedLost, EqualsIgnoringCaseInLocale), 7);
    EXPECT_EQ(ReadBackupValue(lines, kQuotedWins, EqualsIgnoringCaseInLocale), 0);
}

}  // namespace
}  // namespace tv
