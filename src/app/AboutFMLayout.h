#pragma once
// The About box as designed at 96 pixels per inch: client area 287 by 133, the icon, four labels
// and the OK button.
#include "app/AboutFMIds.h"
#include "app/AboutText.h"
#include "ui/FormDesign.h"

namespace tv::aboutfm {

enum FontIndex : int { kFormFont, kAppNameFont, kLinkFont };
inline constexpr FontDesign kFonts[] = {
    kFormFontDesign,
    {"Arial Black", 14, false, false, true},  // height -19 at 96 dpi
    {"MS Sans Serif", 8, false, true},        // the links: the window font, underlined
};

inline constexpr LabelDesign kLabels[] = {
    {IdLblAppName, 60, 12, about::kAppName, LabelAnchor::Left, kAppNameFont},
    {IdLblVersion, 60, 42, about::kVersionText},
    {IdLblURL, 12, 72, about::kHomepageUrl, LabelAnchor::Left, kLinkFont},
    {IdLblEmail, 12, 90, about::kSupportEmail, LabelAnchor::Left, kLinkFont},
};

inline constexpr ControlDesign kControls[] = {
    {IdImageIcon, {12, 18, 32, 32}, kNoFont},  // sized to its picture: the icon is loaded at this size
    {IdBtnOK, {192, 90, 75, 25}},
};

inline constexpr FormDesign kDesign{kClientWidth, kClientHeight, kFonts, kLabels, kControls};

}  // namespace tv::aboutfm
