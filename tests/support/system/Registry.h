#pragma once
// The game's statistics in the test prefix's registry, written the way another program would.
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tv::test {

inline constexpr const char* kGameKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";
inline constexpr const char* kGameKeyForReg = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell";

struct GameFigures {
    std::int32_t Won, Lost, Wins, Losses, Streak, SType;
};

// Writes one value with Wine's own reg.exe (REG_BINARY, four bytes little-endian).
bool RegExeWriteBinary(const std::string& name, std::int32_t value);
bool RegExeWriteFigures(const GameFigures& f);
// Writes one value as REG_DWORD: a type the program must refuse.
bool RegExeWriteDword(const std::string& name, std::uint32_t value);
bool RegExeDeleteKey();

// Direct registry access from the test process.
void DeleteGameKey();
bool GameKeyExists();
std::optional<std::vector<std::uint8_t>> ReadGameValue(const std::string& name, DWORD* type = nullptr);
void WriteGameValue(const std::string& name, DWORD type, const std::vector<std::uint8_t>& bytes);

// Every value of the game's key, the six and any other, with its type and bytes; empty when the key
// is absent: what a test compares before and after a command.
struct StoredValue {
    DWORD type;
    std::vector<std::uint8_t> bytes;
    bool operator==(const StoredValue&) const = default;
};
std::optional<std::map<std::string, StoredValue>> GameKeyValues();

}  // namespace tv::test
