#pragma once
// The program's one error type: an exception that carries the message shown to the user.
#include <stdexcept>
#include <string>

namespace tv {

class TvError : public std::runtime_error {
public:
    explicit TvError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tv
