#pragma once
// Processes of a Windows test: waiting for a condition, a program copied into a folder of its own
// and started and ended by the test, programs run to their end, and processes ended by name or id.
#include <windows.h>

#include <functional>
#include <string>

namespace tv::test {

// Polls the condition until it holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 5000);

// A copy of Tallyvane.exe (or another program) in a folder of its own, started and ended by the test.
class ProgramCopy {
public:
    // Copies source (default: the built Tallyvane.exe) to folder\file_name; a source that is
    // folder\file_name already is started where it lies.
    ProgramCopy(const std::string& folder, const std::string& file_name = "Tallyvane.exe",
                const std::string& source = "");
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool Start(const std::string& arguments = "");
    DWORD Pid() const { return pi_.dwProcessId; }
    HANDLE Process() const { return pi_.hProcess; }
    bool WaitForExit(int timeout_ms);
    bool Running() const;
    DWORD ExitCode() const;
    void Kill();
    const std::string& Path() const { return path_; }
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    std::string path_;
    PROCESS_INFORMATION pi_{};
};

// Runs a program (for example Wine's own reg.exe) and returns its exit code (-1 on failure).
int RunAndWait(const std::string& command_line, int timeout_ms = 20000);

// Milliseconds from now until a process ends; -1 when it outlives the limit.
int MillisecondsUntilExit(HANDLE process, int limit_ms);

// Ends every running process whose executable has this file name (any case), waiting for each;
// a test that works with such processes starts from none. Returns how many were ended.
int KillProcessesNamed(const std::string& file_name);
// Ends a process that the test did not start itself (by id); true when it has ended.
bool KillProcess(DWORD pid);

}  // namespace tv::test
