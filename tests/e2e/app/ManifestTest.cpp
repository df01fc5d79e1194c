// The application manifest as the loader sees it: read back from the built program's resources,
// the running program's windows per-monitor DPI aware, and the common controls of version 6 loaded
// for the windows that use them, not for the main window.
#include <windows.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/MainFMIds.h"
#include "backup/RestoreFMIds.h"
#include "e2e/driver/Driver.h"
#include "platform/Handles.h"
#include "platform/TextCase.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

// The manifest resources of a program file: (id, text) for each resource of type 24.
struct ManifestResource {
    int id = 0;
    std::string text;
};

BOOL CALLBACK CollectManifest(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    auto& out = *reinterpret_cast<std::vector<ManifestResource>*>(param);
    if (!IS_INTRESOURCE(name)) {
        out.push_back({-1, {}});
        return TRUE;
    }
    HRSRC info = FindResourceA(module, name, type);
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    out.push_back({static_cast<int>(reinterpret_cast<ULONG_PTR>(name)),
                   bytes ? std::string(bytes, SizeofResource(module, info)) : std::string()});
    return TRUE;
}

std::vector<ManifestResource> ManifestsOf(const std::string& path) {
    std::vector<ManifestResource> found;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return found;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(24), CollectManifest, reinterpret_cast<LONG_PTR>(&found));
    FreeLibrary(module);
    return found;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Manifest, TheProgramCarriesItsManifestAndTheVisualStyleOne) {
    for (const char* program : {"Tallyvane.exe", "TallyvanePolling.exe"}) {
        SCOPED_TRACE(program);
        auto manifests = ManifestsOf(BuildFolder() + program);
        std::sort(manifests.begin(), manifests.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
        // Resource 1 is the one the loader reads for a program; 2 is activated by the windows that
        // want the visual style.
        ASSERT_EQ(manifests.size(), 2u);
        EXPECT_EQ(manifests[0].id, 1);
        EXPECT_EQ(manifests[1].id, 2);
        const std::string& m = manifests[0].text;
        EXPECT_TRUE(Has(m,
                        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                        "PerMonitorV2, PerMonitor</dpiAwareness>"))
            << m;
        EXPECT_TRUE(
            Has(m, "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"));
        EXPECT_TRUE(Has(m, "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"));
        for (const char* os : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}",     // Vista
                               "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // 7
                               "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // 8
                               "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // 8.1
                               "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
            EXPECT_TRUE(Has(m, std::string("<supportedOS Id=\"") + os + "\"/>")) << os;
        }
        // The process-wide one names no common controls: the main window's labels would load them.
        EXPECT_FALSE(Has(m, "Common-Controls")) << m;
        const std::string& style = manifests[1].text;
        EXPECT_TRUE(Has(style, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"")) << style;
        EXPECT_TRUE(Has(style, "publicKeyToken=\"6595b64144ccf1df\""));
    }
}

// The paths of the process's loaded modules named comctl32.dll.
std::vector<std::string> CommonControlsLoadedBy(DWORD pid) {
    std::vector<std::string> found;
    UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
    if (!snapshot) return {"(no module snapshot)"};
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Module32First(snapshot.get(), &entry); more; more = Module32Next(snapshot.get(), &entry)) {
        if (LowerAscii(entry.szModule) == "comctl32.dll") found.emplace_back(entry.szExePath);
    }
    return found;
}

TEST(Manifest, TheMainWindowStartsWithoutTheCommonControlsAndTheRestoreListHasVersionSix) {
    DeleteGameKey();
    Program program(ScratchFolder("manifest-common-controls"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(CommonControlsLoadedBy(program.Pid()).empty())
        << "first of them: " << CommonControlsLoadedBy(program.Pid()).front();

    ClickButton(GetDlgItem(main, mainfm::IdBtnRestore));
    HWND dialog = FindTopWindow(program.Pid(), restorefm::kCaption);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(GetDlgItem(dialog, restorefm::IdListBoxFiles), nullptr);
    // One library, the side-by-side version 6, not the system folder's version 5 beside it.
    const auto loaded = CommonControlsLoadedBy(program.Pid());
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_NE(LowerAscii(loaded[0]).find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
        << loaded[0];
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    DeleteGameKey();
}

using GetWindowDpiAwarenessContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using AreDpiAwarenessContextsEqualFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);

// Wine 8 answers per-monitor for every process, with or without a manifest (measured with a probe
// given each dpiAwareness value), so here only the test above tells the manifest's presence; on
// Windows this one does too.
TEST(Manifest, TheRunningProgramReportsItselfPerMonitorDpiAware) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto window_context = reinterpret_cast<GetWindowDpiAwarenessContextFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto equal = reinterpret_cast<AreDpiAwarenessContextsEqualFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
    if (!window_context || !equal) GTEST_SKIP() << "this system has no per-window DPI awareness";

    Program program(ScratchFolder("manifest"));
    ASSERT_TRUE(program.Start());
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    const DPI_AWARENESS_CONTEXT context = window_context(main);
    EXPECT_TRUE(equal(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) ||
                equal(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE));
}

}  // namespace
}  // namespace tv::e2e
