#pragma once
// The order of the restore dialog's list: by display text, ascending, ignoring case.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// The key a text sorts by: texts sort as their keys compare, byte by byte.
using TextSortKey = std::string (*)(std::string_view text);

// The indices of texts in list order by the given key (the list box's own order: the user's
// locale, case ignored); equal keys keep their listing order. Each text's key is made once.
std::vector<std::size_t> ListOrder(const std::vector<std::string>& texts, TextSortKey key);

}  // namespace tv
