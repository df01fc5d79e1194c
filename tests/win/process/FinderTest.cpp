// The process finder and CloseFreeCell against real processes: a stand-in program copied under
// the game's name and others into folders of their own.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "process/Psapi.h"
#include "process/Toolz.h"
#include "support/system/Folders.h"
#include "support/system/Processes.h"

namespace tv {
namespace {

using test::BuildFolder;
using Program = test::ProgramCopy;
using test::ScratchFolder;

std::string StandIn() { return BuildFolder() + "FreeCellStandIn.exe"; }

bool Lists(const ProcessList& list, DWORD pid) {
    return std::any_of(list.begin(), list.end(), [pid](const ProcessEntry& e) { return e.id == pid; });
}

class Finder : public testing::Test {
protected:
    // Games left over by earlier tests would be found first.
    void SetUp() override { test::KillProcessesNamed("freecell.exe"); }

    // Starts the stand-in as folder\file_name and waits until the finder's list shows it.
    Program& Run(const std::string& scratch, const std::string& file_name) {
        programs_.push_back(std::make_unique<Program>(ScratchFolder(scratch), file_name, StandIn()));
        Program& p = *programs_.back();
        EXPECT_TRUE(p.Start()) << file_name;
        EXPECT_TRUE(test::WaitUntil([&] {
            ProcessList list;
            GetProcessList(list);
            return Lists(list, p.Pid());
        })) << file_name
            << " never appeared in the process list";
        return p;
    }

    std::vector<std::unique_ptr<Program>> programs_;
};

TEST_F(Finder, ListsRunningProcessesWithTheirBaseNames) {
    const Program& game = Run("finder-list", "freecell.exe");
    ProcessList list;
    GetProcessList(list);
    auto it = std::find_if(list.begin(), list.end(), [&](const ProcessEntry& e) { return e.id == game.Pid(); });
    ASSERT_NE(it, list.end());
    EXPECT_EQ(it->name, "freecell.exe");
    EXPECT_TRUE(Lists(list, GetCurrentProcessId()));
    // Refilling empties the list first.
    list.push_back({"stale.exe", 1});
    GetProcessList(list);
    EXPECT_FALSE(Lists(list, 1));
}

TEST_F(Finder, FindsTheGameInAnyFolderAndInAnyCase) {
    EXPECT_FALSE(FindFreeCell().has_value());
    {
        Program& game = Run("finder-games", "freecell.exe");
        EXPECT_EQ(FindFreeCell(), game.Pid());
        game.Kill();
    }
    Program& upper = Run("finder-upper", "FreeCell.EXE");
    EXPECT_EQ(FindFreeCell(), upper.Pid());
}

TEST_F(Finder, MatchesTheWholeNameOnly) {
    Program& bak = Run("finder-bak", "freecell.exe.bak");
    Program& prefixed = Run("finder-prefixed", "myfreecell.exe");
    ASSERT_TRUE(bak.Running());
    ASSERT_TRUE(prefixed.Running());
    EXPECT_FALSE(FindFreeCell().has_value());
}

TEST_F(Finder, CloseTerminatesTheFirstGameThenTheNextWithCode259) {
    Program& a = Run("finder-two-a", "freecell.exe");
    Program& b = Run("finder-two-b", "freecell.exe");
    ProcessList list;
    GetProcessList(list);
    const auto first =
        std::find_if(list.begin(), list.end(), [](const ProcessEntry& e) { return e.name == "freecell.exe"; });
    ASSERT_NE(first, list.end());
    ASSERT_EQ(FindFreeCell(), first->id);
    Program& found_first = first->id == a.Pid() ? a : b;
    Program& other = first->id == a.Pid() ? b : a;

    EXPECT_TRUE(CloseFreeCell(nullptr));
    ASSERT_TRUE(found_first.WaitForExit(5000));
    EXPECT_EQ(found_first.ExitCode(), 259u);
    EXPECT_TRUE(other.Running());

    EXPECT_TRUE(CloseFreeCell(nullptr));
    ASSERT_TRUE(other.WaitForExit(5000));
    EXPECT_EQ(other.ExitCode(), 259u);

    EXPECT_FALSE(CloseFreeCell(nullptr));
}

TEST_F(Finder, ToolHelpSnapshotListsTheStandIn) {
    const Program& game = Run("finder-toolhelp", "freecell.exe");
    ASSERT_TRUE(LoadToolHelp());
    ProcessList list{{"stale.exe", 1}};
    ListWithToolHelp(ToolHelp(), list);
    auto it = std::find_if(list.begin(), list.end(), [&](const ProcessEntry& e) { return e.id == game.Pid(); });
    ASSERT_NE(it, list.end());
    // The NT family reports the base name here too; Windows 9x would give the full path.
    EXPECT_NE(it->name.find("freecell.exe"), std::string::npos) << it->name;
    EXPECT_FALSE(Lists(list, 1));
}

TEST_F(Finder, SeesProcessesBeyondTheFirst1024Ids) {
    const Program& game = Run("finder-many", "freecell.exe");
    PsapiBinding fake(BuildFolder() + "tv_fake_psapi.dll");
    ASSERT_TRUE(fake.Load());
    const HMODULE module = GetModuleHandleA((BuildFolder() + "tv_fake_psapi.dll").c_str());
    ASSERT_NE(module, nullptr);
    using SetPaddingFn = void(WINAPI*)(DWORD);
    auto set_padding =
        reinterpret_cast<SetPaddingFn>(reinterpret_cast<void*>(GetProcAddress(module, "FakePsapiSetPadding")));
    ASSERT_NE(set_padding, nullptr);
    set_padding(3000);  // 3000 ids that cannot be opened come before every real process

    // One buffer of 1024 ids would not reach the game.
    std::vector<DWORD> first(1024);
    DWORD bytes = 0;
    ASSERT_TRUE(fake.EnumProcesses(first.data(), 4096, &bytes));
    EXPECT_EQ(bytes, 4096u);
    EXPECT_EQ(std::count(first.begin(), first.end(), game.Pid()), 0);

    ProcessList list;
    ListWithPsapi(fake, list);
    EXPECT_TRUE(Lists(list, game.Pid()));
    EXPECT_TRUE(Lists(list, GetCurrentProcessId()));
    ProcessList real;
    ListWithPsapi(Psapi(), real);
    EXPECT_GE(list.size() + 2, real.size());  // processes may come and go meanwhile
    set_padding(0);
}

TEST_F(Finder, PsapiWithoutAnEntryPointCountsAsMissing) {
    Run("finder-partial", "freecell.exe");
    const std::string partial_path = BuildFolder() + "tv_partial_psapi.dll";
    UniqueModule loadable(LoadLibraryA(partial_path.c_str()));
    ASSERT_TRUE(loadable) << "the library itself loads; only an entry point is missing";
    PsapiBinding partial(partial_path);
    EXPECT_FALSE(partial.Load());
    DWORD ids[4] = {};
    DWORD bytes = 0;
    EXPECT_FALSE(partial.EnumProcesses(ids, sizeof(ids), &bytes));
    ProcessList list{{"stale.exe", 1}};
    ListWithPsapi(partial, list);
    EXPECT_TRUE(list.empty());

    // Once loaded the library stays loaded, also when it cannot serve: it is not loaded again on
    // every search.
    loadable.reset();
    const HMODULE kept = GetModuleHandleA(partial_path.c_str());
    EXPECT_NE(kept, nullptr) << "the binding let the library go";
    EXPECT_FALSE(partial.Load());
    EXPECT_EQ(GetModuleHandleA(partial_path.c_str()), kept);

    PsapiBinding missing(BuildFolder() + "no-such-psapi.dll");
    EXPECT_FALSE(missing.Load());
    ListWithPsapi(missing, list);
    EXPECT_TRUE(list.empty());
    char name[8] = "x";
    EXPECT_EQ(missing.GetModuleBaseNameA(GetCurrentProcess(), nullptr, name, sizeof(name)), 0u);
}

}  // namespace
}  // namespace tv
