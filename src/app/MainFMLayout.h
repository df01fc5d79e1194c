#pragma once
// The main window as designed at 96 pixels per inch: client area 387 by 168, the labels of the
// figures and the seven buttons, 97 by 25 each.
#include "app/MainFMIds.h"
#include "ui/FormDesign.h"

namespace tv::mainfm {

inline constexpr LabelDesign kLabels[] = {
    {IdLabel14, 12, 12, "Totals", LabelAnchor::Left, kBoldFont},
    {IdLblPercent, 128, 12, "%", LabelAnchor::Right},
    {IdLabel1, 36, 36, "Won"},
    {IdLblWon, 84, 36, "0"},
    {IdLabel2, 36, 52, "Lost"},
    {IdLblLost, 84, 52, "0"},
    {IdLabel5, 12, 84, "Streaks", LabelAnchor::Left, kBoldFont},
    {IdLabel6, 36, 108, "Wins"},
    {IdLblWins, 84, 108, "0"},
    {IdLabel7, 36, 124, "Losses"},
    {IdLblLosses, 84, 124, "0"},
    {IdLabel8, 36, 140, "Current"},
    {IdLblStreak, 84, 140, "0"},
    {IdLabel3, 174, 140, "# of wins needed to increase %:"},
    {IdLblNextUp, 336, 140, "0"},
};

// In tab order.
inline constexpr ControlDesign kButtons[] = {
    {IdBtnLaunch, {174, 12, 97, 25}}, {IdBtnKill, {276, 12, 97, 25}},  {IdBtnBackup, {174, 42, 97, 25}},
    {IdBtnRestore, {276, 42, 97, 25}}, {IdBtnClear, {174, 72, 97, 25}}, {IdBtnExit, {276, 72, 97, 25}},
    {IdBtnAbout, {276, 102, 97, 25}},
};

inline constexpr FormDesign kDesign{387, 168, kRegularAndBoldFonts, kLabels, kButtons};

}  // namespace tv::mainfm
