#pragma once
// Control identifiers of the History window; automation and the tests find the controls by them.
namespace tv::historyfm {

enum ControlId : int {
    IdRange7Days = 301,
    IdRange30Days,
    IdRange12Months,
    IdRangeAll,
    IdChart = 310,
    IdPeriodLine,
    IdFiguresFirst = 320,  // one label a line, in order: Today ... the last games
    IdList = 340,
    IdStatus,
    IdBtnRestore = 350,
    IdBtnCopy,
    IdBtnClose,
};

inline constexpr const char* kWindowClass = "THistoryForm";
inline constexpr const char* kCaption = "History";

}  // namespace tv::historyfm
