// Collecting every process id however many there are.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "process/ProcessIds.h"

namespace tv {
namespace {

// An enumerator over a fixed set of ids that, like the system's, fills as much as fits and reports
// the bytes written; it counts its calls and remembers the buffer sizes it was given.
struct FakeSystem {
    std::vector<std::uint32_t> ids;
    std::vector<std::uint32_t> sizes;
    bool fail = false;

    IdEnumerator Enumerator() {
        return [this](std::uint32_t* buffer, std::uint32_t bytes, std::uint32_t& written) {
            sizes.push_back(bytes);
            if (fail) return false;
            std::uint32_t n = 0;
            for (; n < bytes / 4 && n < ids.size(); ++n) buffer[n] = ids[n];
            written = n * 4;
            return true;
        };
    }
};

std::vector<std::uint32_t> Ids(std::uint32_t count) {
    std::vector<std::uint32_t> ids(count);
    std::iota(ids.begin(), ids.end(), 8u);
    return ids;
}

TEST(EnumerateAllIds, FewProcessesTakeOneCall) {
    FakeSystem system{Ids(57)};
    EXPECT_EQ(EnumerateAllIds(system.Enumerator()), system.ids);
    EXPECT_EQ(system.sizes, (std::vector<std::uint32_t>{4096}));
}

TEST(EnumerateAllIds, MoreThan1024ProcessesAreAllSeen) {
    FakeSystem system{Ids(3000)};
    EXPECT_EQ(EnumerateAllIds(system.Enumerator()), system.ids);
    EXPECT_EQ(system.sizes, (std::vector<std::uint32_t>{4096, 8192, 16384}));
}

TEST(EnumerateAllIds, AFullBufferIsNeverTakenAsComplete) {
    // Exactly 1024 ids fill the first buffer: only a larger one proves there are no more.
    FakeSystem system{Ids(1024)};
    EXPECT_EQ(EnumerateAllIds(system.Enumerator()), system.ids);
    EXPECT_EQ(system.sizes.size(), 2u);
}

TEST(EnumerateAllIds, FailureOrNothingGivesAnEmptyList) {
    FakeSystem failing{Ids(10)};
    failing.fail = true;
    EXPECT_TRUE(EnumerateAllIds(failing.Enumerator()).empty());
    FakeSystem none{{}};
    EXPECT_TRUE(EnumerateAllIds(none.Enumerator()).empty());
}

TEST(EnumerateAllIds, OverstatedOrEndlessAnswersStayBounded) {
    int calls = 0;
    // Claims more bytes than the buffer holds and always fills it: stops at the cap.
    const auto ids = EnumerateAllIds([&calls](std::uint32_t* buffer, std::uint32_t bytes, std::uint32_t& written) {
        ++calls;
        for (std::uint32_t i = 0; i < bytes / 4; ++i) buffer[i] = i;
        written = bytes + 400;
        return true;
    });
    EXPECT_EQ(ids.size(), kMaxIdCount);
    EXPECT_LE(calls, 13);
}

}  // namespace
}  // namespace tv
