#pragma once
// Case and blanks by ASCII rules, for the places whose rules say ASCII (markup tag and entity
// names, colour names, the listing mask, process names); where the user's locale decides, the
// platform's comparison is used instead (platform/LocaleText.h).
#include <string>
#include <string_view>

namespace tv {

// Negative, zero or positive as a sorts before, with or after b.
using TextComparison = int (*)(std::string_view a, std::string_view b);
using TextEquality = bool (*)(std::string_view a, std::string_view b);

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string LowerAscii(std::string_view text);
// Only ASCII letters are folded; every other byte compares exactly.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
// Byte order after folding ASCII letters; a text sorts after the texts it begins with.
int CompareIgnoringAsciiCase(std::string_view a, std::string_view b);

// Blanks and control characters: every character whose code is 32 or below.
constexpr bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);

}  // namespace tv
