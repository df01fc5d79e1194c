#pragma once
// The folders of a Windows test: the build folder, a scratch folder of its own, the system folder;
// and the files of a folder: their names, their whole contents, and all of them at once, to
// compare a folder before and after a command exactly.
#include <map>
#include <string>
#include <vector>

namespace tv::test {

// The folder of the running test executable (the build folder, where Tallyvane.exe is), with "\".
std::string BuildFolder();
// A fresh, empty folder below the build folder for one test.
std::string ScratchFolder(const std::string& name);
// The system folder, with "\" (Wine's own reg.exe is there).
std::string SystemFolder();
// The Windows folder, with "\" (regedit.exe is there).
std::string WindowsFolder();
// The folder where tests keep pictures for a person (created on demand), with "\".
std::string ArtifactsFolder();

// The names in a folder matching a wildcard, sorted.
std::vector<std::string> FilesMatching(const std::string& folder, const std::string& mask);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// Every entry directly in a folder, by name, with its bytes; a folder's name ends in "\" and has
// no bytes.
using FolderContents = std::map<std::string, std::string>;
FolderContents ReadFolder(const std::string& folder);

}  // namespace tv::test
