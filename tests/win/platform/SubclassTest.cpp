// The one subclass helper: the owner sees messages first, passes the rest on, and the window gets
// its own procedure back when the owner goes or the window is destroyed.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/Error.h"
#include "platform/Subclass.h"
#include "win/platform/ErrorBoxWatcher.h"

namespace tv {
namespace {

constexpr UINT kThrow = WM_APP + 1;

class Owner {
public:
    LRESULT HandleSubclassMessage(const Subclass<Owner>& subclass, HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        seen.push_back(msg);
        if (msg == kThrow) throw TvError("The owner failed");
        // Swallowed: the edit never sees its text replaced.
        if (msg == WM_SETTEXT && swallow_text) return TRUE;
        return subclass.CallPrevious(wnd, msg, wp, lp);
    }
    std::vector<UINT> seen;
    bool swallow_text = false;
};

HWND CreateEdit() {
    return CreateWindowExA(0, "EDIT", "before", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

std::string Text(HWND wnd) {
    char text[64] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    return text;
}

LONG_PTR ProcedureOf(HWND wnd) { return GetWindowLongPtrA(wnd, GWLP_WNDPROC); }

TEST(Subclass, TheOwnerSeesMessagesFirstAndThePreviousProcedureGetsTheRest) {
    const HWND edit = CreateEdit();
    SetWindowLongPtrA(edit, GWLP_USERDATA, 1234);
    Owner owner;
    Subclass<Owner> subclass(edit, owner);
    ASSERT_TRUE(subclass.Installed());
    owner.swallow_text = true;
    SetWindowTextA(edit, "swallowed");
    EXPECT_EQ(Text(edit), "before");
    owner.swallow_text = false;
    SetWindowTextA(edit, "after");
    EXPECT_EQ(Text(edit), "after");
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_USERDATA), 1234);  // the window's own slot stays its user's
    DestroyWindow(edit);
}

TEST(Subclass, LettingGoPutsThePreviousProcedureBack) {
    const HWND edit = CreateEdit();
    const LONG_PTR original = ProcedureOf(edit);
    Owner owner;
    {
        Subclass<Owner> subclass(edit, owner);
        ASSERT_TRUE(subclass.Installed());
        EXPECT_NE(ProcedureOf(edit), original);
    }
    EXPECT_EQ(ProcedureOf(edit), original);
    const auto seen = owner.seen.size();
    SetWindowTextA(edit, "unseen");
    EXPECT_EQ(owner.seen.size(), seen);
    // Installed again later, it works as the first time.
    Subclass<Owner> again(edit, owner);
    EXPECT_TRUE(again.Installed());
    DestroyWindow(edit);
    EXPECT_FALSE(again.Installed());
}

TEST(Subclass, AWindowDestroyedFirstEndsTheLinkAndTheOwnerSawItsLastMessages) {
    const HWND edit = CreateEdit();
    Owner owner;
    Subclass<Owner> subclass(edit, owner);
    DestroyWindow(edit);
    EXPECT_FALSE(subclass.Installed());
    ASSERT_FALSE(owner.seen.empty());
    EXPECT_EQ(owner.seen.back(), static_cast<UINT>(WM_DESTROY));
}

TEST(Subclass, OneOwnerAtATimeAndErrorsAreShownInTheGeneralErrorBox) {
    const HWND edit = CreateEdit();
    Owner first, second;
    Subclass<Owner> subclass(edit, first);
    Subclass<Owner> refused(edit, second);
    EXPECT_TRUE(subclass.Installed());
    EXPECT_FALSE(refused.Installed());
    {
        test::ErrorBoxWatcher watcher;
        EXPECT_EQ(SendMessageA(edit, kThrow, 0, 0), 0);
        EXPECT_EQ(watcher.Seen(), "The owner failed.\n");
    }
    EXPECT_TRUE(second.seen.empty());
    DestroyWindow(edit);
}

}  // namespace
}  // namespace tv
