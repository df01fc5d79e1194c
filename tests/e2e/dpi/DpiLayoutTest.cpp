// Every window of the program at the prefix's DPI, seen from outside: the 96-dpi layout scaled as
// MulDiv rounds, each label as large as its text in the font its design names at that DPI, and
// no text cut or run into its neighbour. The same test runs at 96, 120, 144 and 192 dpi.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/AboutFMLayout.h"
#include "app/MainFMLayout.h"
#include "backup/RestoreFMLayout.h"
#include "e2e/dpi/DpiLayoutChecks.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "history/HistoryFMIds.h"
#include "support/system/Folders.h"
#include "support/system/Registry.h"
#include "ui/InputPromptLayout.h"
#include "ui/MessageBoxLayout.h"
#include "win/button/ThemeSwitch.h"

namespace tv::e2e {
namespace {

std::string FileName(const char* what, Dpi dpi) {
    return std::string(what) + "-" + std::to_string(dpi.Value()) + "dpi.bmp";
}

class DpiLayout : public testing::Test {
protected:
    void SetUp() override {
        DeleteGameKey();
        dpi_ = ExpectedDpi();
        std::printf("expected DPI: %d\n", dpi_.Value());
    }
    void TearDown() override { DeleteGameKey(); }

    void Start(const std::string& scratch) {
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }
    HWND Open(int button, const std::string& caption) {
        ClickButton(GetDlgItem(main_, button));
        return FindTopWindow(program_->Pid(), caption);
    }

    Dpi dpi_;
    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(DpiLayout, TheMainWindowIsItsDesignScaledToTheDpi) {
    Start("dpi-main");
    // (Asked from this process, Wine 8 gives another process's window the DPI the desktop started
    // with, not the one that process runs at: the layout itself tells the DPI the program used.)
    ExpectFormLaidOut(main_, mainfm::kDesign, dpi_, "main window");
    // The figures grow to the right (and the percentage to the left) without running into anything.
    ASSERT_TRUE(RegExeWriteFigures({-2147483647 - 1, 2147483647, 1000000, 999999, 123456, 0}));
    ASSERT_TRUE(WaitUntil([&] { return DlgItemText(main_, mainfm::IdLblWon) == "-2147483648"; }, 10000));
    ASSERT_TRUE(WaitUntil([&] { return DlgItemText(main_, mainfm::IdLblStreak) != "0"; }, 10000));
    ExpectFormLaidOut(main_, mainfm::kDesign, dpi_, "main window with long figures");
    SaveWindowScreenshot(main_, FileName("main-window", dpi_));
}

TEST_F(DpiLayout, TheMainWindowHasTheSameLayoutInBothLooks) {
    // Whatever happens below, the tests after this one see the classic look.
    struct ClassicAfterwards {
        ~ClassicAfterwards() { testing_theme::SetVisualStyle(false); }
    } classic_afterwards;
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    for (bool themed : {false, true}) {
        const std::string look = themed ? "themed" : "classic";
        ASSERT_TRUE(testing_theme::SetVisualStyle(themed));
        Start("dpi-main-" + look);
        ASSERT_TRUE(WaitUntil([&] { return DlgItemText(main_, mainfm::IdLblWon) == "57"; }, 10000));
        ExpectFormLaidOut(main_, mainfm::kDesign, dpi_, ("main window, " + look + " look").c_str());
        BringToFront(main_);
        Sleep(300);
        SaveWindowScreenshot(main_, FileName(("main-window-" + look).c_str(), dpi_));
        program_->Kill();
    }
}

TEST_F(DpiLayout, TheRestoreDialogAndItsList) {
    Start("dpi-restore");
    WriteWholeFile(program_->Folder() + "Robin_20050302_221530.reg",
                   "REGEDIT4\r\n\r\n"
                   "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell]\r\n"
                   "\"Won\"=hex:39,00,00,00\r\n\r\n");
    HWND dialog = Open(mainfm::IdBtnRestore, restorefm::kCaption);
    ASSERT_NE(dialog, nullptr);
    ExpectFormLaidOut(dialog, restorefm::kDesign, dpi_, "restore dialog");
    HWND list = GetDlgItem(dialog, restorefm::IdListBoxFiles);
    const UniqueFont font = DesignedFontAt(kRegularAndBoldFonts[kRegularFont], dpi_);
    const SIZE line = LineExtent(font.get(), "");
    const auto item_height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(item_height, restorefm::ListItemHeight(dpi_, line.cy));
    // The listed item's text fits the list.
    ASSERT_EQ(ListBoxItems(list).size(), 1u);
    const SIZE item = LineExtent(font.get(), ListBoxItems(list).front());
    RECT inside{};
    GetClientRect(list, &inside);
    EXPECT_LE(item.cx, inside.right) << ListBoxItems(list).front();
    std::printf("restore dialog at %d dpi: item height %d, \"%s\" %ld wide in a list %ld wide\n", dpi_.Value(),
                item_height, ListBoxItems(list).front().c_str(), item.cx, inside.right);
    SaveWindowScreenshot(dialog, FileName("restore-dialog", dpi_));
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(dialog));
}

// The History window's texts against each other and its controls: every label as wide as its text
// in the form font of the DPI and inside the client area, nothing overlapping.
void ExpectHistoryLaidOut(HWND history, Dpi dpi, const std::string& how) {
    const UniqueFont font = DesignedFontAt(kRegularAndBoldFonts[kRegularFont], dpi);
    std::vector<Box> boxes;
    for (HWND child : Children(history)) {
        if (!IsWindowVisible(child)) continue;
        const std::string text = WindowText(child);
        const bool is_label = ClassName(child) == "Static";
        LayoutRect rect = RectInParent(child);
        if (is_label) {
            const SIZE extent = LineExtent(font.get(), text);
            EXPECT_GE(rect.width, extent.cx) << how << ": \"" << text << "\" is cut";
            if (text.empty()) continue;
            rect.width = extent.cx;
        }
        boxes.push_back({text.empty() ? ClassName(child) : text, rect, is_label});
    }
    for (const std::string& collision : TextCollisions(boxes, ClientSizeOf(history)))
        ADD_FAILURE() << how << ": " << collision;
}

TEST_F(DpiLayout, TheHistoryWindowOpenedAndResized) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    Start("dpi-history");
    PostMessageA(main_, WM_SYSCOMMAND, mainfm::kSysCmdHistory, 0);
    HWND history = FindTopWindow(program_->Pid(), historyfm::kCaption);
    ASSERT_NE(history, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !DlgItemText(history, historyfm::IdFiguresFirst).empty(); }));
    ExpectHistoryLaidOut(history, dpi_, "as opened");
    SaveWindowScreenshot(history, FileName("history-window", dpi_));
    // Made as small as it goes, then larger: the chart takes the difference, nothing is cut.
    const SIZE opened = ClientSizeOf(history);
    const LayoutRect chart = RectInParent(GetDlgItem(history, historyfm::IdChart));
    SetWindowPos(history, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE least = ClientSizeOf(history);
    // (At 192 dpi the virtual desktop is not tall enough for more than the least height.)
    EXPECT_LT(least.cx, opened.cx);
    EXPECT_LE(least.cy, opened.cy);
    ExpectHistoryLaidOut(history, dpi_, "at its least size");
    SetWindowPos(history, nullptr, 0, 0, 900 * dpi_.Value() / 96, 700 * dpi_.Value() / 96, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE large = ClientSizeOf(history);
    const LayoutRect grown = RectInParent(GetDlgItem(history, historyfm::IdChart));
    EXPECT_EQ(grown.width - chart.width, large.cx - opened.cx);
    EXPECT_EQ(grown.height - chart.height, large.cy - opened.cy);
    ExpectHistoryLaidOut(history, dpi_, "enlarged");
    PostMessageA(history, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(history));
}

TEST_F(DpiLayout, TheAboutBoxWithItsIconInTheScaledSize) {
    Start("dpi-about");
    HWND about = Open(mainfm::IdBtnAbout, about::kCaption);
    ASSERT_NE(about, nullptr);
    ExpectFormLaidOut(about, aboutfm::kDesign, dpi_, "About box");
    SaveWindowScreenshot(about, FileName("about-box", dpi_));
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(about));
}

TEST_F(DpiLayout, TheClearConfirmationIsLaidOutInTheMessageFontOfTheDpi) {
    Start("dpi-clear");
    ClickButton(GetDlgItem(main_, mainfm::IdBtnClear));
    HWND box = FindDialog(program_->Pid(), "Confirm");
    ASSERT_NE(box, nullptr);
    // The layout worked out here in the system's message font at this DPI.
    const UniqueFont font = MessageFontAt(dpi_);
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const SelectGuard select(dc.get(), font.get());
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters{};
    GetTextExtentPoint32A(dc.get(), kLetters, 52, &letters);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    const DialogUnits du{AverageCharWidth(letters.cx), tm.tmHeight};
    const std::string text = MessageText(box);
    RECT measured{0, 0, TextWrapWidth(GetSystemMetrics(SM_CXSCREEN)), 0};
    DrawTextA(dc.get(), text.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    std::vector<int> captions;
    for (const char* caption : {"&Yes", "&No"}) {
        RECT r{0, 0, 0, 0};
        DrawTextA(dc.get(), caption, -1, &r, DT_CALCRECT | DT_SINGLELINE);
        captions.push_back(r.right);
    }
    const MessageBoxLayout expected =
        LayOutMessageBox(du, measured.right, measured.bottom, true, captions, false, dpi_);
    const SIZE client = ClientSizeOf(box);
    EXPECT_EQ(client.cx, expected.client_width);
    EXPECT_EQ(client.cy, expected.client_height);
    EXPECT_EQ(RectInParent(GetDlgItem(box, msgbox::kIdIcon)), *expected.icon);
    EXPECT_EQ(RectInParent(GetDlgItem(box, msgbox::kIdText)), expected.text_area);
    EXPECT_EQ(RectInParent(GetDlgItem(box, msgbox::kIdYes)), expected.buttons[0]);
    EXPECT_EQ(RectInParent(GetDlgItem(box, msgbox::kIdNo)), expected.buttons[1]);
    // Nothing runs into anything: the text, the icon, the buttons with their captions.
    std::vector<Box> boxes{{text, expected.text, true},
                           {"icon", *expected.icon},
                           {"&Yes", expected.buttons[0]},
                           {"&No", expected.buttons[1]}};
    for (const std::string& collision : TextCollisions(boxes, client)) ADD_FAILURE() << collision;
    for (int i = 0; i < 2; ++i) EXPECT_LE(captions[static_cast<std::size_t>(i)], expected.button_width);
    std::printf("Clear confirmation at %d dpi: message font %ld high, text %ld x %ld, buttons %d x %d\n", dpi_.Value(),
                tm.tmHeight, measured.right, measured.bottom, expected.button_width, expected.buttons[0].height);
    SaveWindowScreenshot(box, FileName("clear-confirmation", dpi_));
    EXPECT_TRUE(Answer(box, "&No"));
}

TEST_F(DpiLayout, TheBackupPromptIsLaidOutInTheFormFontOfTheDpi) {
    Start("dpi-prompt");
    HWND prompt = Open(mainfm::IdBtnBackup, "Backup");
    ASSERT_NE(prompt, nullptr);
    const UniqueFont font = DesignedFontAt(kFormFontDesign, dpi_);
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const SelectGuard select(dc.get(), font.get());
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters{};
    GetTextExtentPoint32A(dc.get(), kLetters, 52, &letters);
    const SIZE line = LineExtent(font.get(), "Please enter your name:");
    const InputPromptLayout expected = LayOutInputPrompt(DialogUnits{AverageCharWidth(letters.cx), line.cy}, dpi_);
    const SIZE client = ClientSizeOf(prompt);
    EXPECT_EQ(client.cx, expected.client_width);
    EXPECT_EQ(client.cy, expected.client_height);
    const LayoutRect text{expected.prompt_left, expected.prompt_top, line.cx, line.cy};
    EXPECT_EQ(RectInParent(FindChildByText(prompt, "Please enter your name:", "Static")), text);
    EXPECT_EQ(RectInParent(GetDlgItem(prompt, IDOK)), expected.ok);
    EXPECT_EQ(RectInParent(GetDlgItem(prompt, IDCANCEL)), expected.cancel);
    const LayoutRect& f = expected.field;
    HWND edit = FindChildByText(prompt, "", "Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(RectInParent(edit), (LayoutRect{f.left + kInputFieldBorder, f.top + kInputFieldBorder,
                                              f.width - 2 * kInputFieldBorder, f.height - 2 * kInputFieldBorder}));
    std::vector<Box> boxes{
        {"Please enter your name:", text, true}, {"field", f}, {"OK", expected.ok}, {"Cancel", expected.cancel}};
    for (const std::string& collision : TextCollisions(boxes, client)) ADD_FAILURE() << collision;
    SaveWindowScreenshot(prompt, FileName("backup-prompt", dpi_));
    EXPECT_TRUE(Answer(prompt, "Cancel"));
}

TEST_F(DpiLayout, TheGeneralErrorBoxShowsItsWholeText) {
    // The system lays out its own box at the program's DPI; the program only gives it the text.
    WriteGameValue("Won", REG_DWORD, {57, 0, 0, 0});  // a type the first read refuses
    program_ = std::make_unique<Program>(ScratchFolder("dpi-error"));
    ASSERT_TRUE(program_->Start());
    HWND box = FindDialog(program_->Pid(), "Tallyvane", 10000);
    ASSERT_NE(box, nullptr);
    const std::string text = MessageText(box);
    ASSERT_FALSE(text.empty());
    HWND label = FindChildByText(box, text, "Static");
    ASSERT_NE(label, nullptr);
    const UniqueFont font = MessageFontAt(dpi_);
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const SelectGuard select(dc.get(), font.get());
    const LayoutRect shown = RectInParent(label);
    RECT measured{0, 0, shown.width, 0};
    DrawTextA(dc.get(), text.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    EXPECT_LE(measured.right, shown.width) << text;
    EXPECT_LE(measured.bottom, shown.height) << text;
    SaveWindowScreenshot(box, FileName("general-error", dpi_));
    EXPECT_TRUE(PressDialogButton(box, IDOK));
    EXPECT_NE(program_->MainWindow(), nullptr);
}

}  // namespace
}  // namespace tv::e2e
