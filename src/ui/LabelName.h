#pragma once
// The name an accessibility client reads for a control that follows its label: the label's text
// without its closing colon, as the platform names a list or a field after the label before it.
#include <string>
#include <string_view>

#include "platform/TextCase.h"

namespace tv {

inline std::string NameFromLabel(std::string_view caption) {
    std::string_view name = TrimBlanks(caption);
    if (!name.empty() && name.back() == ':') name.remove_suffix(1);
    return std::string(TrimBlanks(name));
}

}  // namespace tv
