#pragma once
// Collecting every process id from an enumerator that fills a caller-sized buffer.
#include <cstdint>
#include <functional>
#include <vector>

namespace tv {

// Fills ids (room for `bytes` bytes) and reports the bytes written; false when the call failed.
using IdEnumerator = std::function<bool(std::uint32_t* ids, std::uint32_t bytes, std::uint32_t& written)>;

inline constexpr std::uint32_t kInitialIdCount = 1024;
// A guard against an enumerator that always fills the buffer: no system has this many processes.
inline constexpr std::uint32_t kMaxIdCount = 1u << 22;

// Calls the enumerator with a buffer of 1024 ids, doubling it while the answer fills it completely
// (the enumerator cannot say how much room it needed). Empty when the enumeration fails.
std::vector<std::uint32_t> EnumerateAllIds(const IdEnumerator& enumerate);

}  // namespace tv
