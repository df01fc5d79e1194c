#include "backup/BackupReader.h"

#include <optional>

#include "backup/IntegerText.h"

namespace tv {

namespace {

// Turns UTF-16LE code units (after the byte-order mark) into 8-bit text, up to the first NUL.
std::string DecodeUtf16Le(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0) break;
        if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // second half of a pair: one "?" is enough
        text += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return text;
}

// Up to count characters from the 0-based position pos; empty past the end.
std::string_view Piece(std::string_view text, std::size_t pos, std::size_t count) {
    return pos >= text.size() ? std::string_view{} : text.substr(pos, count);
}

}  // namespace

std::vector<std::string> SplitBackupText(std::string_view bytes) {
    std::string decoded;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        decoded = DecodeUtf16Le(bytes.substr(2));
        bytes = decoded;
    } else if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

namespace {

// The text after the "=" of the first line of the quoted name, if any line has it.
std::optional<std::string_view> FindValueText(const std::vector<std::string>& lines, std::string_view quoted_name,
                                              TextEquality same_name) {
    for (const auto& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (same_name(std::string_view(line).substr(0, eq), quoted_name)) return std::string_view(line).substr(eq + 1);
    }
    return std::nullopt;
}

}  // namespace

bool HasBackupValue(const std::vector<std::string>& lines, std::string_view quoted_name, TextEquality same_name) {
    return FindValueText(lines, quoted_name, same_name).has_value();
}

std::int32_t ReadBackupValue(const std::vector<std::string>& lines, std::string_view quoted_name,
                             TextEquality same_name) {
    std::string_view value = FindValueText(lines, quoted_name, same_name).value_or(std::string_view());
    if (value.empty()) value = "hex:00,00,00,00";
    // The pieces start 4, 7, 10 and 13 characters after "hex:" begins, or after the text's start
    // (1-based position 0) when there is no "hex:".
    const auto hex = value.find("hex:");
    const std::size_t base = hex == std::string_view::npos ? 0 : hex + 1;
    const auto at = [&](std::size_t offset) { return Piece(value, base + offset - 1, 2); };
    std::string text = "$";
    text += at(13);
    text += at(10);
    text += at(7);
    text += at(4);
    return TextToInteger(text);
}

DecodedRecord ReadBackupFigures(const std::vector<std::string>& lines, TextEquality same_name) {
    DecodedRecord f;
    f.Won = ReadBackupValue(lines, kQuotedWon, same_name);
    f.Lost = ReadBackupValue(lines, kQuotedLost, same_name);
    f.Wins = ReadBackupValue(lines, kQuotedWins, same_name);
    f.Losses = ReadBackupValue(lines, kQuotedLosses, same_name);
    f.Streak = ReadBackupValue(lines, kQuotedStreak, same_name);
    f.SType = ReadBackupValue(lines, kQuotedSType, same_name);
    return f;
}

}  // namespace tv
