#include "support/system/Folders.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tv::test {

std::string BuildFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = folder + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full + "\\");
                RemoveDirectoryA(full.c_str());
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
}

}  // namespace

std::string ScratchFolder(const std::string& name) {
    const std::string root = BuildFolder() + "e2e-work\\";
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string folder = root + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    RemoveTree(folder);
    return folder;
}

namespace {

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

std::string SystemFolder() {
    char buf[MAX_PATH] = {};
    GetSystemDirectoryA(buf, MAX_PATH);
    return WithBackslash(buf);
}

std::string WindowsFolder() {
    char buf[MAX_PATH] = {};
    GetWindowsDirectoryA(buf, MAX_PATH);
    return WithBackslash(buf);
}

std::string ArtifactsFolder() {
    const std::string folder = BuildFolder() + "artifacts\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

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

}  // namespace tv::test
