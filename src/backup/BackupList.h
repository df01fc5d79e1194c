#pragma once
// The order of the restore dialog's list: by display text, ascending, ignoring case.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/TextCase.h"

namespace tv {

// The indices of texts in list order by the given comparison (the list box's own: the user's
// locale, case ignored); equal texts keep their listing order.
std::vector<std::size_t> ListOrder(const std::vector<std::string>& texts, TextComparison compare);

}  // namespace tv
