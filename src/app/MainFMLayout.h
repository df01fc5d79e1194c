#pragma once
// The main window as designed at 96 pixels per inch: client area 387 by 168, the figures, the
// wins needed and the seven buttons, 97 by 25 each.
#include "app/MainFMIds.h"
#include "ui/FiguresPanelDesign.h"
#include "ui/FormDesign.h"

namespace tv::mainfm {

static_assert(figures::ValueIdsMatch(IdLabel14, IdLblPercent, IdLblWon, IdLblLost, IdLblWins, IdLblLosses,
                                     IdLblStreak));
static_assert(IdLabel3 == figures::PartId(IdLabel14, figures::kPartCount));

inline constexpr auto kLabels = figures::JoinLabels(figures::PanelLabels(12, 12, IdLabel14),
                                                    std::array<LabelDesign, 2>{{
                                                        {IdLabel3, 174, 140, "# of wins needed to increase %:"},
                                                        {IdLblNextUp, 336, 140, "0"},
                                                    }});

// In tab order.
inline constexpr ControlDesign kButtons[] = {
    {IdBtnLaunch, {174, 12, 97, 25}},  {IdBtnKill, {276, 12, 97, 25}},  {IdBtnBackup, {174, 42, 97, 25}},
    {IdBtnRestore, {276, 42, 97, 25}}, {IdBtnClear, {174, 72, 97, 25}}, {IdBtnExit, {276, 72, 97, 25}},
    {IdBtnAbout, {276, 102, 97, 25}},
};

inline constexpr FormDesign kDesign{387, 168, kRegularAndBoldFonts, kLabels, kButtons};

}  // namespace tv::mainfm
