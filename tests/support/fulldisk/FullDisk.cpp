#include "support/fulldisk/FullDisk.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/Handles.h"

namespace tv::test {

std::string FullDiskFolder() {
    const char* unix_path = std::getenv("TV_FULL_DISK_FOLDER");
    if (!unix_path || !*unix_path) return "";
    // Wine's drive Z: is the Unix root.
    std::string folder = std::string("Z:") + unix_path;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

void FillUp(const std::string& path) {
    const UniqueFile file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot create " << path;
    const std::vector<char> block(1 << 16, 'x');
    // Ever smaller pieces, so that the last free bytes are taken too.
    for (DWORD chunk = static_cast<DWORD>(block.size()); chunk > 0; chunk /= 2) {
        DWORD written = 0;
        while (WriteFile(file.get(), block.data(), chunk, &written, nullptr) && written == chunk) {
        }
    }
}

}  // namespace tv::test
