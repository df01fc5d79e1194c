#pragma once
// The registry side of the Clear command: the game's six values go, its key stays.
namespace tv {

inline constexpr const char* kClearQuestion = "Are you sure you want to delete all statistics?";

// Deletes "Wins", "Losses", "Won", "Lost", "Streak" and "SType" from the Statistics key. Silent
// when the key cannot be opened for full access; each deletion's result is ignored, so a missing
// value is no error. Never creates the key and never refreshes anything itself.
void DeleteStatisticsValues();

}  // namespace tv
