#pragma once
// The backup file of the worked example, byte for byte: Robin's Won 57, Lost 43, Wins 9, Losses 6,
// Streak 3, SType 1 (242 bytes).
#include <string>

namespace tv::testdata {

inline const std::string kWorkedExampleFile =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell]\r\n"
    "\"Wins\"=hex:09,00,00,00\r\n"
    "\"Losses\"=hex:06,00,00,00\r\n"
    "\"Won\"=hex:39,00,00,00\r\n"
    "\"Lost\"=hex:2B,00,00,00\r\n"
    "\"Streak\"=hex:03,00,00,00\r\n"
    "\"SType\"=hex:01,00,00,00\r\n"
    "\r\n";

}  // namespace tv::testdata
