#include "platform/WindowText.h"

namespace tv {

std::string WindowText(HWND wnd) {
    // The length may be more than the text (a multi-byte conversion): the copy says how much came.
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(wnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(wnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace tv
