#pragma once
// The program's name as the user reads it: the application's title, the caption of its error box.
namespace tv {

inline constexpr const char* kApplicationTitle = "Tallyvane";

}  // namespace tv
