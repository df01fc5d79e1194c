#pragma once
// Drives the real program from outside its process: finds its windows, reads their texts, clicks
// and types with real input. The general helpers it builds on (waiting, processes, folders, the
// game's registry key) are in tests/support/system.
#include <windows.h>

#include <string>
#include <vector>

#include "support/system/Folders.h"
#include "support/system/Processes.h"

namespace tv::e2e {

// The general helpers the driver builds on (waiting, processes, folders) are words of every
// end-to-end test too.
using namespace tv::test;

// Tallyvane.exe (or another program) copied into a folder of its own, started and ended by the
// test, and the program's main window found.
class Program : public test::ProgramCopy {
public:
    using test::ProgramCopy::ProgramCopy;
    // The program's main window (class TMainForm), once it is visible.
    HWND MainWindow(int timeout_ms = 10000) const;
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

}  // namespace tv::e2e
