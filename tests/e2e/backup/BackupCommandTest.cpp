// The backup command seen from outside: the name prompt, the file it writes, its messages.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "app/MainFMIds.h"
#include "e2e/backup/BackupSupport.h"
#include "e2e/driver/Dialogs.h"
#include "e2e/driver/Driver.h"
#include "e2e/driver/Screenshot.h"
#include "shared/WorkedExample.h"
#include "support/system/Registry.h"
#include "ui/InputPrompt.h"

namespace tv::e2e {
namespace {

using namespace tv::mainfm;
using namespace tv::inputprompt;

const std::string& kExampleFile = tv::testdata::kWorkedExampleFile;

bool IsStampTail(const std::string& name, std::size_t from) {
    if (name.size() != from + 19) return false;
    for (std::size_t i = 0; i < 15; ++i) {
        const char c = name[from + i];
        if (i == 8 ? c != '_' : (c < '0' || c > '9')) return false;
    }
    return name.substr(from + 15) == ".reg";
}

class BackupCommand : public testing::Test {
protected:
    void SetUp() override { DeleteGameKey(); }
    void TearDown() override { DeleteGameKey(); }

    void Start(const std::string& scratch) {
        program_ = std::make_unique<Program>(ScratchFolder(scratch));
        ASSERT_TRUE(program_->Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
    }
    HWND OpenPrompt() {
        ClickButton(GetDlgItem(main_, IdBtnBackup));
        HWND prompt = FindTopWindow(program_->Pid(), "Backup");
        if (prompt) BringToFront(prompt);
        return prompt;
    }
    // Types a name into the prompt, confirms with Enter and returns the message box that follows.
    HWND BackUpAs(const std::string& name, const char* box_caption) {
        HWND prompt = OpenPrompt();
        if (!prompt) return nullptr;
        TypeText(name);
        PressKey(VK_RETURN);
        WaitForWindowGone(prompt);
        return FindDialog(program_->Pid(), box_caption);
    }
    std::string Folder() const { return program_->Folder(); }

    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

TEST_F(BackupCommand, WritesTheFileUnderTheTrimmedNameAndOffersTheNameNextTime) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    Start("backup-trimmed");
    HWND prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(DlgItemText(prompt, IdPrompt), "Please enter your name:");
    EXPECT_EQ(DlgItemText(prompt, IdEdit), "");
    EXPECT_EQ(DlgItemText(prompt, IDOK), "OK");
    EXPECT_EQ(DlgItemText(prompt, IDCANCEL), "Cancel");
    EXPECT_EQ(SendMessageA(GetDlgItem(prompt, IdEdit), EM_GETLIMITTEXT, 0, 0), 255);
    TypeText("  Robin  ");
    SaveWindowScreenshot(prompt, "backup-prompt.bmp");
    PressKey(VK_RETURN);
    HWND box = FindDialog(program_->Pid(), "Information");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), "FreeCell statistics backup completed.");
    ASSERT_TRUE(Answer(box, "OK"));

    const auto files = FilesMatching(Folder(), "*.reg");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].substr(0, 6), "Robin_");
    EXPECT_TRUE(IsStampTail(files[0], 6)) << files[0];
    EXPECT_EQ(ReadWholeFile(Folder() + files[0]), kExampleFile);

    // The second backup offers the trimmed name, all of it selected: typing replaces it.
    prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(DlgItemText(prompt, IdEdit), "Robin");
    const auto selection = static_cast<DWORD>(SendMessageA(GetDlgItem(prompt, IdEdit), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 5);
    TypeText("Ann");
    PressKey(VK_RETURN);
    box = FindDialog(program_->Pid(), "Information");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "OK"));
    const auto ann = FilesMatching(Folder(), "Ann_*.reg");
    ASSERT_EQ(ann.size(), 1u);
    EXPECT_EQ(ReadWholeFile(Folder() + ann[0]), kExampleFile);
    EXPECT_EQ(FilesMatching(Folder(), "*.reg").size(), 2u);
}

TEST_F(BackupCommand, ABlankNameGivesTheTimestampAlone) {
    ASSERT_TRUE(RegExeWriteFigures({-1, 300, 0, 0, 0, 2}));
    Start("backup-blank");
    HWND box = BackUpAs("   ", "Information");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "OK"));
    const auto files = FilesMatching(Folder(), "*.reg");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(IsStampTail(files[0], 0)) << files[0];
    const std::string text = ReadWholeFile(Folder() + files[0]);
    EXPECT_NE(text.find("\"Won\"=hex:FF,FF,FF,FF\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Lost\"=hex:2C,01,00,00\r\n"), std::string::npos);
}

TEST_F(BackupCommand, AMissingSTypeIsWrittenAsFourZeroBytes) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    ASSERT_EQ(RegDeleteKeyValueA(HKEY_CURRENT_USER, kGameKey, "SType"), ERROR_SUCCESS);
    Start("backup-no-stype");
    // The window shows the missing kind as a plain number; the backup does not preset it.
    EXPECT_EQ(DlgItemText(main_, IdLblStreak), "3");
    HWND box = BackUpAs("Robin", "Information");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(Answer(box, "OK"));
    const auto files = FilesMatching(Folder(), "Robin_*.reg");
    ASSERT_EQ(files.size(), 1u);
    std::string expected = kExampleFile;
    const std::string stype = "\"SType\"=hex:01,00,00,00";
    expected.replace(expected.find(stype), stype.size(), "\"SType\"=hex:00,00,00,00");
    EXPECT_EQ(ReadWholeFile(Folder() + files[0]), expected);
}

bool PutClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool ok = false;
    if (data) {
        std::memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
        GlobalUnlock(data);
        ok = SetClipboardData(CF_TEXT, data) != nullptr;
        if (!ok) GlobalFree(data);
    }
    CloseClipboard();
    return ok;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST_F(BackupCommand, PastingAMultiLineTextGivesOneLine) {
    Start("backup-paste");
    ASSERT_TRUE(PutClipboardText("Rob\r\nin\nHood\r"));
    HWND prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    PressKey('V', false, false, true);
    EXPECT_TRUE(WaitUntil([&] { return DlgItemText(prompt, IdEdit) == "RobinHood"; })) << DlgItemText(prompt, IdEdit);
    EXPECT_EQ(ClipboardText(), "RobinHood");  // written back shortened
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(prompt));
}

TEST_F(BackupCommand, CancelWritesNothingAndKeepsTheName) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    Start("backup-cancel");
    HWND prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    TypeText("Robin");
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(prompt));
    // The close box counts as Cancel too.
    prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(DlgItemText(prompt, IdEdit), "");
    TypeText("Robin");
    PostMessageA(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(prompt));
    prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    ClickButton(GetDlgItem(prompt, IDCANCEL));
    EXPECT_TRUE(WaitForWindowGone(prompt));
    Sleep(500);
    EXPECT_TRUE(FilesMatching(Folder(), "*.reg").empty());
    EXPECT_EQ(FindTopWindow(program_->Pid(), "Information", 200), nullptr);
}

TEST_F(BackupCommand, WithoutTheGameKeyNothingHappens) {
    Start("backup-no-key");
    HWND prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    TypeText("Robin");
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForWindowGone(prompt));
    EXPECT_EQ(FindTopWindow(program_->Pid(), "Information", 1500), nullptr);
    EXPECT_EQ(FindTopWindow(program_->Pid(), "Warning", 100), nullptr);
    EXPECT_TRUE(FilesMatching(Folder(), "*.reg").empty());
    // The name was still taken.
    prompt = OpenPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(DlgItemText(prompt, IdEdit), "Robin");
    PressKey(VK_ESCAPE);
}

TEST_F(BackupCommand, ANameThatPointsElsewhereIsRefused) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    Start("backup-separator");
    ASSERT_TRUE(CreateDirectoryA((Folder() + "sub").c_str(), nullptr));
    for (const std::string name : {"sub\\Robin", "..\\Robin", "sub/Robin", "C:Robin"}) {
        HWND box = BackUpAs(name, "Warning");
        ASSERT_NE(box, nullptr) << name;
        const std::string text = MessageText(box);
        const std::string expected_start =
            "Could not backup statistics.\r\nCannot create file " + Folder() + name + "_";
        EXPECT_EQ(text.substr(0, expected_start.size()), expected_start) << text;
        EXPECT_EQ(text.substr(text.size() - 4), ".reg");
        ASSERT_TRUE(Answer(box, "OK"));
    }
    EXPECT_TRUE(FilesMatching(Folder(), "*.reg").empty());
    EXPECT_TRUE(FilesMatching(Folder() + "sub\\", "*.reg").empty());
    EXPECT_TRUE(FilesMatching(Folder() + "..\\", "Robin_*.reg").empty());
}

TEST_F(BackupCommand, ANameTheFileSystemRejectsIsReported) {
    ASSERT_TRUE(RegExeWriteFigures({57, 43, 9, 6, 3, 1}));
    Start("backup-bad-name");
    HWND box = BackUpAs("Rob?in", "Warning");
    ASSERT_NE(box, nullptr);
    const std::string expected_start = "Could not backup statistics.\r\nCannot create file " + Folder() + "Rob?in_";
    EXPECT_EQ(MessageText(box).substr(0, expected_start.size()), expected_start);
    ASSERT_TRUE(Answer(box, "OK"));
    EXPECT_TRUE(FilesMatching(Folder(), "*.reg").empty());
    EXPECT_TRUE(FilesMatching(Folder(), "*.tmp").empty());  // nothing left beside it
}

}  // namespace
}  // namespace tv::e2e
