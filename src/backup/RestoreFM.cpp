#include "backup/RestoreFM.h"

#include "backup/BackupFiles.h"
#include "backup/BackupList.h"
#include "backup/BackupReader.h"
#include "backup/DateText.h"
#include "backup/RestoreCommand.h"
#include "backup/RestoreFMIds.h"
#include "backup/RestoreFMLayout.h"
#include "platform/GeneralError.h"
#include "platform/LocaleText.h"
#include "platform/TextFormat.h"
#include "platform/VisualStyles.h"
#include "stats/StatsStore.h"
#include "ui/LabelName.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"

namespace tv {

using namespace restorefm;

namespace {

std::string ListItemText(const BackupEntry& entry) {
    std::string text = DateText(entry.Stamp);
    if (!entry.BackupName.empty()) text += " - " + entry.BackupName;
    return text;
}

}  // namespace

TFormRestore::TFormRestore(RawRecord& raw, std::string folder) : Form(kDesign), raw_(raw), folder_(std::move(folder)) {}

INT_PTR TFormRestore::ShowModal(HWND owner) { return Form::ShowModal(owner, kCaption); }

HWND TFormRestore::OnCreate() {
    HWND wnd = Handle();
    const HFONT f = Font(kRegularFont);
    preview_ = FiguresPanel(wnd, IdLabel14);
    // Created in tab order: the list, Delete, OK, Cancel. The list's window text, which it never
    // paints, is its accessible name: its label's. The list follows the visual style.
    const VisualStyleScope visual_style;
    ListBoxFiles = CreateWindowExA(0, "LISTBOX", NameFromLabel(kLabel1Caption).c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                                       LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                   0, 0, 0, 0, wnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdListBoxFiles)),
                                   GetModuleHandleA(nullptr), nullptr);
    list_box_keys_.emplace(ListBoxFiles, *this);
    btnDelete = CreatePushButton(wnd, {.id = IdBtnDelete, .caption = "&Delete"}, f);
    btnOK = CreatePushButton(wnd, {.id = IdBtnOK, .caption = "&OK", .role = ButtonRole::Default}, f);
    btnCancel = CreatePushButton(wnd, {.id = IdBtnCancel, .caption = "&Cancel", .role = ButtonRole::Cancel}, f);
    return btnCancel;
}

void TFormRestore::OnCreated() {
    try {
        FormCreate();
    } catch (...) {
        // A name that does not decode ends the listing; the dialog still opens with what was listed.
        ReportUnhandledException();
    }
}

SIZE TFormRestore::LayOut(Dpi dpi) {
    const SIZE client = Form::LayOut(dpi);
    SendMessageA(ListBoxFiles, LB_SETITEMHEIGHT, 0, ListItemHeight(dpi, MeasureText(Font(kRegularFont), "").cy));
    return client;
}

void TFormRestore::FormCreate() { ListBackupsAndSelect(); }

void TFormRestore::FormDestroy() { FBackups.clear(); }

bool TFormRestore::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IdListBoxFiles:
            if (code == LBN_SELCHANGE) ListBoxFilesClick();
            return true;
        case IdBtnDelete:
            if (code == BN_CLICKED) btnDeleteClick();
            return true;
        case IDOK:
            if (code == BN_CLICKED) btnOKClick();
            return true;
        default:
            return false;  // IDCANCEL: the base closes with the result Cancel
    }
}

LRESULT TFormRestore::HandleSubclassMessage(const Subclass<TFormRestore>& list_box, HWND wnd, UINT msg, WPARAM wp,
                                            LPARAM lp) {
    // With Alt held the key arrives as a system key: Delete counts with any shift state.
    if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && wp == VK_DELETE) {
        ListBoxFilesKeyDown(static_cast<WORD>(wp));
        return 0;
    }
    return list_box.CallPrevious(wnd, msg, wp, lp);
}

void TFormRestore::ListBoxFilesKeyDown(WORD key) {
    if (key == VK_DELETE) btnDeleteClick();
}

void TFormRestore::ListBackups() {
    SendMessageA(ListBoxFiles, LB_RESETCONTENT, 0, 0);
    FBackups.clear();
    std::vector<std::string> texts;
    try {
        ListBackupFiles(folder_, [this, &texts](BackupEntry entry) {
            texts.push_back(ListItemText(entry));
            FBackups.push_back(std::move(entry));
        });
    } catch (...) {
        // The entries listed before a name that does not decode are still shown.
        AddListItems(texts);
        throw;
    }
    AddListItems(texts);
}

void TFormRestore::AddListItems(const std::vector<std::string>& texts) {
    // The list shows its items sorted by their text. They are sorted here and appended in that
    // order: a sorting list box compares and shifts its items for every one added, which takes
    // seconds for thousands of backups. The items go past the list's key handler, which has
    // nothing to do with them.
    const auto send = [this](UINT msg, WPARAM wp, LPARAM lp) {
        return list_box_keys_ ? list_box_keys_->SendPast(ListBoxFiles, msg, wp, lp)
                              : SendMessageA(ListBoxFiles, msg, wp, lp);
    };
    send(WM_SETREDRAW, FALSE, 0);
    send(LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(texts.size() * 40));
    for (std::size_t index : ListOrder(texts, SortKeyIgnoringCaseInLocale)) {
        const auto item = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[index].c_str()));
        if (item >= 0) send(LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(index));
    }
    send(WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ListBoxFiles, nullptr, TRUE);
}

void TFormRestore::ListBackupsAndSelect() {
    ListBackups();
    ListBoxFilesClick();
}

// The selection rule: also run at the end of every listing.
void TFormRestore::ListBoxFilesClick() {
    const bool selected = SelectedEntry() >= 0;
    EnableWindow(btnOK, selected);
    EnableWindow(btnDelete, IsWindowEnabled(btnOK));
    UpdatePreview();
}

void TFormRestore::UpdatePreview() {
    if (SelectedEntry() < 0) {
        preview_.ShowZeros();
        return;
    }
    preview_.Show(ReadBackupFigures(ReadBackupFile(SelectedFilePath()), EqualsIgnoringCaseInLocale));
}

int TFormRestore::SelectedEntry() const {
    const auto item = SendMessageA(ListBoxFiles, LB_GETCURSEL, 0, 0);
    if (item == LB_ERR) return -1;
    const auto index = SendMessageA(ListBoxFiles, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    if (index < 0 || static_cast<std::size_t>(index) >= FBackups.size()) return -1;
    return static_cast<int>(index);
}

std::string TFormRestore::SelectedFilePath() const { return folder_ + FBackups[SelectedEntry()].FileName; }

std::string TFormRestore::SelectedDateText() const { return DateText(FBackups[SelectedEntry()].Stamp); }

std::string TFormRestore::SelectedBackupName() const { return FBackups[SelectedEntry()].BackupName; }

void TFormRestore::RemoveSelectedItem() {
    const auto item = SendMessageA(ListBoxFiles, LB_GETCURSEL, 0, 0);
    if (item != LB_ERR) SendMessageA(ListBoxFiles, LB_DELETESTRING, static_cast<WPARAM>(item), 0);
}

bool TFormRestore::Confirm(const char* dated, const char* dated_and_named) const {
    const std::string name = SelectedBackupName();
    const std::string text =
        name.empty() ? FormatText(dated, SelectedDateText()) : FormatText(dated_and_named, {SelectedDateText(), name});
    return ShowMessageBox(Handle(), text, MsgKind::Confirmation, MsgButton::Yes | MsgButton::No) == MsgResult::Yes;
}

void TFormRestore::btnDeleteClick() {
    if (SelectedEntry() < 0) return;
    const std::string path = SelectedFilePath();
    if (!Confirm("Delete backup file dated \"%s\"?", "Delete backup file dated \"%s\" from %s?")) return;
    // A deletion that failed shows up again in the new listing.
    DeleteFileA(path.c_str());
    RemoveSelectedItem();
    ListBackupsAndSelect();
}

void TFormRestore::btnOKClick() {
    if (SelectedEntry() < 0) return;
    const std::string path = SelectedFilePath();
    const std::string file_name = FBackups[SelectedEntry()].FileName;
    if (!ConfirmRestore(Handle(), SelectedDateText(), SelectedBackupName())) return;
    ClearRawRecord(raw_);
    const DecodedRecord f = ReadBackupFigures(ReadBackupFile(path), EqualsIgnoringCaseInLocale);
    raw_[StatValue::Won] = IntegerToRawBytes(f.Won);
    raw_[StatValue::Lost] = IntegerToRawBytes(f.Lost);
    raw_[StatValue::Wins] = IntegerToRawBytes(f.Wins);
    raw_[StatValue::Losses] = IntegerToRawBytes(f.Losses);
    raw_[StatValue::Streak] = IntegerToRawBytes(f.Streak);
    raw_[StatValue::SType] = IntegerToRawBytes(f.SType);
    // A failure leaves the dialog open.
    if (!RestoreStatistics(Handle(), folder_, raw_)) return;
    restored_file_ = file_name;
    Close(IDOK);
}

}  // namespace tv
