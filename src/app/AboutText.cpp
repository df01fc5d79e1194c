#include "app/AboutText.h"

namespace tv::about {

std::string UrlLinkTarget(const std::string& url_caption) { return url_caption; }

std::string EmailLinkTarget(const std::string& email_caption) {
    return "mailto:" + email_caption + "?subject=" + kMailSubject;
}

}  // namespace tv::about
