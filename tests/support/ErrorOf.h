#pragma once
// The message of the error an action raises, or "" when it raises none: tests compare it with
// the text the user is shown.
#include <string>

#include "platform/Error.h"

namespace tv::test {

template <typename Action>
std::string ErrorOf(Action&& action) {
    try {
        action();
    } catch (const TvError& e) {
        return e.what();
    }
    return "";
}

}  // namespace tv::test
