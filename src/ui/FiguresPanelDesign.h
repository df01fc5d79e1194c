#pragma once
// The six figures as one piece of a form's design: the "Totals" and "Streaks" headings and their
// labels with the values, at 96 pixels per inch, placed at an origin. The main window shows the
// game's figures in it and the restore dialog a backup's.
#include <array>
#include <cstddef>

#include "ui/FormDesign.h"

namespace tv::figures {

// The panel's labels in creation order; a form gives them the identifiers first_id + part.
enum Part : int {
    kTotals,
    kPercent,
    kWonCaption,
    kWon,
    kLostCaption,
    kLost,
    kStreaks,
    kWinsCaption,
    kWins,
    kLossesCaption,
    kLosses,
    kCurrentCaption,
    kStreak,
    kPartCount
};

// The identifier of a part of the panel whose first label has first_id.
constexpr int PartId(int first_id, int part) { return first_id + part; }

// True when a form's identifiers of the value labels are those the panel gives them.
constexpr bool ValueIdsMatch(int first_id, int percent, int won, int lost, int wins, int losses, int streak) {
    return percent == PartId(first_id, kPercent) && won == PartId(first_id, kWon) && lost == PartId(first_id, kLost) &&
           wins == PartId(first_id, kWins) && losses == PartId(first_id, kLosses) &&
           streak == PartId(first_id, kStreak);
}

// The panel's labels with their top-left corner at (x, y). Each position is the origin's plus the
// label's offset before any scaling, so that the panel rounds at every DPI as a form's own labels
// at the same place do.
constexpr std::array<LabelDesign, kPartCount> PanelLabels(int x, int y, int first_id) {
    struct Offset {
        int dx, dy;
        const char* caption;
        LabelAnchor anchor = LabelAnchor::Left;
        int font = kRegularFont;
    };
    constexpr Offset kOffsets[kPartCount] = {
        {0, 0, "Totals", LabelAnchor::Left, kBoldFont},
        {116, 0, "%", LabelAnchor::Right},
        {24, 24, "Won"},
        {72, 24, "0"},
        {24, 40, "Lost"},
        {72, 40, "0"},
        {0, 72, "Streaks", LabelAnchor::Left, kBoldFont},
        {24, 96, "Wins"},
        {72, 96, "0"},
        {24, 112, "Losses"},
        {72, 112, "0"},
        {24, 128, "Current"},
        {72, 128, "0"},
    };
    std::array<LabelDesign, kPartCount> labels{};
    for (int part = 0; part < kPartCount; ++part) {
        const Offset& o = kOffsets[part];
        labels[static_cast<std::size_t>(part)] = {first_id + part, x + o.dx, y + o.dy, o.caption, o.anchor, o.font};
    }
    return labels;
}

// A form's labels as one table: the panel's and the form's own, in creation order.
template <std::size_t N, std::size_t M>
constexpr std::array<LabelDesign, N + M> JoinLabels(const std::array<LabelDesign, N>& first,
                                                    const std::array<LabelDesign, M>& second) {
    std::array<LabelDesign, N + M> joined{};
    for (std::size_t i = 0; i < N; ++i) joined[i] = first[i];
    for (std::size_t i = 0; i < M; ++i) joined[N + i] = second[i];
    return joined;
}

}  // namespace tv::figures
