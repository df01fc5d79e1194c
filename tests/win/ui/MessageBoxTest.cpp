// The Message box on this thread, answered from a second thread as a user or automation would.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/MessageBox.h"
#include "ui/MessageBoxLayout.h"

namespace tv {
namespace {

static_assert(msgbox::kIdOk == IDOK && msgbox::kIdCancel == IDCANCEL && msgbox::kIdYes == IDYES &&
              msgbox::kIdNo == IDNO && msgbox::kIdAbort == IDABORT && msgbox::kIdRetry == IDRETRY &&
              msgbox::kIdIgnore == IDIGNORE && msgbox::kIdHelp == IDHELP);

constexpr UINT kPing = WM_APP + 7;

std::string Text(HWND wnd) {
    char buf[1024] = {};
    GetWindowTextA(wnd, buf, sizeof(buf));
    return buf;
}

RECT Rect(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
}

// A plain top-level window that owns the boxes and counts the pings it is sent.
class Owner {
public:
    Owner() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TvMessageBoxOwner";
        RegisterClassA(&wc);
        wnd_ = CreateWindowExA(0, wc.lpszClassName, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 500, 400,
                               nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~Owner() { DestroyWindow(wnd_); }
    HWND wnd() const { return wnd_; }
    static inline std::atomic<int> pings{0};

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == kPing) return ++pings;
        return DefWindowProcA(wnd, msg, wp, lp);
    }
    HWND wnd_ = nullptr;
};

// What the helper thread saw of the box before it acted.
struct Seen {
    HWND box = nullptr;
    std::string caption;
    HWND owner = nullptr;
    bool owner_enabled = true;
    std::string text;
    RECT text_rect{};
    bool icon = false;
    RECT icon_rect{};
    std::vector<std::pair<int, std::string>> buttons;
    std::vector<RECT> button_rects;
    LRESULT defid = 0;
    RECT box_rect{};
    DWORD text_style = 0;
    int focus_id = 0;  // the focused control's id
};

HWND WaitForBox(DWORD thread) {
    for (int i = 0; i < 500; ++i) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND w, LPARAM lp) -> BOOL {
                char cls[32] = {};
                GetClassNameA(w, cls, sizeof(cls));
                if (std::string(cls) == "#32770" && IsWindowVisible(w)) {
                    *reinterpret_cast<HWND*>(lp) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(10);
    }
    return nullptr;
}

// Shows the box on this thread; the helper thread records it and then acts on it.
MsgResult ShowAndAct(HWND owner, const std::string& text, MsgKind kind, MsgButtons buttons, Seen& seen,
                     const std::function<void(HWND)>& act, std::optional<MsgButton> default_button = std::nullopt) {
    const DWORD me = GetCurrentThreadId();
    std::thread helper([&] {
        HWND box = WaitForBox(me);
        if (!box) return;
        seen.box = box;
        seen.caption = Text(box);
        seen.owner = GetWindow(box, GW_OWNER);
        seen.owner_enabled = owner ? IsWindowEnabled(owner) != 0 : true;
        seen.box_rect = Rect(box);
        seen.defid = SendMessageA(box, DM_GETDEFID, 0, 0);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        if (GetGUIThreadInfo(me, &gui) && gui.hwndFocus) seen.focus_id = GetDlgCtrlID(gui.hwndFocus);
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char cls[32] = {};
            GetClassNameA(c, cls, sizeof(cls));
            const int id = GetDlgCtrlID(c);
            if (_stricmp(cls, "Static") == 0 && id == msgbox::kIdIcon) {
                seen.icon = true;
                seen.icon_rect = Rect(c);
            } else if (_stricmp(cls, "Static") == 0 && id == msgbox::kIdText) {
                seen.text = Text(c);
                seen.text_rect = Rect(c);
                seen.text_style = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
            } else {
                seen.buttons.emplace_back(id, Text(c));
                seen.button_rects.push_back(Rect(c));
            }
        }
        act(box);
    });
    const MsgResult result = ShowMessageBox(owner, text, kind, buttons, default_button);
    helper.join();
    return result;
}

void Click(HWND box, int id) { PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); }
// Keys go to the focused control, where the dialog manager picks them up.
void Key(HWND box, WORD vk) {
    GUITHREADINFO gti{};
    gti.cbSize = sizeof(gti);
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &gti);
    PostMessageA(gti.hwndFocus ? gti.hwndFocus : box, WM_KEYDOWN, vk, 0);
}

class MessageBoxTest : public testing::Test {
protected:
    Owner owner_;
    Seen seen_;
};

TEST_F(MessageBoxTest, ConfirmationLooksAndAnswersAsItShould) {
    const auto r = ShowAndAct(owner_.wnd(), "Delete it?", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No, seen_,
                              [](HWND box) { Click(box, IDYES); });
    EXPECT_EQ(r, MsgResult::Yes);
    EXPECT_EQ(seen_.caption, "Confirm");
    EXPECT_EQ(seen_.owner, owner_.wnd());
    EXPECT_FALSE(seen_.owner_enabled);
    EXPECT_TRUE(IsWindowEnabled(owner_.wnd()));
    EXPECT_FALSE(IsWindow(seen_.box));
    EXPECT_EQ(seen_.text, "Delete it?");
    EXPECT_TRUE(seen_.icon);
    EXPECT_EQ(seen_.icon_rect.right - seen_.icon_rect.left, 32);
    ASSERT_EQ(seen_.buttons.size(), 2u);
    EXPECT_EQ(seen_.buttons[0], std::make_pair(IDYES, std::string("&Yes")));
    EXPECT_EQ(seen_.buttons[1], std::make_pair(IDNO, std::string("&No")));
    EXPECT_EQ(seen_.defid, MAKELRESULT(IDYES, DC_HASDEFID));
    // Centred over the owner.
    const RECT o = Rect(owner_.wnd());
    const RECT& b = seen_.box_rect;
    EXPECT_NEAR((b.left + b.right) / 2, (o.left + o.right) / 2, 1);
    EXPECT_NEAR((b.top + b.bottom) / 2, (o.top + o.bottom) / 2, 1);
}

TEST_F(MessageBoxTest, EveryWayOfDecliningGivesNo) {
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Q?", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No, seen_,
                         [](HWND box) { Click(box, IDNO); }),
              MsgResult::No);
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Q?", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No, seen_,
                         [](HWND box) { Key(box, VK_ESCAPE); }),
              MsgResult::No);
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Q?", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No, seen_,
                         [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              MsgResult::No);
}

TEST_F(MessageBoxTest, EnterTakesTheDefaultButton) {
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Q?", MsgKind::Confirmation, MsgButton::Yes | MsgButton::No, seen_,
                         [](HWND box) { Key(box, VK_RETURN); }),
              MsgResult::Yes);
}

TEST_F(MessageBoxTest, AQuestionWhoseDefaultIsNoGivesNoForEnterAndHasNoFocused) {
    const MsgButtons yes_no = MsgButton::Yes | MsgButton::No;
    const auto ask = [&](const std::function<void(HWND)>& act) {
        return ShowAndAct(owner_.wnd(), "Q?", MsgKind::Confirmation, yes_no, seen_, act, MsgButton::No);
    };
    EXPECT_EQ(ask([](HWND box) { Key(box, VK_RETURN); }), MsgResult::No);
    EXPECT_EQ(seen_.defid, MAKELRESULT(IDNO, DC_HASDEFID));
    EXPECT_EQ(seen_.focus_id, IDNO);
    // No is still the cancel button, and Yes still says yes.
    EXPECT_EQ(ask([](HWND box) { Key(box, VK_ESCAPE); }), MsgResult::No);
    EXPECT_EQ(ask([](HWND box) { Click(box, IDYES); }), MsgResult::Yes);
    // Without a default of its own, the box keeps Yes as its default and focus.
    ShowAndAct(owner_.wnd(), "Q?", MsgKind::Confirmation, yes_no, seen_, [](HWND box) { Click(box, IDNO); });
    EXPECT_EQ(seen_.focus_id, IDYES);
}

TEST_F(MessageBoxTest, NoticesHaveOneOkButtonThatEscAlsoGives) {
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Saved.", MsgKind::Information, Buttons(MsgButton::OK), seen_,
                         [](HWND box) { Key(box, VK_ESCAPE); }),
              MsgResult::OK);
    EXPECT_EQ(seen_.caption, "Information");
    ASSERT_EQ(seen_.buttons.size(), 1u);
    EXPECT_EQ(seen_.buttons[0], std::make_pair(IDOK, std::string("OK")));
    EXPECT_EQ(seen_.defid, MAKELRESULT(IDOK, DC_HASDEFID));

    Seen warning;
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Careful", MsgKind::Warning, Buttons(MsgButton::OK), warning,
                         [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              MsgResult::OK);
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_TRUE(warning.icon);
}

TEST_F(MessageBoxTest, CustomKindHasTheApplicationTitleAndNoIcon) {
    ShowAndAct(owner_.wnd(), "Plain", MsgKind::Custom, Buttons(MsgButton::OK), seen_,
               [](HWND box) { Click(box, IDOK); });
    EXPECT_EQ(seen_.caption, "Tallyvane");
    EXPECT_FALSE(seen_.icon);
}

TEST_F(MessageBoxTest, ButtonsKeepTheirFixedOrderAndOneWidth) {
    const MsgButtons all =
        MsgButton::YesToAll | MsgButton::Cancel | MsgButton::Yes | MsgButton::NoToAll | MsgButton::Help | MsgButton::No;
    Seen seen;
    std::atomic<bool> help_closed{false};
    const auto r = ShowAndAct(owner_.wnd(), "Many", MsgKind::Confirmation, all, seen, [&](HWND box) {
        SendMessageA(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);  // no help system: stays open
        Sleep(100);
        help_closed = !IsWindow(box);
        Click(box, 14);  // Yes to all
    });
    EXPECT_FALSE(help_closed);
    EXPECT_EQ(r, MsgResult::YesToAll);
    std::vector<std::string> captions;
    for (const auto& b : seen.buttons) captions.push_back(b.second);
    EXPECT_EQ(captions, (std::vector<std::string>{"&Yes", "&No", "Cancel", "N&o to All", "Yes to &All", "&Help"}));
    ASSERT_EQ(seen.button_rects.size(), 6u);
    for (size_t i = 1; i < seen.button_rects.size(); ++i) {
        EXPECT_EQ(seen.button_rects[i].right - seen.button_rects[i].left,
                  seen.button_rects[0].right - seen.button_rects[0].left);
        EXPECT_EQ(seen.button_rects[i].top, seen.button_rects[0].top);
        EXPECT_GT(seen.button_rects[i].left, seen.button_rects[i - 1].right);
    }
    // Cancel is the cancel button when shown: Esc gives Cancel, not No.
    EXPECT_EQ(ShowAndAct(owner_.wnd(), "Many", MsgKind::Confirmation, all, seen, [](HWND box) { Key(box, VK_ESCAPE); }),
              MsgResult::Cancel);
}

TEST_F(MessageBoxTest, LineBreaksGiveLinesAndLongTextsWrapAtHalfTheScreen) {
    Seen one, two, long_text;
    ShowAndAct(owner_.wnd(), "Backup failed", MsgKind::Warning, Buttons(MsgButton::OK), one,
               [](HWND box) { Click(box, IDOK); });
    ShowAndAct(owner_.wnd(), "Backup failed\r\nDisk full", MsgKind::Warning, Buttons(MsgButton::OK), two,
               [](HWND box) { Click(box, IDOK); });
    const int line = one.text_rect.bottom - one.text_rect.top;
    EXPECT_EQ(two.text_rect.bottom - two.text_rect.top, 2 * line);
    EXPECT_EQ(two.text, "Backup failed\r\nDisk full");

    std::string words;
    for (int i = 0; i < 120; ++i) words += "statistics ";
    ShowAndAct(owner_.wnd(), words, MsgKind::Information, Buttons(MsgButton::OK), long_text,
               [](HWND box) { Click(box, IDOK); });
    const int half = GetSystemMetrics(SM_CXSCREEN) / 2;
    EXPECT_LE(long_text.text_rect.right - long_text.text_rect.left, half);
    EXPECT_GT(long_text.text_rect.right - long_text.text_rect.left, half - 100);
    EXPECT_GE(long_text.text_rect.bottom - long_text.text_rect.top, 5 * line);
    EXPECT_GT(long_text.box_rect.bottom - long_text.box_rect.top, one.box_rect.bottom - one.box_rect.top + 4 * line);
}

TEST_F(MessageBoxTest, AmpersandsInTheTextAreShownAsTyped) {
    ShowAndAct(owner_.wnd(), "Saved as Tom&Jerry_20240101_120000.reg", MsgKind::Information, Buttons(MsgButton::OK),
               seen_, [](HWND box) { Click(box, IDOK); });
    EXPECT_TRUE(seen_.text_style & SS_NOPREFIX);
}

TEST_F(MessageBoxTest, TheOwnerStillHandlesSentMessagesWhileTheBoxIsOpen) {
    Owner::pings = 0;
    LRESULT answer = 0;
    ShowAndAct(owner_.wnd(), "Waiting", MsgKind::Information, Buttons(MsgButton::OK), seen_, [&](HWND box) {
        // As the change monitor's worker does: a synchronous message to the owner.
        answer = SendMessageA(GetWindow(box, GW_OWNER), kPing, 0, 0);
        Click(box, IDOK);
    });
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(Owner::pings, 1);
}

}  // namespace
}  // namespace tv
