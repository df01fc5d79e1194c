#include "process/ProcessIds.h"

#include <algorithm>

namespace tv {

std::vector<std::uint32_t> EnumerateAllIds(const IdEnumerator& enumerate) {
    std::vector<std::uint32_t> ids(kInitialIdCount);
    for (;;) {
        const auto bytes = static_cast<std::uint32_t>(ids.size() * sizeof(std::uint32_t));
        std::uint32_t written = 0;
        if (!enumerate(ids.data(), bytes, written)) return {};
        written = std::min(written, bytes);
        if (written < bytes || ids.size() >= kMaxIdCount) {
            ids.resize(written / sizeof(std::uint32_t));
            return ids;
        }
        ids.assign(ids.size() * 2, 0);
    }
}

}  // namespace tv
