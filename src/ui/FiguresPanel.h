#pragma once
// The six figures on a form: the labels of the panel's design (ui/FiguresPanelDesign.h), written
// from one record.
#include <windows.h>

#include "stats/StatsRecord.h"
#include "ui/Label.h"

namespace tv {

class FiguresPanel {
public:
    FiguresPanel() = default;
    // The panel's labels on form, made from its design with identifiers from first_id on.
    FiguresPanel(HWND form, int first_id);

    // Won, Lost, Wins, Losses as decimal texts and the streak's text.
    void ShowCounts(const DecodedRecord& figures);
    // The win percentage of Won and Lost.
    void ShowPercent(const DecodedRecord& figures);
    void Show(const DecodedRecord& figures);
    // "0" in every value label, the percentage's included: nothing to show.
    void ShowZeros();

private:
    Label lblPercent, lblWon, lblLost, lblWins, lblLosses, lblStreak;
};

}  // namespace tv
