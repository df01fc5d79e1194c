// ANSI texts handed to the calls that take only UTF-16: every byte converted by the code page.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/WideText.h"

namespace tv {
namespace {

TEST(WideText, AsciiAndNothing) {
    EXPECT_EQ(AnsiToWide("Clear Statistics"), L"Clear Statistics");
    EXPECT_EQ(AnsiToWide(""), L"");
}

TEST(WideText, BytesAboveAsciiGoThroughTheCodePage) {
    // The harness runs Wine in US English: Windows-1252, where 0x80 is the euro sign.
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(AnsiToWide("\xC4pfel \x80"), L"\u00C4pfel \u20AC");
    EXPECT_EQ(AnsiToWide("\xE9t\xE9"), L"\u00E9t\u00E9");
}

TEST(WideText, EveryByteCountsAZeroByteIncluded) {
    const std::string text("a\0b", 3);
    const std::wstring wide = AnsiToWide(text);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide, std::wstring(L"a\0b", 3));
    // A view of part of a text converts that part only.
    EXPECT_EQ(AnsiToWide(std::string_view("Backup and more").substr(0, 6)), L"Backup");
}

}  // namespace
}  // namespace tv
