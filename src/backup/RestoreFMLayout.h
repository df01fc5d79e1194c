#pragma once
// The restore dialog as designed at 96 pixels per inch: client area 392 by 233, the list of
// backups, the preview's figures and three buttons.
#include <algorithm>

#include "backup/RestoreFMIds.h"
#include "ui/FiguresPanelDesign.h"
#include "ui/FormDesign.h"

namespace tv::restorefm {

inline constexpr const char* kLabel1Caption = "Select backup to restore:";

static_assert(figures::ValueIdsMatch(IdLabel14, IdLblPercent, IdLblWon, IdLblLost, IdLblWins, IdLblLosses,
                                     IdLblStreak));

inline constexpr auto kLabels = figures::JoinLabels(std::array<LabelDesign, 1>{{{IdLabel1, 12, 12, kLabel1Caption}}},
                                                    figures::PanelLabels(246, 30, IdLabel14));

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
