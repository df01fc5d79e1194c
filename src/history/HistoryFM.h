#pragma once
// The History window: the chart of a range, the figures by period, every entry of the journal and
// of the backups beside the program, and any earlier state restored. Modeless, owned by the main
// window, one at a time.
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backup/BackupFormat.h"
#include "history/ChartPeriods.h"
#include "history/HistoryEntries.h"
#include "history/HistoryFMLayout.h"
#include "history/JournalRecorder.h"
#include "ui/Form.h"

namespace tv {

// What the window needs from the main window.
struct HistorySource {
    std::string journal_path;
    std::string folder;  // the backups' folder, with its trailing separator
    std::function<JournalStatus()> status;
    // After a restore from the window: the journal's restore entry, detail naming what was restored.
    std::function<void(const std::string& detail)> restored;
};

class THistoryForm : public Form {
public:
    explicit THistoryForm(HistorySource source);
    ~THistoryForm() override;

    bool Create(HWND owner);
    // An entry the journal has just appended, or nullptr when only its status has changed.
    void JournalAppended(const JournalEntry* entry);

protected:
    HWND OnCreate() override;
    void OnCreated() override;
    SIZE LayOut(Dpi dpi) override;
    SIZE ClientSizeAt(Dpi dpi) const override;
    SIZE MinimumClientSizeAt(Dpi dpi) const override;
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

private:
    void LoadJournal();
    void ReadSomeBackups();
    void MergeAgain();
    void ShowHistory();
    void SetFigureTexts();
    void SetStatusText();
    // Measures the texts again and makes room for them when they need another size.
    void Remeasure();
    void ShowChart();
    void PlaceAll(int client_width, int client_height);
    historyfm::TextNeeds MeasureTexts() const;
    ChartRange ChosenRange() const;
    std::vector<std::size_t> SelectedRows() const;
    void SetColumnWidths(Dpi dpi);

    LRESULT OnNotify(const NMHDR& header);
    void FillDisplayInfo(int row, int column, char* text, int size);
    void btnRestoreClick();
    void btnCopyClick();
    void RangeClick();
    void ChartPeriodChanged();

    HistorySource source_;
    std::vector<JournalEntry> journal_;
    std::vector<BackupSnapshot> backups_;
    std::vector<BackupEntry> backups_to_read_;
    std::size_t backups_read_ = 0;
    History history_;
    std::exception_ptr load_error_;
    historyfm::TextNeeds text_needs_;
    bool placed_ = false;

    HWND ranges_[4] = {};
    HWND chart_ = nullptr;
    HWND period_line_ = nullptr;
    std::vector<HWND> figures_;
    HWND list_ = nullptr;
    HWND status_ = nullptr;
    HWND btnRestore = nullptr, btnCopy = nullptr, btnClose = nullptr;
};

// The one History window of owner in window: made and shown on the first request and after it was
// closed, brought to the front otherwise.
void ShowHistoryWindow(std::unique_ptr<THistoryForm>& window, HWND owner, HistorySource source);

}  // namespace tv
