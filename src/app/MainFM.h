#pragma once
// The main window: the game's statistics and the seven commands.
#include <windows.h>

#include <memory>
#include <string>

#include "history/HistoryFM.h"
#include "history/JournalRecorder.h"
#include "stats/StatsRecord.h"
#include "ui/FiguresPanel.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace tv {

class TRegMonitorThread;

class TMainForm : public Form {
public:
    TMainForm();
    ~TMainForm() override;

    // Creates and shows the window; false when the window cannot be created.
    bool Create(int show_command);

    // Re-reads and redisplays every figure.
    void RefreshDisplay();

    // Ctrl+H in the main window or the History window opens the History window; true when msg
    // was that key, which then is not to be dispatched.
    bool TranslateHistoryKey(const MSG& msg);

protected:
    HWND OnCreate() override;
    void OnCreated() override { FormCreate(); }
    bool OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}  // Esc leaves the main window open
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnDestroy() override;

private:
    void OnRegMonitorChange();
    void FormCreate();
    void FormDestroy();
    bool StartChangeMonitor();
    void ReadStatistics();
    void UpdateWinsNeeded();
    void WMRegMonitorChange();
    void TimerWin9xTimer();
    // The General error box for the failure being handled, unless one of a refresh is already
    // open: a start-up's, a tick's or a change's box, one at a time.
    void ReportRefreshError();

    void btnLaunchClick();
    void btnKillClick();
    void btnBackupClick();
    void btnRestoreClick();
    void btnClearClick();
    void btnExitClick();
    void btnAboutClick();
    void HistoryClick();

    FiguresPanel figures_;
    Label lblNextUp;
    HWND btnLaunch = nullptr, btnKill = nullptr, btnBackup = nullptr, btnRestore = nullptr, btnClear = nullptr,
         btnExit = nullptr, btnAbout = nullptr;

    bool timer_enabled_ = false;                  // TimerWin9x
    bool refresh_error_open_ = false;             // a refresh's General error box is showing
    std::unique_ptr<TRegMonitorThread> monitor_;  // the change monitor on the NT family
    int monitor_sends_ = 0;                       // WM_REGMONITORCHANGE handlings under way
    RawRecord raw_;
    DecodedRecord decoded_;
    std::string FBackupName;
    JournalRecorder journal_;                // the history file beside the program, fed by every refresh
    std::unique_ptr<THistoryForm> history_;  // the History window, once opened
};

}  // namespace tv
