#pragma once
// What the About box says and where its links lead: the maker's addresses live here only.
#include <string>

#include "app/Version.h"

namespace tv::about {

inline constexpr const char* kCaption = "About";
inline constexpr const char* kAppName = "Tallyvane";
inline constexpr const char* kVersionText = "v" TV_VERSION_TEXT "  Build Date: 3/2/2005";
inline constexpr const char* kHomepageUrl = "https://tallyvane.org/";
inline constexpr const char* kSupportEmail = "support@tallyvane.org";
inline constexpr const char* kUrlTip = "Click to visit homepage";
inline constexpr const char* kEmailTip = "Click to send email";
inline constexpr const char* kMailSubject = "Tallyvane v" TV_VERSION_TEXT;

// What the shell is asked to open for each link, built from the link's caption as displayed, so
// that the text shown and the target cannot differ.
std::string UrlLinkTarget(const std::string& url_caption);
std::string EmailLinkTarget(const std::string& email_caption);

}  // namespace tv::about
