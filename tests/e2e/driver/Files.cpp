#include "e2e/driver/Files.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tv::e2e {

std::vector<std::string> FilesMatching(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((folder + mask).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

FolderContents ReadFolder(const std::string& folder) {
    FolderContents contents;
    for (const std::string& name : FilesMatching(folder, "*")) {
        const DWORD attributes = GetFileAttributesA((folder + name).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            contents[name + "\\"] = "";
        else
            contents[name] = ReadWholeFile(folder + name);
    }
    return contents;
}

}  // namespace tv::e2e
