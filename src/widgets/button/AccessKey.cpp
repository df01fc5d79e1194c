#include "widgets/button/AccessKey.h"

#include "platform/TextCase.h"

namespace tv {

AccessKeyCaption ReadAccessKey(std::string_view caption) {
    AccessKeyCaption out;
    out.shown.reserve(caption.size());
    for (std::string_view::size_type i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (++i == caption.size()) break;  // a mark with nothing to mark
            if (caption[i] != '&' && out.key == std::string::npos) out.key = out.shown.size();
        }
        out.shown += caption[i];
    }
    return out;
}

char AcceleratorOf(std::string_view caption) {
    const AccessKeyCaption read = ReadAccessKey(caption);
    return read.key == std::string::npos ? '\0' : read.shown[read.key];
}

bool IsAccelerator(char typed, std::string_view caption) {
    const char key = AcceleratorOf(caption);
    return key != '\0' && typed != '\0' && AsciiUpper(key) == AsciiUpper(typed);
}

std::string ShownCaption(std::string_view caption) { return ReadAccessKey(caption).shown; }

}  // namespace tv
