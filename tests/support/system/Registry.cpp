#include "support/system/Registry.h"

#include <cstdio>

#include "support/system/Folders.h"
#include "support/system/Processes.h"

namespace tv::test {

namespace {

// reg.exe with its arguments, as another program would run it.
int RunRegExe(const std::string& arguments) {
    // Appended piece by piece: GCC 12 warns falsely about "..." + a temporary.
    std::string command = "\"";
    command += SystemFolder();
    command += "reg.exe\" ";
    command += arguments;
    const int code = RunAndWait(command);
    // Said at once, so that a failed write shows which one and how it ended.
    if (code != 0) std::fprintf(stderr, "reg.exe %s: exit code %d\n", arguments.c_str(), code);
    return code;
}

// reg.exe add of one value of the game's key, as another program would write it.
bool RegExeAdd(const std::string& name, const char* type, const std::string& data) {
    return RunRegExe("add \"" + std::string(kGameKeyForReg) + "\" /v " + name + " /t " + type + " /d " + data +
                     " /f") == 0;
}

}  // namespace

bool RegExeWriteBinary(const std::string& name, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    char hex[16];
    std::snprintf(hex, sizeof(hex), "%02X%02X%02X%02X", u & 0xFF, (u >> 8) & 0xFF, (u >> 16) & 0xFF, (u >> 24) & 0xFF);
    return RegExeAdd(name, "REG_BINARY", hex);
}

bool RegExeWriteDword(const std::string& name, std::uint32_t value) {
    return RegExeAdd(name, "REG_DWORD", std::to_string(value));
}

bool RegExeWriteFigures(const GameFigures& f) {
    return RegExeWriteBinary("Wins", f.Wins) && RegExeWriteBinary("Losses", f.Losses) &&
           RegExeWriteBinary("Won", f.Won) && RegExeWriteBinary("Lost", f.Lost) &&
           RegExeWriteBinary("Streak", f.Streak) && RegExeWriteBinary("SType", f.SType);
}

bool RegExeDeleteKey() { return RunRegExe("delete \"" + std::string(kGameKeyForReg) + "\" /f") == 0; }

void DeleteGameKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kGameKey); }

bool GameKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kGameKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::vector<std::uint8_t>> ReadGameValue(const std::string& name, DWORD* type) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kGameKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD t = 0;
    DWORD size = 0;
    std::optional<std::vector<std::uint8_t>> result;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &t, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<std::uint8_t> bytes(size);
        if (RegQueryValueExA(key, name.c_str(), nullptr, &t, bytes.data(), &size) == ERROR_SUCCESS) {
            bytes.resize(size);
            result = bytes;
            if (type) *type = t;
        }
    }
    RegCloseKey(key);
    return result;
}

void WriteGameValue(const std::string& name, DWORD type, const std::vector<std::uint8_t>& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kGameKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

std::optional<std::map<std::string, StoredValue>> GameKeyValues() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kGameKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    std::map<std::string, StoredValue> values;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        DWORD name_size = sizeof(name);
        DWORD type = 0;
        BYTE data[1024] = {};
        DWORD data_size = sizeof(data);
        if (RegEnumValueA(key, index, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS) break;
        values[name] = {type, std::vector<std::uint8_t>(data, data + data_size)};
    }
    RegCloseKey(key);
    return values;
}

}  // namespace tv::test
