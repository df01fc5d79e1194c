// The release as a player meets it: the version Explorer shows, the portable zip, and the per-user
// installer's silent install, upgrade and uninstall, seen as the user and the system see them.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

#include "app/BuildNumber.h"
#include "app/MainFMIds.h"
#include "app/Version.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "platform/TextCase.h"
#include "support/system/Registry.h"
#include "ui/InputPrompt.h"

namespace tv::e2e {
namespace {

using Names = std::vector<std::string>;
const std::string kFileVersion = "1.2.0." + std::to_string(TV_VERSION_BUILD);
const std::string kSetup = BuildFolder() + "package\\Tallyvane-" TV_VERSION_TEXT "-setup.exe";
const char* const kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char* const kEntry = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tallyvane";

Names NamesIn(const std::string& folder) {
    Names names;
    for (const auto& entry : ReadFolder(folder)) names.push_back(entry.first);
    return names;
}
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
// A value of the uninstall entry as text ("(none)" when absent); numbers in decimal.
std::string Entry(const char* name) {
    char value[1024] = {};
    DWORD size = sizeof(value), type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kEntry, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, value, &size))
        return "(none)";
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(value)) : value;
}

TEST(Release, TheProgramsCarryTheirVersionForExplorer) {
    for (const std::string program : {"Tallyvane.exe", "TallyvanePolling.exe"}) {
        SCOPED_TRACE(program);
        std::vector<char> info(GetFileVersionInfoSizeA((BuildFolder() + program).c_str(), nullptr));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(GetFileVersionInfoA((BuildFolder() + program).c_str(), 0, info.size(), info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
        EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 1));
        EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(TV_VERSION_BUILD, 0));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
        const std::pair<std::string, std::string> expected[] = {
            {"ProductName", "Tallyvane"},  {"CompanyName", "Tallyvane"},     {"FileDescription", "FreeCell statistics"},
            {"FileVersion", kFileVersion}, {"ProductVersion", kFileVersion}, {"OriginalFilename", program}};
        for (const auto& [name, value] : expected) {
            char* text = nullptr;
            const std::string path = "\\StringFileInfo\\040904B0\\" + name;
            EXPECT_TRUE(VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &size) &&
                        text == value)
                << name;
        }
    }
}

TEST(Release, TheZipHoldsTheProgramAndItsReadmeAndTheProgramStartsFromThere) {
    // Unpacked by the build with the host's zipfile into a fresh folder.
    const std::string folder = BuildFolder() + "package-unzipped\\";
    FolderContents files = ReadFolder(folder);
    EXPECT_EQ(NamesIn(folder), (Names{"README.txt", "Tallyvane.exe"}));
    EXPECT_TRUE(files["Tallyvane.exe"] == ReadWholeFile(BuildFolder() + "Tallyvane.exe"));
    // Plain text for a Windows editor: UTF-8 with its mark, CRLF lines.
    EXPECT_EQ(files["README.txt"].substr(0, 23), "\xEF\xBB\xBF# Tallyvane\r\n\r\nTally");
    Program program(folder, "Tallyvane.exe", folder + "Tallyvane.exe");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(WindowText(program.MainWindow()), "Tallyvane v1.2");
}

// The installer, run silently as the user: each test starts and ends with nothing installed.
class Installer : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override {
        Clean();
        DeleteGameKey();
    }
    static std::string Folder() { return ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Tallyvane\\"; }
    static std::string Shortcut() { return ShellFolder(CSIDL_PROGRAMS) + "\\Tallyvane.lnk"; }
    static int Install(const std::string& setup) { return RunAndWait("\"" + setup + "\" /S", 120000); }
    // The entry's quiet uninstall, as "Apps & features" runs it. The uninstaller hands over to a copy
    // of itself outside the folder and returns at once: wait for the copy to finish.
    static bool Uninstall() {
        const std::string command = Entry("QuietUninstallString");
        if (command == "(none)") return true;
        const auto done = [] { return Entry("DisplayName") == "(none)" && !Exists(Folder() + "Uninstall.exe"); };
        return RunAndWait(command) == 0 && WaitUntil(done, 60000);
    }
    static void Clean() {
        Uninstall();
        for (const std::string& name : FilesMatching(Folder(), "*")) DeleteFileA((Folder() + name).c_str());
        RemoveDirectoryA(Folder().c_str());
    }
    // How many entries "Apps & features" lists for the user.
    static DWORD Entries() {
        DWORD count = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kUninstall, 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr);
            RegCloseKey(key);
        }
        return count;
    }
    // The shortcut's target, read as the shell reads it.
    static std::string ShortcutTarget() {
        char target[MAX_PATH] = {};
        CoInitialize(nullptr);
        IShellLinkA* link = nullptr;
        IPersistFile* file = nullptr;
        const std::string path = Shortcut();
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ)))
            link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        if (file) file->Release();
        if (link) link->Release();
        CoUninitialize();
        return target;
    }
};

TEST_F(Installer, InstallsWithShortcutAndEntryAndUninstallKeepsThePlayersFiles) {
    ASSERT_EQ(Install(kSetup), 0);
    const std::string folder = Folder(), uninstaller = "\"" + folder + "Uninstall.exe\"";
    EXPECT_EQ(NamesIn(folder), (Names{"README.txt", "Tallyvane.exe", "Uninstall.exe"}));
    const std::string program = ReadWholeFile(folder + "Tallyvane.exe");
    EXPECT_TRUE(program == ReadWholeFile(BuildFolder() + "Tallyvane.exe"));
    // The size in kilobytes: the program and its README, rounded up per file.
    const auto kb = [&](const std::string& name) { return (ReadWholeFile(folder + name).size() + 1023) / 1024; };
    const std::pair<const char*, std::string> expected[] = {
        {"DisplayName", "Tallyvane"},
        {"DisplayVersion", kFileVersion},
        {"Publisher", "Tallyvane"},
        {"DisplayIcon", folder + "Tallyvane.exe,0"},
        {"InstallLocation", folder.substr(0, folder.size() - 1)},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
        {"EstimatedSize", std::to_string(kb("Tallyvane.exe") + kb("README.txt"))}};
    for (const auto& [name, value] : expected) EXPECT_EQ(Entry(name), value) << name;

    // Started from its shortcut's target, the program backs up beside itself.
    ASSERT_EQ(LowerAscii(ShortcutTarget()), LowerAscii(folder + "Tallyvane.exe"));
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    {
        Program running(folder, "Tallyvane.exe", ShortcutTarget());
        ASSERT_TRUE(running.Start());
        ClickButton(GetDlgItem(running.MainWindow(), mainfm::IdBtnBackup));
        HWND prompt = FindTopWindow(running.Pid(), "Backup");
        SetDlgItemTextA(prompt, inputprompt::IdEdit, "Robin");
        ASSERT_TRUE(PressDialogButton(prompt, IDOK));
        ASSERT_TRUE(Answer(FindDialog(running.Pid(), "Information"), "OK"));
    }
    const auto backups = FilesMatching(folder, "Robin_*.reg");
    ASSERT_EQ(backups.size(), 1u);
    WriteWholeFile(folder + "FreeCell history.csv", "the player's own journal\r\n");

    ASSERT_TRUE(Uninstall());
    EXPECT_EQ(NamesIn(folder), (Names{"FreeCell history.csv", backups[0]}));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_EQ(Entries(), 0u);
}

TEST_F(Installer, InstallingOverAnInstalledCopyLeavesOneEntryOfTheNewVersion) {
    // The older release holds the polling build, so the replaced program can be told apart.
    ASSERT_EQ(Install(BuildFolder() + "package-older\\Tallyvane-1.1-setup.exe"), 0);
    EXPECT_EQ(Entry("DisplayVersion"), "1.1.0.0");
    EXPECT_TRUE(ReadWholeFile(Folder() + "Tallyvane.exe") == ReadWholeFile(BuildFolder() + "TallyvanePolling.exe"));
    ASSERT_EQ(Install(kSetup), 0);
    EXPECT_EQ(Entries(), 1u);
    EXPECT_EQ(Entry("DisplayVersion"), kFileVersion);
    EXPECT_TRUE(ReadWholeFile(Folder() + "Tallyvane.exe") == ReadWholeFile(BuildFolder() + "Tallyvane.exe"));
    // With nothing of the player's beside the program, the folder goes with it.
    ASSERT_TRUE(Uninstall());
    EXPECT_FALSE(Exists(Folder()));
}

}  // namespace
}  // namespace tv::e2e
