#include "history/JournalFile.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "history/JournalCsv.h"
#include "history/JournalReader.h"
#include "platform/Handles.h"

namespace tv {

namespace {

// Enough for the header with a byte-order mark and for the last few entries of any journal.
constexpr DWORD kHeadBytes = 512;
constexpr DWORD kTailBytes = 4096;

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "Error " + std::to_string(error);
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

AppendResult Failed(std::string reason) { return {AppendOutcome::Failed, std::move(reason), std::nullopt}; }

bool ReadAt(HANDLE file, std::int64_t offset, DWORD count, std::string& text) {
    text.resize(count);
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(file, text.data(), count, &read, &at)) return false;
    text.resize(read);
    return true;
}

}  // namespace

AppendResult AppendToJournal(const std::string& path, const MakeJournalEntry& make) {
    // Append access only: no write of this handle can land anywhere but at the end of the file.
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Failed(SystemErrorText(GetLastError()));
    const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return Failed(SystemErrorText(GetLastError()));

    std::string head, tail;
    if (size.QuadPart > 0) {
        if (!ReadAt(file.get(), 0, kHeadBytes, head)) return Failed(SystemErrorText(GetLastError()));
        if (!StartsAsJournal(head))
            return Failed(
                "The file is not a history that Tallyvane wrote (its first line is not the history's "
                "header), so it is left as it is.");
        const std::int64_t from = std::max<std::int64_t>(0, size.QuadPart - kTailBytes);
        if (!ReadAt(file.get(), from, static_cast<DWORD>(size.QuadPart - from), tail))
            return Failed(SystemErrorText(GetLastError()));
    }
    std::optional<JournalEntry> entry = make(LastJournalEntry(tail));
    if (!entry) return {};

    std::string text;
    if (size.QuadPart == 0) {
        text.append(kJournalHeader);
        text.append(kJournalLineEnd);
    } else if (tail.empty() || tail.back() != '\n') {
        text.append(kJournalLineEnd);  // the last line was cut short: ours starts on a line of its own
    }
    text += FormatJournalLine(*entry);
    // One write on a handle the program buffers nothing for: the whole line is the system's when the
    // call returns, and a crash of the program cannot lose it. No FlushFileBuffers: it would wait for
    // the disk at every game (several milliseconds on the GUI thread) and save nothing the registry
    // itself keeps after a power loss; a line that loss cuts short is skipped when reading.
    DWORD written = 0;
    const bool whole = WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                       written == text.size();
    if (!whole) {
        const DWORD error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_DISK_FULL;
        // A file made by this very write holds nothing but a part of its header, which would make
        // it look like someone else's file for ever: it goes again.
        if (created) {
            file.reset();
            DeleteFileA(path.c_str());
        }
        return Failed(SystemErrorText(error));
    }
    return {AppendOutcome::Written, {}, std::move(entry)};
}

}  // namespace tv
