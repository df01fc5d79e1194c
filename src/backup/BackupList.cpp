#include "backup/BackupList.h"

#include <algorithm>
#include <numeric>

namespace tv {

std::vector<std::size_t> ListOrder(const std::vector<std::string>& texts, TextComparison compare) {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(texts[a], texts[b]) < 0; });
    return order;
}

}  // namespace tv
