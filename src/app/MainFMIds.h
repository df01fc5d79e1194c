#pragma once
// Control identifiers of the main window; automation and the tests find the controls by them.
#include "app/Version.h"

namespace tv::mainfm {

enum ControlId : int {
    IdLabel14 = 200,
    IdLblPercent,
    IdLabel1,
    IdLblWon,
    IdLabel2,
    IdLblLost,
    IdLabel5,
    IdLabel6,
    IdLblWins,
    IdLabel7,
    IdLblLosses,
    IdLabel8,
    IdLblStreak,
    IdLabel3,
    IdLblNextUp,
    IdBtnLaunch = 101,
    IdBtnKill,
    IdBtnBackup,
    IdBtnRestore,
    IdBtnClear,
    IdBtnExit,
    IdBtnAbout,
};

// The system menu's command that opens the History window (below the system's own, 0xF000 on).
inline constexpr unsigned kSysCmdHistory = 0x0110;
inline constexpr const char* kHistoryMenuText = "&History...\tCtrl+H";

inline constexpr const char* kWindowClass = "TMainForm";
inline constexpr const char* kCaption = "Tallyvane v" TV_VERSION_TEXT;

}  // namespace tv::mainfm
