#include "backup/BackupFiles.h"

#include <windows.h>

#include <utility>

#include "backup/BackupReader.h"
#include "platform/Error.h"
#include "platform/Handles.h"
#include "platform/TextFormat.h"

namespace tv {

namespace {

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".\\") : path.substr(0, cut + 1);
}

// Deletes the scratch file unless it has been moved into place.
class ScratchFile {
public:
    explicit ScratchFile(std::string path) : path_(std::move(path)) {}
    ~ScratchFile() {
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    ScratchFile(ScratchFile&& other) noexcept : path_(std::exchange(other.path_, {})) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& Path() const { return path_; }
    void Keep() { path_.clear(); }

private:
    std::string path_;
};

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The text in a scratch file in the folder of path, complete and flushed.
ScratchFile WriteScratchBeside(const std::string& path, const std::string& text) {
    char scratch_name[MAX_PATH + 1] = {};
    if (!GetTempFileNameA(FolderOf(path).c_str(), "tvb", 0, scratch_name))
        throw TvError(FormatText("Cannot create file %s", path));
    ScratchFile scratch(scratch_name);
    UniqueFile file(
        CreateFileA(scratch.Path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw TvError(FormatText("Cannot create file %s", path));
    DWORD written = 0;
    if (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size() || !FlushFileBuffers(file.get()))
        throw TvError("Stream write error");
    return scratch;
}

}  // namespace

BackupStamp LocalNow() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string ReadBackupFileBytes(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw TvError(FormatText("Cannot open file %s", path));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        throw TvError(FormatText("Cannot open file %s", path));
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            throw TvError(FormatText("Cannot open file %s", path));
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

std::vector<std::string> ReadBackupFile(const std::string& path) { return SplitBackupText(ReadBackupFileBytes(path)); }

void WriteBackupFile(const std::string& path, const std::string& text) {
    // Fails at once where the final file could not be created either (bad name, missing folder).
    if (IsFolder(path)) throw TvError(FormatText("Cannot create file %s", path));
    ScratchFile scratch = WriteScratchBeside(path, text);
    if (!MoveFileExA(scratch.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw TvError(FormatText("Cannot create file %s", path));
    scratch.Keep();
}

bool WriteNewBackupFile(const std::string& path, const std::string& text) {
    ScratchFile scratch = WriteScratchBeside(path, text);
    // Without leave to replace, the move itself refuses a name that is taken, however recently.
    if (!MoveFileExA(scratch.Path().c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
        throw TvError(FormatText("Cannot create file %s", path));
    }
    scratch.Keep();
    return true;
}

std::vector<std::string> FindBackupFileNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    // The mask is applied here rather than by the search: some file systems get "*" followed by
    // "?" wrong, and short 8.3 names would let others through.
    UniqueFindHandle find(FindFirstFileA((folder + "*").c_str(), &data));
    if (!find) return names;
    do {
        if (MatchesMask(data.cFileName, kBackupListingMask)) names.emplace_back(data.cFileName);
    } while (FindNextFileA(find.get(), &data));
    return names;
}

}  // namespace tv
