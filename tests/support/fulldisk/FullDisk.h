#pragma once
// The small file system that full-disk.sh mounts for a test, and filling it up.
#include <string>

namespace tv::test {

// The mounted file system's folder as Wine sees it, with a trailing "\"; empty when the test was
// not started by full-disk.sh.
std::string FullDiskFolder();

// Writes one file at path until the file system has no room left at all, not even for one byte.
void FillUp(const std::string& path);

}  // namespace tv::test
