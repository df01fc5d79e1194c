#pragma once
// The one-pass markup parser: replaces the data's items with the parse of the text and lays
// them out. Raises TvError "Vantrel HTML engine error - the text is not valid HTML" when
// parsing or layout fails; the items are cleared then.
#include <string_view>

namespace tv {

class TVtHTMLData;

inline constexpr const char* kHTMLEngineError = "Vantrel HTML engine error - the text is not valid HTML";

void ParseHTML(std::string_view text, TVtHTMLData& data);

}  // namespace tv
