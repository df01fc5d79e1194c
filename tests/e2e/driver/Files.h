#pragma once
// The files of a test's folder: their names, their whole contents, and all of them at once, to
// compare a folder before and after a command exactly.
#include <map>
#include <string>
#include <vector>

namespace tv::e2e {

// The names in a folder matching a wildcard, sorted.
std::vector<std::string> FilesMatching(const std::string& folder, const std::string& mask);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// Every entry directly in a folder, by name, with its bytes; a folder's name ends in "\" and has
// no bytes.
using FolderContents = std::map<std::string, std::string>;
FolderContents ReadFolder(const std::string& folder);

}  // namespace tv::e2e
