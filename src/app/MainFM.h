#pragma once
// The main window: the game's statistics and the seven commands.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ui/FormFont.h"
#include "ui/Label.h"
#include "history/JournalRecorder.h"
#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "stats/StatsRecord.h"

namespace tv {

class TRegMonitorThread;

class TMainForm {
public:
    explicit TMainForm(HINSTANCE instance);
    ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Creates and shows the window; false when the window cannot be created.
    bool Create(int show_command);
    HWND Handle() const { return wnd_; }

    // Re-reads and redisplays every figure.
    void RefreshDisplay();

    std::string GetPercentText(std::int32_t won, std::int32_t lost) const;
    std::string GetStreakText(std::int32_t stype, std::int32_t streak, std::int32_t lost) const;

    // Every message of the window, through the program's one window-procedure boundary.
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void WMRegMonitorChangeMessage();
    void CreateControls();
    // Fonts made and every control placed for dpi, at creation and on WM_DPICHANGED; returns
    // the client size.
    SIZE LayOut(Dpi dpi);
    void OnCreateLayOut();
    bool OnGetDpiScaledSize(WPARAM wp, LPARAM lp);
    void OnDpiChanged(WPARAM wp, LPARAM lp);
    void FormCreate();
    void FormDestroy();
    bool StartChangeMonitor();
    void ReadStatistics();
    void UpdateWinsNeeded();
    void WMRegMonitorChange();
    void TimerWin9xTimer();
    void OnCommand(int id);
    void OnActivate(bool active);

    void btnLaunchClick();
    void btnKillClick();
    void btnBackupClick();
    void btnRestoreClick();
    void btnClearClick();
    void btnExitClick();
    void btnAboutClick();

    HINSTANCE instance_;
    HWND wnd_ = nullptr;
    Dpi dpi_;  // of the monitor the window is on
    FormFonts fonts_;
    HWND focused_control_ = nullptr;  // given back the focus when the window is activated again

    // The labels the code writes; the fixed ones (Label14, Label1, ...) are only laid out.
    Label lblPercent, lblWon, lblLost, lblWins, lblLosses, lblStreak, lblNextUp;
    HWND btnLaunch = nullptr, btnKill = nullptr, btnBackup = nullptr, btnRestore = nullptr, btnClear = nullptr,
         btnExit = nullptr, btnAbout = nullptr;

    bool timer_enabled_ = false;  // TimerWin9x
    bool tick_error_open_ = false;  // a tick's General error box is showing
    std::unique_ptr<TRegMonitorThread> monitor_;  // the change monitor on the NT family
    int monitor_sends_ = 0;                       // WM_REGMONITORCHANGE handlings under way
    RawRecord raw_;
    DecodedRecord decoded_;
    std::string FBackupName;
    JournalRecorder journal_;  // the history file beside the program, fed by every refresh
};

}  // namespace tv
