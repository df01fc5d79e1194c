// The restore dialog seen from outside: listing, preview, delete, restore.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <memory>

#include "app/MainFMIds.h"
#include "backup/RestoreFMIds.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "platform/Handles.h"
#include "support/system/Registry.h"

namespace tv::e2e {
namespace {

using namespace tv::restorefm;

std::vector<std::uint8_t> Bytes(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

void ExpectRegistryHolds(const GameFigures& f) {
    const std::pair<const char*, std::int32_t> values[] = {{"Won", f.Won},       {"Lost", f.Lost},
                                                           {"Wins", f.Wins},     {"Losses", f.Losses},
                                                           {"Streak", f.Streak}, {"SType", f.SType}};
    for (const auto& [name, value] : values) {
        DWORD type = 0;
        const auto stored = ReadGameValue(name, &type);
        ASSERT_TRUE(stored.has_value()) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY)) << name;
        EXPECT_EQ(*stored, Bytes(value)) << name;
    }
}

struct Preview {
    std::string won, lost, wins, losses, streak, percent;
    bool operator==(const Preview&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Preview& p) {
    return os << p.won << "/" << p.lost << "/" << p.wins << "/" << p.losses << "/" << p.streak << "/" << p.percent;
}

class RestoreDialog : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override { DeleteGameKey(); }

    void Start(const std::string& scratch, const std::vector<std::pair<std::string, std::string>>& files = {}) {
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        for (const auto& [name, text] : files) WriteWholeFile(program_->Folder() + name, text);
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }
    HWND Open() {
        ClickButton(GetDlgItem(main_, mainfm::IdBtnRestore));
        dialog_ = FindTopWindow(program_->Pid(), kCaption);
        if (dialog_) {
            list_ = GetDlgItem(dialog_, IdListBoxFiles);
            BringToFront(dialog_);
        }
        return dialog_;
    }
    Preview Shown() const {
        return {DlgItemText(dialog_, IdLblWon),    DlgItemText(dialog_, IdLblLost),
                DlgItemText(dialog_, IdLblWins),   DlgItemText(dialog_, IdLblLosses),
                DlgItemText(dialog_, IdLblStreak), DlgItemText(dialog_, IdLblPercent)};
    }
    bool OkEnabled() const { return IsWindowEnabled(GetDlgItem(dialog_, IDOK)) != FALSE; }
    bool DeleteEnabled() const { return IsWindowEnabled(GetDlgItem(dialog_, IdBtnDelete)) != FALSE; }
    HWND Confirmation() const { return FindDialog(program_->Pid(), "Confirm"); }
    std::string Folder() const { return program_->Folder(); }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
};

const Preview kZeros{"0", "0", "0", "0", "0", "0"};

TEST_F(RestoreDialog, AnEmptyFolderShowsAnEmptyListAndTheLayout) {
    Start("restore-empty");
    ASSERT_NE(Open(), nullptr);
    RECT client{};
    GetClientRect(dialog_, &client);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 233);
    ASSERT_NE(list_, nullptr);
    EXPECT_EQ(ClassName(list_), "ListBox");
    EXPECT_TRUE(ListBoxItems(list_).empty());
    EXPECT_FALSE(OkEnabled());
    EXPECT_FALSE(DeleteEnabled());
    EXPECT_EQ(Shown(), kZeros);
    // Cancel has the focus when the dialog opens.
    EXPECT_EQ(FocusedControl(dialog_), GetDlgItem(dialog_, IDCANCEL));
    struct Expect {
        int id;
        int x, y;
        const char* text;
    };
    for (const Expect& e :
         {Expect{IdLabel1, 12, 12, "Select backup to restore:"},
          Expect{IdListBoxFiles, 12, 30, "Select backup to restore"}, Expect{IdLabel14, 246, 30, "Totals"},
          Expect{IdLabel2, 270, 54, "Won"}, Expect{IdLblWon, 318, 54, "0"}, Expect{IdLabel3, 270, 70, "Lost"},
          Expect{IdLblLost, 318, 70, "0"}, Expect{IdLabel5, 246, 102, "Streaks"}, Expect{IdLabel6, 270, 126, "Wins"},
          Expect{IdLblWins, 318, 126, "0"}, Expect{IdLabel7, 270, 142, "Losses"}, Expect{IdLblLosses, 318, 142, "0"},
          Expect{IdLabel8, 270, 158, "Current"}, Expect{IdLblStreak, 318, 158, "0"},
          Expect{IdBtnDelete, 12, 196, "&Delete"}, Expect{IDOK, 216, 196, "&OK"},
          Expect{IDCANCEL, 300, 196, "&Cancel"}}) {
        HWND control = GetDlgItem(dialog_, e.id);
        ASSERT_NE(control, nullptr) << e.text;
        const POINT p = PositionInParent(control);
        EXPECT_EQ(p.x, e.x) << e.text;
        EXPECT_EQ(p.y, e.y) << e.text;
        EXPECT_EQ(WindowText(control), e.text);
    }
    const RECT list_rect = WindowRectOf(list_);
    EXPECT_EQ(list_rect.right - list_rect.left, 220);
    EXPECT_EQ(list_rect.bottom - list_rect.top, 145);
    // The percentage label ends at 362 and grows to the left.
    const RECT percent = WindowRectOf(GetDlgItem(dialog_, IdLblPercent));
    EXPECT_EQ(PositionInParent(GetDlgItem(dialog_, IdLblPercent)).x + (percent.right - percent.left), 362);
    SaveWindowScreenshot(dialog_, "restore-dialog-empty.bmp");
    // Esc closes it.
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(dialog_));
    // And the close box.
    ASSERT_NE(Open(), nullptr);
    PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(dialog_));
}

TEST_F(RestoreDialog, ListsPreviewsDeletesAndRestores) {
    Start("restore-flow", {{"Robin_20050302_221530.reg", BackupText({57, 43, 9, 6, 3, 1})},
                           {"20051001_080000.reg", BackupText({1, 2, 3, 4, 5, 0})},
                           {"Ann_B_20041231_000000.reg", BackupText({10, 0, 0, 0, 0, 2})}});
    ASSERT_FALSE(GameKeyExists());
    ASSERT_NE(Open(), nullptr);
    // Sorted by the text, not by date.
    EXPECT_EQ(ListBoxItems(list_),
              (std::vector<std::string>{"10/1/2005 8:00:00 AM", "12/31/2004 - Ann_B", "3/2/2005 10:15:30 PM - Robin"}));
    EXPECT_EQ(ListBoxSelection(list_), LB_ERR);
    EXPECT_FALSE(OkEnabled());
    EXPECT_FALSE(DeleteEnabled());
    EXPECT_EQ(Shown(), kZeros);
    ClickListBoxItem(list_, 2);
    EXPECT_TRUE(WaitUntil([&] { return Shown().won == "57"; })) << Shown();
    EXPECT_EQ(Shown(), (Preview{"57", "43", "9", "6", "3 wins", "57%"}));
    EXPECT_TRUE(OkEnabled());
    EXPECT_TRUE(DeleteEnabled());
    ClickListBoxItem(list_, 1);
    EXPECT_TRUE(WaitUntil([&] { return Shown().won == "10"; })) << Shown();
    EXPECT_EQ(Shown(), (Preview{"10", "0", "0", "0", "0", "100%"}));
    SaveWindowScreenshot(dialog_, "restore-dialog-preview.bmp");

    // The Delete key asks first; No keeps the file.
    ClickListBoxItem(list_, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown().won == "1"; })) << Shown();
    PressKey(VK_DELETE);
    HWND box = Confirmation();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Delete backup file dated \"10/1/2005 8:00:00 AM\"?");
    ASSERT_TRUE(Answer(box, "&No"));
    EXPECT_EQ(ListBoxItems(list_).size(), 3u);
    EXPECT_EQ(FilesMatching(Folder(), "20051001_080000.reg").size(), 1u);
    // Yes deletes it and lists afresh, with nothing selected.
    BringToFront(dialog_);
    SetForegroundWindow(dialog_);
    PressKey(VK_DELETE);
    box = Confirmation();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(list_).size() == 2; }));
    EXPECT_TRUE(FilesMatching(Folder(), "20051001_080000.reg").empty());
    EXPECT_EQ(ListBoxSelection(list_), LB_ERR);
    EXPECT_FALSE(OkEnabled());
    EXPECT_FALSE(DeleteEnabled());
    EXPECT_EQ(Shown(), kZeros);

    // The Delete button names the backup.
    ClickListBoxItem(list_, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown().won == "10"; })) << Shown();
    ClickButton(GetDlgItem(dialog_, IdBtnDelete));
    box = Confirmation();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Delete backup file dated \"12/31/2004\" from Ann_B?");
    ASSERT_TRUE(Answer(box, "&No"));

    // Restore: No keeps the dialog open and writes nothing.
    ClickListBoxItem(list_, 1);
    ASSERT_TRUE(WaitUntil([&] { return Shown().won == "57"; })) << Shown();
    ClickButton(GetDlgItem(dialog_, IDOK));
    box = Confirmation();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Restore backup file dated \"3/2/2005 10:15:30 PM\" from Robin?");
    ASSERT_TRUE(Answer(box, "&No"));
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_FALSE(GameKeyExists());
    // Yes creates the key, writes the values and closes the dialog.
    ClickButton(GetDlgItem(dialog_, IDOK));
    box = Confirmation();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    EXPECT_TRUE(WaitForWindowGone(dialog_));
    ExpectRegistryHolds({57, 43, 9, 6, 3, 1});
    // The change monitor brings the restored figures to the main window; nothing else refreshes it.
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(main_, mainfm::IdLblWon) == "57"; }, 10000));
    EXPECT_EQ(DlgItemText(main_, mainfm::IdLblLost), "43");
    EXPECT_EQ(DlgItemText(main_, mainfm::IdLblPercent), "57%");
    EXPECT_EQ(DlgItemText(main_, mainfm::IdLblStreak), "3 wins");
}

TEST_F(RestoreDialog, ANameThatDoesNotDecodeIsReportedAndTheDialogStillOpens) {
    Start("restore-bad-name", {{"Robin_20051302_221530.reg", BackupText({57, 43, 9, 6, 3, 1})}});
    ClickButton(GetDlgItem(main_, mainfm::IdBtnRestore));
    HWND box = FindDialog(program_->Pid(), "Tallyvane");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Invalid argument to date encode.");
    ASSERT_TRUE(Answer(box, "OK"));
    dialog_ = FindTopWindow(program_->Pid(), kCaption);
    ASSERT_NE(dialog_, nullptr);
    list_ = GetDlgItem(dialog_, IdListBoxFiles);
    EXPECT_TRUE(ListBoxItems(list_).empty());
    // The selection rule has not run: the buttons keep their design state, the labels their captions.
    EXPECT_TRUE(OkEnabled());
    EXPECT_TRUE(DeleteEnabled());
    EXPECT_EQ(DlgItemText(dialog_, IdLblPercent), "%");
    // With nothing selected, OK does nothing.
    ClickButton(GetDlgItem(dialog_, IDOK));
    EXPECT_EQ(FindTopWindow(program_->Pid(), "Confirm", 500), nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_FALSE(GameKeyExists());
}

TEST_F(RestoreDialog, AFileThatFailsToReadAtTheRestoreWritesNothingAndTheDialogStays) {
    ASSERT_TRUE(RegExeWriteFigures({120, 80, 11, 4, 2, 0}));
    std::string bad = BackupText({57, 43, 9, 6, 3, 1});
    bad.replace(bad.find("\"Lost\"=hex:2B"), 13, "\"Lost\"=hex:zz");
    Start("restore-read-fails",
          {{"Bad_20050302_221530.reg", bad}, {"Robin_20050302_221530.reg", BackupText({57, 43, 9, 6, 3, 1})}});
    auto restore_fails_with = [&](const std::string& message) {
        ClickButton(GetDlgItem(dialog_, IDOK));
        HWND box = Confirmation();
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(Answer(box, "&Yes"));
        HWND error = FindDialog(program_->Pid(), "Tallyvane");
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(MessageText(error), message);
        ASSERT_TRUE(Answer(error, "OK"));
        EXPECT_TRUE(IsWindowVisible(dialog_));
        ExpectRegistryHolds({120, 80, 11, 4, 2, 0});
    };

    // A value that does not convert: the preview says so first, and the restore again.
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ListBoxItems(list_),
              (std::vector<std::string>{"3/2/2005 10:15:30 PM - Bad", "3/2/2005 10:15:30 PM - Robin"}));
    ClickListBoxItem(list_, 0);
    HWND preview_error = FindDialog(program_->Pid(), "Tallyvane");
    ASSERT_NE(preview_error, nullptr);
    EXPECT_EQ(MessageText(preview_error), "'$000000zz' is not a valid integer value.");
    ASSERT_TRUE(Answer(preview_error, "OK"));
    ASSERT_TRUE(OkEnabled());
    restore_fails_with("'$000000zz' is not a valid integer value.");
    PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitForWindowGone(dialog_));

    // Gone between the preview and the restore.
    ASSERT_TRUE(DeleteFileA((Folder() + "Bad_20050302_221530.reg").c_str()));
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ListBoxItems(list_), (std::vector<std::string>{"3/2/2005 10:15:30 PM - Robin"}));
    ClickListBoxItem(list_, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown().won == "57"; })) << Shown();
    ASSERT_TRUE(DeleteFileA((Folder() + "Robin_20050302_221530.reg").c_str()));
    restore_fails_with("Cannot open file " + Folder() + "Robin_20050302_221530.reg.");
}

TEST_F(RestoreDialog, ARegistryEditorExportPreviewsAndRestoresItsValues) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, -6, 300, 1}));
    Start("restore-regedit");
    const std::string path = Folder() + "Exported_20050302_221530.reg";
    // Appended piece by piece: GCC 12 warns falsely about a chain of + here.
    std::string command = "\"";
    for (const std::string& part : {WindowsFolder(), std::string("regedit.exe\" /e \""), path,
                                    std::string("\" \"HKEY_CURRENT_USER\\"), std::string(kGameKey), std::string("\"")})
        command += part;
    ASSERT_EQ(RunAndWait(command), 0);
    ASSERT_EQ(ReadWholeFile(path).substr(0, 2), "\xFF\xFE");
    DeleteGameKey();
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(ListBoxItems(list_), (std::vector<std::string>{"3/2/2005 10:15:30 PM - Exported"}));
    ClickListBoxItem(list_, 0);
    EXPECT_TRUE(WaitUntil([&] { return Shown().won == "57"; })) << Shown();
    EXPECT_EQ(Shown(), (Preview{"57", "43", "9", "-6", "300 wins", "57%"}));
    ClickButton(GetDlgItem(dialog_, IDOK));
    HWND box = Confirmation();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    EXPECT_TRUE(WaitForWindowGone(dialog_));
    ExpectRegistryHolds({57, 43, 9, -6, 300, 1});
}

TEST_F(RestoreDialog, DeleteWithAltHeldAsksLikeDelete) {
    Start("restore-alt-delete", {{"Robin_20050302_221530.reg", BackupText({57, 43, 9, 6, 3, 1})}});
    ASSERT_NE(Open(), nullptr);
    ClickListBoxItem(list_, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown().won == "57"; })) << Shown();
    PressKey(VK_DELETE, /*alt=*/true);
    HWND box = Confirmation();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "Delete backup file dated \"3/2/2005 10:15:30 PM\" from Robin?");
    ASSERT_TRUE(Answer(box, "&No"));
    EXPECT_EQ(FilesMatching(Folder(), "Robin_20050302_221530.reg").size(), 1u);
}

// The platform names a list after the label before it; an accessibility client reads that name.
TEST_F(RestoreDialog, TheListIsNamedAfterItsLabel) {
    Start("restore-list-name");
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    {
        UniqueCom<IAccessible> accessible;
        ASSERT_EQ(
            AccessibleObjectFromWindow(list_, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, accessible.put_void()),
            S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
        EXPECT_STREQ(name ? name : L"", L"Select backup to restore");
        SysFreeString(name);
    }
    CoUninitialize();
}

// A key that cannot be created: below a volatile key the registry refuses a lasting one.
class VolatileAppletsKey {
public:
    static constexpr const char* kApplets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets";
    VolatileAppletsKey() {
        RegDeleteTreeA(HKEY_CURRENT_USER, kApplets);
        HKEY key = nullptr;
        created_ = RegCreateKeyExA(HKEY_CURRENT_USER, kApplets, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                                   nullptr, &key, nullptr) == ERROR_SUCCESS;
        if (key) RegCloseKey(key);
    }
    ~VolatileAppletsKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kApplets); }
    bool Created() const { return created_; }

private:
    bool created_ = false;
};

TEST_F(RestoreDialog, ARestoreThatCannotCreateTheKeyIsReportedAndTheDialogStaysOpen) {
    Start("restore-no-key", {{"Robin_20050302_221530.reg", BackupText({57, 43, 9, 6, 3, 1})}});
    const VolatileAppletsKey applets;
    ASSERT_TRUE(applets.Created());
    ASSERT_NE(Open(), nullptr);
    ClickListBoxItem(list_, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown().won == "57"; })) << Shown();
    ClickButton(GetDlgItem(dialog_, IDOK));
    HWND box = Confirmation();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "&Yes"));
    box = FindDialog(program_->Pid(), "Warning");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box),
              "Could not restore statistics.\r\nCannot create key "
              "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\FreeCell");
    ASSERT_TRUE(Answer(box, "OK"));
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_FALSE(GameKeyExists());
}

}  // namespace
}  // namespace tv::e2e
