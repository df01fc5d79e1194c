#include "history/HistoryFigureLines.h"

#include "history/HistoryLocale.h"

namespace tv {

namespace {

std::string PeriodLine(const FiguresRow& row) {
    const PeriodFigures& f = row.figures;
    std::string text = row.name + ": " + GamesText(f.games.won + f.games.lost) + ", " + std::to_string(f.games.won) +
                       " won, " + std::to_string(f.games.lost) + " lost";
    if (!f.percent.empty()) text += ", " + f.percent;
    return text;
}

std::string StreakLine(const char* name, const StreakRecord& streak, bool winning) {
    std::string text = std::string(name) + ": ";
    if (streak.length == 0) return text + "none";
    text += StreakLengthText(streak.length, winning) + ", " + ShortDateText(streak.first_date);
    if (streak.last_date != streak.first_date) text += " to " + ShortDateText(streak.last_date);
    return text;
}

}  // namespace

std::vector<std::string> FigureLines(const HistoryFigures& figures) {
    std::vector<std::string> lines;
    for (const FiguresRow& row : figures.periods) lines.push_back(PeriodLine(row));
    lines.push_back(StreakLine("Longest winning streak", figures.longest_winning, true));
    lines.push_back(StreakLine("Longest losing streak", figures.longest_losing, false));
    lines.push_back("Last ten games: " + (figures.last_games.empty() ? std::string("none") : figures.last_games));
    return lines;
}

std::string StatusText(const JournalStatus& status) {
    if (!status.failing) return {};
    JournalEntry since;
    since.time = status.failing_since;
    return "The history is not being recorded since " + EntryTimeText(since) + ":\r\n" + status.reason;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const auto end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace tv
