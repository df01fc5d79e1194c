#pragma once
// The running processes, the search for the game among them, and its termination.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "process/ProcessList.h"
#include "process/Psapi.h"
#include "process/ToolHelp.h"

namespace tv {

// Empties the list, then fills it with the running processes in enumeration order: PSAPI on the
// NT family, a ToolHelp snapshot on Windows 9x, nothing elsewhere.
void GetProcessList(ProcessList& list);

// The two mechanisms on their own. Processes that cannot be opened or named are left out.
void ListWithPsapi(PsapiBinding& psapi, ProcessList& list);
void ListWithToolHelp(ToolHelpBinding& tool_help, ProcessList& list);

// The process id of the first running game in enumeration order.
std::optional<std::uint32_t> FindFreeCell();
std::optional<std::uint32_t> FindFreeCellIn(const ProcessList& list);

// Terminates the first running game at once with the exit code 259; true when it was found and
// terminated. Shows nothing. On Windows 9x the main window is nudged so that it repaints.
bool CloseFreeCell(HWND main_window);

}  // namespace tv
