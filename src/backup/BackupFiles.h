#pragma once
// Backup files on disk: reading, writing in one piece, listing the program's folder.
#include <string>
#include <vector>

#include "backup/BackupFormat.h"

namespace tv {

// The local time now, to the second.
BackupStamp LocalNow();

// The whole file's bytes, read while others may read but not write it.
// Throws TvError "Cannot open file %s" (full path).
std::string ReadBackupFileBytes(const std::string& path);

// ReadBackupFileBytes split into lines (SplitBackupText).
std::vector<std::string> ReadBackupFile(const std::string& path);

// Writes the text beside its final name and then moves it over any file of that name, so an
// existing backup is only ever replaced by a complete one and no partial file is left.
// Throws TvError "Cannot create file %s" (full path) or "Stream write error".
void WriteBackupFile(const std::string& path, const std::string& text);

// As WriteBackupFile, but never over an existing file or folder of that name: then nothing is
// written and the result is false. Throws as WriteBackupFile does.
bool WriteNewBackupFile(const std::string& path, const std::string& text);

// Every name in the folder matching kBackupListingMask, decoded in the order the search returns
// them; each entry is passed to on_entry as it is decoded. A name that does not decode stops the
// listing with its conversion error (entries before it have been passed on).
template <typename OnEntry>
void ListBackupFiles(const std::string& folder, OnEntry&& on_entry);

// The file names matching the mask, in search order.
std::vector<std::string> FindBackupFileNames(const std::string& folder);

template <typename OnEntry>
void ListBackupFiles(const std::string& folder, OnEntry&& on_entry) {
    for (const auto& name : FindBackupFileNames(folder)) on_entry(ParseBackupFileName(name));
}

}  // namespace tv
