// The visual-style scope: standard controls made inside it come from the common controls of
// version 6 (this test program carries the program's visual-style manifest), those made outside
// from the system's classic classes, and the library the program binds is the same version 6.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/CommonControls.h"
#include "platform/Handles.h"
#include "platform/TextCase.h"
#include "platform/VisualStyles.h"

namespace tv {
namespace {

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return LowerAscii(path);
}

// The file of the module whose code answers a window's messages.
std::string ProcedureModule(HWND wnd) {
    const LONG_PTR proc =
        IsWindowUnicode(wnd) ? GetWindowLongPtrW(wnd, GWLP_WNDPROC) : GetWindowLongPtrA(wnd, GWLP_WNDPROC);
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(proc), &module);
    return module ? ModulePath(module) : std::string("(no module)");
}

UniqueWindow Control(const char* window_class) {
    return UniqueWindow(CreateWindowExA(0, window_class, "", WS_POPUP, 0, 0, 80, 40, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr));
}

bool IsVersionSix(const std::string& path) {
    return path.find("microsoft.windows.common-controls_6595b64144ccf1df_6.") != std::string::npos;
}

TEST(VisualStyle, ControlsMadeInTheScopeComeFromVersionSixAndOutsideFromTheSystem) {
    {
        const VisualStyleScope scope;
        ASSERT_TRUE(scope.Active());
        for (const char* window_class : {"LISTBOX", "EDIT", "STATIC"}) {
            SCOPED_TRACE(window_class);
            const UniqueWindow control = Control(window_class);
            ASSERT_TRUE(control);
            EXPECT_TRUE(IsVersionSix(ProcedureModule(control.get()))) << ProcedureModule(control.get());
        }
    }
    // The scope has ended: the same classes are the system's own again.
    for (const char* window_class : {"LISTBOX", "EDIT", "STATIC"}) {
        SCOPED_TRACE(window_class);
        const UniqueWindow control = Control(window_class);
        ASSERT_TRUE(control);
        EXPECT_FALSE(IsVersionSix(ProcedureModule(control.get()))) << ProcedureModule(control.get());
    }
}

TEST(VisualStyle, TheBoundLibraryIsVersionSixWhereverItIsFirstAskedFor) {
    // Asked for outside any scope, as a button's image list does.
    HMODULE module = CommonControlsModule();
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(IsVersionSix(ModulePath(module))) << ModulePath(module);
    const auto create = comctl::Proc<decltype(&ImageList_Create)>("ImageList_Create");
    ASSERT_NE(create, nullptr);
    HMODULE owner = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(create), &owner);
    EXPECT_EQ(owner, module);
}

TEST(VisualStyle, ScopesNestAndEndInOrder) {
    const VisualStyleScope outer;
    {
        const VisualStyleScope inner;
        EXPECT_TRUE(inner.Active());
    }
    const UniqueWindow list = Control("LISTBOX");
    EXPECT_TRUE(IsVersionSix(ProcedureModule(list.get())));
}

}  // namespace
}  // namespace tv
