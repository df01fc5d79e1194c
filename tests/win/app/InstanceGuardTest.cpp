// The single-instance guard inside this process: a second guard under the same executable name
// finds the first, which restores and raises its main window; shut-down puts the procedure back.
#include <windows.h>
#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/multinst.h"
#include "platform/Handles.h"

namespace tv {
namespace {

void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

TEST(InstanceGuard, SecondGuardEndsTheCopyAndTheFirstRestoresItsMainWindow) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    TApplication first_app(instance);
    ASSERT_NE(first_app.Handle(), nullptr);
    const auto original_proc = GetWindowLongPtrA(first_app.Handle(), GWLP_WNDPROC);
    {
        TInstanceGuard first(first_app);
        EXPECT_FALSE(first_app.Terminated());
        EXPECT_TRUE(first_app.ShowMainForm());
        EXPECT_NE(GetWindowLongPtrA(first_app.Handle(), GWLP_WNDPROC), original_proc);
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        EXPECT_NE(std::string(path).find(first.Name()), std::string::npos);
        EXPECT_EQ(first.Name().find('\\'), std::string::npos);
        EXPECT_EQ(first.Message(), RegisterWindowMessageA(first.Name().c_str()));

        UniqueWindow main(CreateWindowExA(0, "STATIC", "guarded main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                                          200, nullptr, nullptr, instance, nullptr));
        ASSERT_TRUE(main);
        first_app.SetMainWindow(main.get());
        ShowWindow(main.get(), SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(main.get()));

        TApplication second_app(instance);
        {
            TInstanceGuard second(second_app);
            EXPECT_TRUE(second_app.Terminated());
            EXPECT_FALSE(second_app.ShowMainForm());
        }
        // The broadcast may still be on its way to the first application window.
        Pump(300);
        EXPECT_FALSE(IsIconic(main.get()));
        EXPECT_TRUE(IsWindowVisible(main.get()));
    }
    EXPECT_EQ(GetWindowLongPtrA(first_app.Handle(), GWLP_WNDPROC), original_proc);

    // The mutex went with the first guard: a new guard is a first copy again.
    TApplication again_app(instance);
    TInstanceGuard again(again_app);
    EXPECT_FALSE(again_app.Terminated());
}

}  // namespace
}  // namespace tv
