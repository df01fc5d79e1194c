#pragma once
// Control identifiers of the About box; automation and the tests find the controls by them.
namespace tv::aboutfm {

enum ControlId : int { IdImageIcon = 300, IdLblAppName, IdLblVersion, IdLblURL, IdLblEmail };
// btnOK has the id IDOK: Enter and the default-button logic of the dialog manager use it.
inline constexpr int IdBtnOK = 1;

inline constexpr int kClientWidth = 287;
inline constexpr int kClientHeight = 133;

}  // namespace tv::aboutfm
