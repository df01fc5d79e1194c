#pragma once
// The restore dialog as designed at 96 pixels per inch: client area 392 by 233, the list of
// backups, the preview's labels and three buttons.
#include <algorithm>

#include "ui/FormDesign.h"
#include "backup/RestoreFMIds.h"

namespace tv::restorefm {

inline constexpr const char* kLabel1Caption = "Select backup to restore:";

inline constexpr LabelDesign kLabels[] = {
    {IdLabel1, 12, 12, kLabel1Caption},
    {IdLabel14, 246, 30, "Totals", LabelAnchor::Left, kBoldFont},
    {IdLblPercent, 354 + 8, 30, "%", LabelAnchor::Right},  // 8 wide at 354: its right edge
    {IdLabel2, 270, 54, "Won"},
    {IdLblWon, 318, 54, "0"},
    {IdLabel3, 270, 70, "Lost"},
    {IdLblLost, 318, 70, "0"},
    {IdLabel5, 246, 102, "Streaks", LabelAnchor::Left, kBoldFont},
    {IdLabel6, 270, 126, "Wins"},
    {IdLblWins, 318, 126, "0"},
    {IdLabel7, 270, 142, "Losses"},
    {IdLblLosses, 318, 142, "0"},
    {IdLabel8, 270, 158, "Current"},
    {IdLblStreak, 318, 158, "0"},
};

// In tab order.
inline constexpr ControlDesign kControls[] = {
    {IdListBoxFiles, {12, 30, 220, 145}},
    {IdBtnDelete, {12, 196, 75, 25}},
    {IdBtnOK, {216, 196, 75, 25}},
    {IdBtnCancel, {300, 196, 75, 25}},
};

inline constexpr FormDesign kDesign{kClientWidth, kClientHeight, kRegularAndBoldFonts, kLabels, kControls};

inline constexpr int kItemHeight = 13;

// The list's item height: the design's, scaled, but never lower than a line of the list's font,
// so that no item's text is cut where the font comes out taller than the scale.
constexpr int ListItemHeight(Dpi dpi, int font_line_height) {
    return std::max(dpi.Scale(kItemHeight), font_line_height);
}

}  // namespace tv::restorefm
