#pragma once
// The restore dialog: lists the backup files, previews one, deletes them, restores one.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "backup/BackupFormat.h"
#include "platform/Subclass.h"
#include "stats/StatsRecord.h"
#include "ui/FiguresPanel.h"
#include "ui/Form.h"

namespace tv {

class TFormRestore : public Form {
public:
    // raw: the main window's Raw record, where a restore stages the values; folder: the program's
    // folder with its trailing separator.
    TFormRestore(RawRecord& raw, std::string folder);

    // IDOK after a restore, IDCANCEL otherwise.
    INT_PTR ShowModal(HWND owner);
    // After IDOK: the name of the backup file that was restored.
    const std::string& RestoredFileName() const { return restored_file_; }

    // ListBoxFiles' messages, before the list box's own procedure gets them.
    LRESULT HandleSubclassMessage(const Subclass<TFormRestore>& list_box, HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    HWND OnCreate() override;
    void OnCreated() override;
    SIZE LayOut(Dpi dpi) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override { FormDestroy(); }

private:
    void FormCreate();
    void FormDestroy();
    void ListBoxFilesClick();
    void ListBoxFilesKeyDown(WORD key);
    void btnDeleteClick();
    void btnOKClick();

    void ListBackups();
    // The listing followed by the selection rule; a name that does not decode skips the rule.
    void ListBackupsAndSelect();
    // Appends the item texts in list order, each carrying its index into FBackups.
    void AddListItems(const std::vector<std::string>& texts);
    void UpdatePreview();
    int SelectedEntry() const;  // index into FBackups, or -1 with nothing selected
    std::string SelectedFilePath() const;
    std::string SelectedDateText() const;
    std::string SelectedBackupName() const;
    void RemoveSelectedItem();
    // Asks a Yes/No question over the dialog with the dated or the dated-and-named text.
    bool Confirm(const char* dated, const char* dated_and_named) const;

    RawRecord& raw_;
    std::string folder_;
    std::vector<BackupEntry> FBackups;
    FiguresPanel preview_;
    std::string restored_file_;
    HWND ListBoxFiles = nullptr;
    std::optional<Subclass<TFormRestore>> list_box_keys_;  // Delete in the list
    HWND btnDelete = nullptr, btnOK = nullptr, btnCancel = nullptr;
};

}  // namespace tv
