#pragma once
// Drives the real program from outside its process: finds windows, reads their texts, clicks and
// types with real input, and waits for conditions with a deadline.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tv::e2e {

// The folder of the running test executable (the build folder, where Tallyvane.exe is), with "\".
std::string BuildFolder();
// A fresh, empty folder below the build folder for one test.
std::string ScratchFolder(const std::string& name);

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 5000);

// A copy of Tallyvane.exe (or another program) in a folder of its own, started and ended by the test.
class Program {
public:
    // Copies source (default: the built Tallyvane.exe) to folder\file_name.
    Program(const std::string& folder, const std::string& file_name = "Tallyvane.exe",
            const std::string& source = "");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Start(const std::string& arguments = "");
    DWORD Pid() const { return pi_.dwProcessId; }
    HANDLE Process() const { return pi_.hProcess; }
    bool WaitForExit(int timeout_ms);
    bool Running() const;
    DWORD ExitCode() const;
    void Kill();
    const std::string& Path() const { return path_; }
    const std::string& Folder() const { return folder_; }
    // The program's main window (class TMainForm), once it is visible.
    HWND MainWindow(int timeout_ms = 10000) const;

private:
    std::string folder_;
    std::string path_;
    PROCESS_INFORMATION pi_{};
};

// Top-level windows.
std::vector<HWND> TopWindows(DWORD pid);  // visible top-level windows of a process (0: every process)
HWND FindTopWindow(DWORD pid, const std::string& title, int timeout_ms = 5000);  // visible, by exact title
HWND FindTopWindowByClass(DWORD pid, const std::string& window_class, int timeout_ms = 5000);
bool WaitForWindowGone(HWND wnd, int timeout_ms = 5000);
// The control with the keyboard focus in the thread of wnd (any process), or nullptr.
HWND FocusedControl(HWND wnd);

// Controls.
std::string WindowText(HWND wnd);
std::string ClassName(HWND wnd);
std::vector<HWND> Children(HWND parent);  // direct children in z-order (creation order for controls)
HWND FindChildByText(HWND parent, const std::string& text, const std::string& window_class = "");
std::string DlgItemText(HWND parent, int id);
std::vector<std::string> ListBoxItems(HWND list);
int ListBoxSelection(HWND list);
RECT ClientRectOnScreen(HWND wnd);
RECT WindowRectOf(HWND wnd);
// Position of a child's top-left corner in its parent's client coordinates.
POINT PositionInParent(HWND child);

// Real input.
bool BringToFront(HWND wnd);
void MoveMouseTo(int screen_x, int screen_y);
void MouseButton(bool down);
void ClickAt(int screen_x, int screen_y);
void Click(HWND wnd);  // left click at the window's centre
void PressKey(WORD vk, bool alt = false, bool shift = false, bool ctrl = false);
void TypeText(const std::string& text);
void ClickButton(HWND button);  // BM_CLICK, as automation does

// Ends every running process whose executable has this file name (any case), waiting for each;
// a test that works with such processes starts from none. Returns how many were ended.
int KillProcessesNamed(const std::string& file_name);

// Runs a program (for example Wine's own reg.exe) and returns its exit code (-1 on failure).
int RunAndWait(const std::string& command_line, int timeout_ms = 20000);
std::string SystemFolder();  // with trailing "\"

}  // namespace tv::e2e
