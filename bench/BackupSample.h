#pragma once
// A folder of many backup files as years of backing up leave it: names and stamps spread over
// years, days and seconds. Shared by the benchmarks that open windows over such a folder.
#include <cstdio>
#include <string>

#include "backup/BackupFiles.h"

namespace bench {

// Writes count backup files into folder (with its trailing separator); files already there stay.
inline void MakeBackupFiles(const std::string& folder, int count) {
    const std::string text =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell]\r\n"
        "\"Wins\"=hex:09,00,00,00\r\n\"Losses\"=hex:06,00,00,00\r\n\"Won\"=hex:39,00,00,00\r\n"
        "\"Lost\"=hex:2B,00,00,00\r\n\"Streak\"=hex:03,00,00,00\r\n\"SType\"=hex:01,00,00,00\r\n\r\n";
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof(name), "Player%d_%04d%02d%02d_%02d%02d%02d.reg", i % 37, 2000 + i % 25, 1 + i % 12,
                      1 + i % 28, i % 24, (i / 24) % 60, (i / 7) % 60);
        const std::string path = folder + name;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) tv::WriteBackupFile(path, text);
    }
}

}  // namespace bench
