#pragma once
// The order of the restore dialog's list: by display text, ascending, ignoring case.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Negative, zero or positive as a sorts before, with or after b; letters compare without regard to
// case, and a text sorts after the texts it begins with.
int CompareListText(std::string_view a, std::string_view b);

// The indices of texts in list order; equal texts keep their listing order.
std::vector<std::size_t> ListOrder(const std::vector<std::string>& texts);

}  // namespace tv
