// The keyboard and automation on buttons outside a dialog: access keys offered to the window's
// buttons, Space on switches of a group, and clicks asked of a disabled button.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>

#include "widgets/button/VtBtnAccessible.h"
#include "win/button/ButtonHost.h"
#include "win/button/MessageLog.h"

namespace tv {
namespace {

using testing_button::ButtonHost;
using testing_button::MessageLog;
using testing_button::PumpMessages;

int Clicks(const std::vector<std::string>& seen, int id) {
    return static_cast<int>(std::count(seen.begin(), seen.end(), "clicked " + std::to_string(id)));
}

constexpr LPARAM kAltDown = 1 << 29;

class AccessKeys : public testing::Test {
protected:
    void SetUp() override {
        first = host.Add("&First", 10, 10, 97, 25, 101);
        ok = host.Add("&OK", 120, 10, 97, 25, 102);
        log.Watch(first);
        log.Watch(ok);
        SetFocus(first);
        PumpMessages();
        ASSERT_EQ(GetFocus(), first);
    }
    ButtonHost host;
    HWND first = nullptr, ok = nullptr;
    MessageLog log{host.Handle()};
};

TEST_F(AccessKeys, TheLetterClicksTheButtonWithAltOrPlainInEitherCase) {
    SendMessageA(first, WM_SYSCHAR, 'o', kAltDown | 1);
    EXPECT_EQ(Clicks(log.Take(), 102), 1) << "Alt+o";
    SendMessageA(first, WM_CHAR, 'o', 1);
    EXPECT_EQ(Clicks(log.Take(), 102), 1) << "o";
    SendMessageA(first, WM_CHAR, 'O', 1);
    EXPECT_EQ(Clicks(log.Take(), 102), 1) << "O";
    // The focused button's own letter clicks it too; a letter of no caption clicks nothing.
    SendMessageA(first, WM_SYSCHAR, 'F', kAltDown | 1);
    SendMessageA(first, WM_CHAR, 'q', 1);
    const auto seen = log.Take();
    EXPECT_EQ(Clicks(seen, 101), 1);
    EXPECT_EQ(Clicks(seen, 102), 0);
}

TEST_F(AccessKeys, AButtonThatCannotTakeTheFocusIsNotClicked) {
    EnableWindow(ok, FALSE);
    SendMessageA(first, WM_SYSCHAR, 'o', kAltDown | 1);
    EXPECT_EQ(Clicks(log.Take(), 102), 0) << "disabled";
    EnableWindow(ok, TRUE);
    ShowWindow(ok, SW_HIDE);
    SendMessageA(first, WM_SYSCHAR, 'o', kAltDown | 1);
    EXPECT_EQ(Clicks(log.Take(), 102), 0) << "hidden";
    ShowWindow(ok, SW_SHOW);
    SendMessageA(first, WM_SYSCHAR, 'o', kAltDown | 1);
    EXPECT_EQ(Clicks(log.Take(), 102), 1) << "shown and enabled again";
}

TEST(ButtonAutomation, ADisabledButtonIgnoresClicksAskedOfIt) {
    CoInitialize(nullptr);
    {
        ButtonHost host;
        HWND b = host.Add("E&xit", 10, 10, 97, 25, 106);
        MessageLog log(host.Handle());
        log.Watch(b);
        SendMessageA(b, BM_CLICK, 0, 0);
        EXPECT_EQ(Clicks(log.Take(), 106), 1);
        EnableWindow(b, FALSE);
        SendMessageA(b, BM_CLICK, 0, 0);
        const UniqueCom<IAccessible> acc = CreateButtonAccessible(b);
        ASSERT_TRUE(acc);
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        EXPECT_NE(acc->accDoDefaultAction(self), S_OK);
        EXPECT_EQ(Clicks(log.Take(), 106), 0);
    }
    CoUninitialize();
}

TEST(ButtonAutomation, TheSpokenNameDropsAccessKeyMarksOnly) {
    CoInitialize(nullptr);
    {
        ButtonHost host;
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const std::pair<const char*, const wchar_t*> cases[] = {{"&Clear Statistics", L"Clear Statistics"},
                                                                {"Salt && Pepper", L"Salt & Pepper"},
                                                                {"x&&&", L"x&"},
                                                                {"&&&x", L"&x"},
                                                                {"trailing&", L"trailing"}};
        for (const auto& [caption, spoken] : cases) {
            HWND b = host.Add(caption, 10, 10);
            {
                const UniqueCom<IAccessible> acc = CreateButtonAccessible(b);
                ASSERT_TRUE(acc);
                BSTR name = nullptr;
                ASSERT_EQ(acc->get_accName(self, &name), S_OK);
                EXPECT_STREQ(name, spoken) << caption;
                SysFreeString(name);
            }
            DestroyWindow(b);
        }
    }
    CoUninitialize();
}

TEST(ButtonSwitch, SpaceOnASwitchOfAGroupRaisesTheOtherSwitch) {
    ButtonHost host;
    HWND a = host.Add("A", 10, 10, 97, 25, 101);
    HWND b = host.Add("B", 120, 10, 97, 25, 102);
    auto* ba = TCustomVtPopupButton::FromHandle(a);
    auto* bb = TCustomVtPopupButton::FromHandle(b);
    for (auto* button : {ba, bb}) {
        button->SetIsSwitch(true);
        button->SetGroupIndex(1);
        button->SetAllowAllUp(true);
    }
    ba->SetDown(true);
    SetFocus(b);
    PumpMessages();
    ASSERT_EQ(GetFocus(), b);
    SendMessageA(b, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(b, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_TRUE(bb->Down());
    EXPECT_FALSE(ba->Down()) << "two switches of one group are down";
    // Enter on the other one hands the group back.
    SetFocus(a);
    PumpMessages();
    SendMessageA(a, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(ba->Down());
    EXPECT_FALSE(bb->Down());
}

}  // namespace
}  // namespace tv
