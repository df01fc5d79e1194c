#pragma once
// Control identifiers of the restore dialog; automation and the tests find the controls by them.
namespace tv::restorefm {

enum ControlId : int {
    IdLabel1 = 400,
    IdListBoxFiles,
    IdLabel14,
    IdLblPercent,
    IdLabel2,
    IdLblWon,
    IdLabel3,
    IdLblLost,
    IdLabel5,
    IdLabel6,
    IdLblWins,
    IdLabel7,
    IdLblLosses,
    IdLabel8,
    IdLblStreak,
    IdBtnDelete,
};
// btnOK and btnCancel are IDOK and IDCANCEL.
inline constexpr int IdBtnOK = 1;
inline constexpr int IdBtnCancel = 2;

inline constexpr const char* kCaption = "Restore Statistics";
inline constexpr int kClientWidth = 392;
inline constexpr int kClientHeight = 233;

}  // namespace tv::restorefm
