#pragma once
// The main window's figures as a user reads them.
#include <windows.h>

#include <ostream>
#include <string>

#include "app/MainFMIds.h"
#include "e2e/driver/Driver.h"
#include "support/system/Registry.h"

namespace tv::e2e {

struct Shown {
    std::string won, lost, percent, wins, losses, streak, next_up;
    bool operator==(const Shown&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << "won " << s.won << ", lost " << s.lost << ", " << s.percent << ", wins " << s.wins << ", losses "
              << s.losses << ", streak " << s.streak << ", next " << s.next_up;
}

inline Shown ReadFigures(HWND main) {
    using namespace tv::mainfm;
    return {DlgItemText(main, IdLblWon),   DlgItemText(main, IdLblLost),   DlgItemText(main, IdLblPercent),
            DlgItemText(main, IdLblWins),  DlgItemText(main, IdLblLosses), DlgItemText(main, IdLblStreak),
            DlgItemText(main, IdLblNextUp)};
}

// 57 won, 43 lost, 9 and 6, a winning streak of 3: "57%", "3 wins", 2 more wins needed.
inline const Shown kShown57 = {"57", "43", "57%", "9", "6", "3 wins", "2"};
inline const Shown kShownNothing = {"0", "0", "0%", "0", "0", "0", "0"};

// 120 won, 80 lost, 11 and 4, a losing streak of 2: "60%", "2 losses", 3 more wins needed.
inline const GameFigures k120 = {120, 80, 11, 4, 2, 0};
inline const Shown kShown120 = {"120", "80", "60%", "11", "4", "2 losses", "3"};

inline bool WaitForFigures(HWND main, const Shown& expected, int timeout_ms = 5000) {
    return WaitUntil([&] { return ReadFigures(main) == expected; }, timeout_ms);
}

}  // namespace tv::e2e
