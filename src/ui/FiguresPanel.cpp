#include "ui/FiguresPanel.h"

#include <string>

#include "stats/DerivedFigures.h"
#include "ui/FiguresPanelDesign.h"

namespace tv {

FiguresPanel::FiguresPanel(HWND form, int first_id)
    : lblPercent(GetDlgItem(form, first_id + figures::kPercent)),
      lblWon(GetDlgItem(form, first_id + figures::kWon)),
      lblLost(GetDlgItem(form, first_id + figures::kLost)),
      lblWins(GetDlgItem(form, first_id + figures::kWins)),
      lblLosses(GetDlgItem(form, first_id + figures::kLosses)),
      lblStreak(GetDlgItem(form, first_id + figures::kStreak)) {}

void FiguresPanel::ShowCounts(const DecodedRecord& figures) {
    lblWon.SetCaption(std::to_string(figures.Won));
    lblLost.SetCaption(std::to_string(figures.Lost));
    lblWins.SetCaption(std::to_string(figures.Wins));
    lblLosses.SetCaption(std::to_string(figures.Losses));
    lblStreak.SetCaption(GetStreakText(figures.SType, figures.Streak, figures.Lost));
}

void FiguresPanel::ShowPercent(const DecodedRecord& figures) {
    lblPercent.SetCaption(GetPercentText(figures.Won, figures.Lost));
}

void FiguresPanel::Show(const DecodedRecord& figures) {
    ShowCounts(figures);
    ShowPercent(figures);
}

void FiguresPanel::ShowZeros() {
    for (Label* label : {&lblWon, &lblLost, &lblWins, &lblLosses, &lblStreak, &lblPercent}) label->SetCaption("0");
}

}  // namespace tv
