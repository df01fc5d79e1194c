#include "support/system/Processes.h"

#include <tlhelp32.h>

#include <chrono>
#include <thread>

#include "support/system/Folders.h"

namespace tv::test {

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

ProgramCopy::ProgramCopy(const std::string& folder, const std::string& file_name, const std::string& source)
    : folder_(folder), path_(folder + file_name) {
    const std::string from = source.empty() ? BuildFolder() + "Tallyvane.exe" : source;
    CreateDirectoryA(folder.c_str(), nullptr);
    // A program started where it lies (an installed or unpacked copy) is not copied onto itself.
    if (lstrcmpiA(from.c_str(), path_.c_str()) != 0) CopyFileA(from.c_str(), path_.c_str(), FALSE);
}

ProgramCopy::~ProgramCopy() {
    Kill();
    if (pi_.hProcess) CloseHandle(pi_.hProcess);
    if (pi_.hThread) CloseHandle(pi_.hThread);
}

bool ProgramCopy::Start(const std::string& arguments) {
    std::string cmd = "\"" + path_ + "\"" + (arguments.empty() ? "" : " " + arguments);
    // Standard handles on NUL: under Wine a child otherwise keeps the test's output pipe open, and
    // so does any process it spawns (the virtual desktop), which keeps the test run waiting.
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    if (nul != INVALID_HANDLE_VALUE) {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = si.hStdOutput = si.hStdError = nul;
    }
    if (pi_.hProcess) CloseHandle(pi_.hProcess);
    if (pi_.hThread) CloseHandle(pi_.hThread);
    pi_ = {};
    const bool started = CreateProcessA(path_.c_str(), cmd.data(), nullptr, nullptr, nul != INVALID_HANDLE_VALUE, 0,
                                        nullptr, folder_.c_str(), &si, &pi_) != 0;
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    return started;
}

bool ProgramCopy::WaitForExit(int timeout_ms) {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0;
}

bool ProgramCopy::Running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD ProgramCopy::ExitCode() const {
    DWORD code = 0;
    if (pi_.hProcess) GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

void ProgramCopy::Kill() {
    if (Running()) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
}

int RunAndWait(const std::string& command_line, int timeout_ms) {
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    std::string cmd = command_line;
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return static_cast<int>(code);
}

int MillisecondsUntilExit(HANDLE process, int limit_ms) {
    const auto start = std::chrono::steady_clock::now();
    if (WaitForSingleObject(process, static_cast<DWORD>(limit_ms)) != WAIT_OBJECT_0) return -1;
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

int KillProcessesNamed(const std::string& file_name) {
    int ended = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        std::string exe = entry.szExeFile;
        exe = exe.substr(exe.find_last_of("\\/") == std::string::npos ? 0 : exe.find_last_of("\\/") + 1);
        if (lstrcmpiA(exe.c_str(), file_name.c_str()) != 0) continue;
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (!process) continue;
        TerminateProcess(process, 1);
        if (WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) ++ended;
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return ended;
}

bool KillProcess(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return false;
    TerminateProcess(process, 1);
    const bool ended = WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

}  // namespace tv::test
