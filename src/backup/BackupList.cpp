#include "backup/BackupList.h"

#include <algorithm>
#include <numeric>

namespace tv {

std::vector<std::size_t> ListOrder(const std::vector<std::string>& texts, TextSortKey key) {
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const std::string& text : texts) keys.push_back(key(text));
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

}  // namespace tv
