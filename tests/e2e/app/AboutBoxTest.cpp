// The About box seen from outside: texts and layout, closing keys, placement, link tooltips, and
// the links' calls of the shell, which a stand-in for the browser and the mail program records.
// (Cursor handles belong to their process, so the hand cursor is checked in-process by the About
// form's integration test.)
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/AboutFMIds.h"
#include "app/AboutText.h"
#include "app/MainFMIds.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"

namespace tv::e2e {
namespace {

using namespace tv::aboutfm;

// While it lives, the shell hands web and mail addresses to the recorder, which appends each
// address it is given to a file; the handlers there before are put back afterwards. (This Wine
// reads the classes of the machine only, not the user's.)
class RecordedShell {
public:
    explicit RecordedShell(const std::string& log) : log_(log) {
        for (const char* scheme : {"https", "mailto"}) {
            const std::string key = std::string(scheme) + "\\shell\\open\\command";
            saved_.push_back({key, ReadDefault(key)});
            std::string command = "\"";
            command += BuildFolder() + "ShellRecorder.exe\" \"" + log_ + "\" \"%1\"";
            installed_ = RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, command.c_str(),
                                         static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS &&
                         installed_;
        }
    }
    ~RecordedShell() {
        for (const auto& [key, before] : saved_) {
            if (before)
                RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, before->c_str(),
                                static_cast<DWORD>(before->size() + 1));
            else
                RegDeleteTreeA(HKEY_CLASSES_ROOT, key.substr(0, key.find("\\shell")).c_str());
        }
    }
    RecordedShell(const RecordedShell&) = delete;
    RecordedShell& operator=(const RecordedShell&) = delete;

    // False when a handler could not be replaced: the real browser would be started then.
    bool Installed() const { return installed_; }
    // The addresses opened so far, one a line.
    std::string Calls() const {
        std::ifstream in(log_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static std::optional<std::string> ReadDefault(const std::string& key) {
        char value[1024] = {};
        DWORD size = sizeof(value);
        if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return std::string(value);
    }

    std::string log_;
    bool installed_ = true;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class AboutBox : public testing::Test {
protected:
    void SetUp() override {
        program_ = std::make_unique<Program>(ScratchFolder("about"));
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }

    HWND Open() {
        ClickButton(GetDlgItem(main_, tv::mainfm::IdBtnAbout));
        return FindDialog(program_->Pid(), "About");
    }

    void CloseWith(WORD key) {
        HWND about = Open();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(BringToFront(about));
        PressKey(key);
        EXPECT_TRUE(WaitForWindowGone(about)) << "key " << key;
        EXPECT_TRUE(program_->Running());
    }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(AboutBox, ShowsItsTextsIconAndLayout) {
    HWND about = Open();
    ASSERT_NE(about, nullptr);
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    EXPECT_FALSE(GetWindowLongA(about, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the About box is modal";

    struct Expect {
        int id, x, y;
        const char* text;
    };
    const Expect labels[] = {{IdLblAppName, 60, 12, "Tallyvane"},
                             {IdLblVersion, 60, 42, "v1.2  Build Date: 3/2/2005"},
                             {IdLblURL, 12, 72, about::kHomepageUrl},
                             {IdLblEmail, 12, 90, about::kSupportEmail}};
    for (const auto& l : labels) {
        HWND w = GetDlgItem(about, l.id);
        ASSERT_NE(w, nullptr) << l.text;
        EXPECT_EQ(WindowText(w), l.text);
        const POINT p = PositionInParent(w);
        EXPECT_EQ(p.x, l.x) << l.text;
        EXPECT_EQ(p.y, l.y) << l.text;
    }
    HWND icon = GetDlgItem(about, IdImageIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(PositionInParent(icon).x, 12);
    EXPECT_EQ(PositionInParent(icon).y, 18);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    const RECT ir = WindowRectOf(icon);
    EXPECT_EQ(ir.right - ir.left, 32);
    EXPECT_EQ(ir.bottom - ir.top, 32);

    HWND ok = GetDlgItem(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(WindowText(ok), "&OK");
    EXPECT_EQ(PositionInParent(ok).x, 192);
    EXPECT_EQ(PositionInParent(ok).y, 90);
    const RECT okr = WindowRectOf(ok);
    EXPECT_EQ(okr.right - okr.left, 75);
    EXPECT_EQ(okr.bottom - okr.top, 25);
    EXPECT_EQ(FocusedControl(about), ok);
    SaveWindowScreenshot(about, "about-box.bmp");

    EXPECT_TRUE(PressDialogButton(about, "&OK"));
    EXPECT_TRUE(WaitForWindowGone(about));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_) != 0; }));
}

TEST_F(AboutBox, EnterEscAndTheCloseBoxCloseIt) {
    CloseWith(VK_RETURN);
    CloseWith(VK_ESCAPE);
    HWND about = Open();
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(about));
}

TEST_F(AboutBox, OpensCentredOverTheMainWindowWhereverItIs) {
    const POINT places[] = {{40, 30}, {520, 380}, {300, 120}};
    for (const POINT& at : places) {
        SetWindowPos(main_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(main_).left == at.x; }));
        HWND about = Open();
        ASSERT_NE(about, nullptr);
        const RECT m = WindowRectOf(main_);
        const RECT a = WindowRectOf(about);
        EXPECT_NEAR((a.left + a.right) / 2, (m.left + m.right) / 2, 1) << at.x << "," << at.y;
        EXPECT_NEAR((a.top + a.bottom) / 2, (m.top + m.bottom) / 2, 1) << at.x << "," << at.y;
        PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(WaitForWindowGone(about));
    }
}

TEST_F(AboutBox, LinksShowTheirTooltips) {
    HWND about = Open();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(BringToFront(about));
    struct Link {
        int id;
        const char* tip;
    };
    for (const Link& link : {Link{IdLblURL, about::kUrlTip}, Link{IdLblEmail, about::kEmailTip}}) {
        HWND label = GetDlgItem(about, link.id);
        ASSERT_NE(label, nullptr);
        const RECT r = WindowRectOf(label);
        MoveMouseTo(r.left + 4, (r.top + r.bottom) / 2);
        MoveMouseTo(r.left + 6, (r.top + r.bottom) / 2);
        std::string shown;
        EXPECT_TRUE(WaitUntil(
            [&] {
                for (HWND w : TopWindows(program_->Pid()))
                    if (ClassName(w) == "tooltips_class32") {
                        shown = WindowText(w);
                        if (shown == link.tip) return true;
                    }
                return false;
            },
            5000))
            << "tooltip shown: '" << shown << "'";
    }
    MoveMouseTo(5, 5);
}

TEST_F(AboutBox, TheLinksAskTheShellToOpenTheHomepageAndAMailWithTheSubject) {
    const std::string log = ScratchFolder("about-links") + "opened.txt";
    const RecordedShell shell(log);
    ASSERT_TRUE(shell.Installed());
    HWND about = Open();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(BringToFront(about));
    Click(GetDlgItem(about, IdLblURL));
    const std::string homepage = std::string(about::kHomepageUrl) + "\r\n";
    EXPECT_TRUE(WaitUntil([&] { return shell.Calls() == homepage; }, 10000)) << shell.Calls();
    ASSERT_TRUE(BringToFront(about));
    Click(GetDlgItem(about, IdLblEmail));
    const std::string mail = homepage + "mailto:" + about::kSupportEmail + "?subject=Tallyvane v1.2\r\n";
    EXPECT_TRUE(WaitUntil([&] { return shell.Calls() == mail; }, 10000)) << shell.Calls();
    // Following a link leaves the box open.
    EXPECT_TRUE(IsWindowVisible(about));
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(about));
}

}  // namespace
}  // namespace tv::e2e
