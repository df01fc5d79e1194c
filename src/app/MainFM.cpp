#include "app/MainFM.h"

#include "app/AboutFM.h"
#include "app/MainFMIds.h"
#include "app/MainFMLayout.h"
#include "app/StartupTrace.h"
#include "app/UpdateSource.h"
#include "backup/AutomaticBackup.h"
#include "backup/BackupCommand.h"
#include "backup/RestoreFM.h"
#include "history/JournalFile.h"
#include "platform/GeneralError.h"
#include "platform/ProgramFolder.h"
#include "platform/ScopedFlag.h"
#include "process/GameNames.h"
#include "process/Launch.h"
#include "process/Toolz.h"
#include "stats/ClearCommand.h"
#include "stats/DerivedFigures.h"
#include "stats/RegMonitorMessage.h"
#include "stats/RegMonitorThread.h"
#include "stats/StatsStore.h"
#include "ui/HandCursor.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"

namespace tv {

using namespace mainfm;

namespace {

constexpr UINT_PTR kTimerWin9x = 1;
constexpr UINT kTimerWin9xInterval = 1000;
constexpr UINT_PTR kTimerJournal = 2;
constexpr DWORD kMonitorStartTimeout = 2000;
constexpr FormFrame kFrame{kWindowClass, kCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           "MAINICON"};

}  // namespace

TMainForm::TMainForm() : Form(kDesign), journal_(ProgramFolder() + kJournalFileName, kTimerJournal) {}

// Destroyed here, while FormDestroy can still stop the monitor.
TMainForm::~TMainForm() { Destroy(); }

bool TMainForm::Create(int show_command) { return Form::Create(kFrame, nullptr, show_command); }

LRESULT TMainForm::OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) {
    handled = true;
    switch (msg) {
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) != kSysCmdHistory) break;
            HistoryClick();
            return 0;
        case WM_TIMER:
            if (wp == kTimerWin9x) TimerWin9xTimer();
            if (wp == journal_.TimerId()) journal_.OnTimer();
            return 0;
        case WM_REGMONITORCHANGE:
            OnRegMonitorChange();
            return 0;
        default:
            break;
    }
    handled = false;
    return 0;
}

void TMainForm::OnRegMonitorChange() {
    // The monitor's worker waits in its send until this handling is over, error box included, so
    // the count covers the box: the error is shown here rather than at the window's boundary.
    ++monitor_sends_;
    try {
        WMRegMonitorChange();
    } catch (...) {
        ReportRefreshError();
    }
    --monitor_sends_;
}

HWND TMainForm::OnCreate() {
    HWND wnd = Handle();
    figures_ = FiguresPanel(wnd, IdLabel14);
    lblNextUp = Label(GetDlgItem(wnd, IdLblNextUp));

    // Created in tab order.
    const HFONT f = Font(kRegularFont);
    btnLaunch = CreatePushButton(wnd, {.id = IdBtnLaunch, .caption = "&Launch FreeCell"}, f);
    btnKill = CreatePushButton(wnd, {.id = IdBtnKill, .caption = "Cl&ose FreeCell"}, f);
    btnBackup = CreatePushButton(wnd, {.id = IdBtnBackup, .caption = "&Backup Stats"}, f);
    btnRestore = CreatePushButton(wnd, {.id = IdBtnRestore, .caption = "&Restore Stats..."}, f);
    btnClear = CreatePushButton(wnd, {.id = IdBtnClear, .caption = "&Clear Statistics"}, f);
    btnExit = CreatePushButton(wnd, {.id = IdBtnExit, .caption = "E&xit"}, f);
    btnAbout = CreatePushButton(wnd, {.id = IdBtnAbout, .caption = "&About..."}, f);
    return btnClear;  // the stored default; start-up moves it to btnLaunch
}

void TMainForm::OnDestroy() {
    FormDestroy();
    PostQuitMessage(0);
}

void TMainForm::FormCreate() {
    MarkStartupPhase(StartupPhase::WindowCreated);
    InstallSystemHandCursor();
    journal_.Attach(Handle());
    journal_.SetListener([this](const JournalEntry* entry) {
        if (history_ && history_->Handle()) history_->JournalAppended(entry);
    });
    // Below the system's own entries, after a separator.
    if (HMENU menu = GetSystemMenu(Handle(), FALSE)) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, kSysCmdHistory, kHistoryMenuText);
    }
    // Live updates start before the first read, so that no change between the two goes unseen,
    // and whatever that read finds: bad data fixed later must still reach the display.
    if (ChooseUpdateSource() != UpdateSource::ChangeMonitor || !StartChangeMonitor())
        timer_enabled_ = SetTimer(Handle(), kTimerWin9x, kTimerWin9xInterval, nullptr) != 0;
    try {
        RefreshDisplay();
        MarkStartupPhase(StartupPhase::FirstRefresh);
        SetActivationFocus(btnLaunch);
    } catch (...) {
        ReportRefreshError();
    }
}

bool TMainForm::StartChangeMonitor() {
    auto monitor = std::make_unique<TRegMonitorThread>();
    if (!monitor->Created()) return false;
    monitor->TargetWindow = Handle();
    monitor->KeyPath = kStatisticsKeyPath;
    monitor->RootKey = HKEY_CURRENT_USER;
    monitor->Start();
    monitor->WaitUntilWatching(kMonitorStartTimeout);
    monitor_ = std::move(monitor);
    return true;
}

void TMainForm::FormDestroy() {
    if (monitor_) {
        monitor_->Terminate();
        // Waiting for the worker delivers its last WM_REGMONITORCHANGE (the labels still exist).
        // Closed from within the handling of one of its sends (an error box of a refresh is open),
        // the worker cannot end before that handling returns: the destructor waits then instead.
        if (monitor_sends_ == 0) monitor_.reset();
    }
    if (timer_enabled_) {
        KillTimer(Handle(), kTimerWin9x);
        timer_enabled_ = false;
    }
    // Last, after the monitor's last notification: what waits to settle is written now.
    journal_.Flush();
}

void TMainForm::ReadStatistics() {
    if (!ReadStatisticsRecord(raw_)) return;  // key absent or unreadable: keep what is shown
    decoded_ = DecodeRawRecord(raw_);
    figures_.ShowCounts(decoded_);
}

void TMainForm::UpdateWinsNeeded() { lblNextUp.SetCaption(std::to_string(WinsNeeded(decoded_.Won, decoded_.Lost))); }

void TMainForm::RefreshDisplay() {
    ReadStatistics();
    figures_.ShowPercent(decoded_);
    UpdateWinsNeeded();
    // After the labels: the journal's write adds nothing to the time a change takes to show.
    journal_.Refreshed();
}

void TMainForm::WMRegMonitorChange() { RefreshDisplay(); }

void TMainForm::TimerWin9xTimer() {
    try {
        RefreshDisplay();
    } catch (...) {
        ReportRefreshError();
    }
}

void TMainForm::ReportRefreshError() {
    // Refreshes go on under an open error box, so the figures stay current; one that fails
    // meanwhile adds no box of its own: the next comes after this one is closed.
    if (refresh_error_open_) return;
    const ScopedFlag open(refresh_error_open_);
    ReportUnhandledException();
}

bool TMainForm::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IdBtnLaunch:
            btnLaunchClick();
            return true;
        case IdBtnKill:
            btnKillClick();
            return true;
        case IdBtnBackup:
            btnBackupClick();
            return true;
        case IdBtnRestore:
            btnRestoreClick();
            return true;
        case IdBtnClear:
            btnClearClick();
            return true;
        case IdBtnExit:
            btnExitClick();
            return true;
        case IdBtnAbout:
            btnAboutClick();
            return true;
        default:
            return false;
    }
}

void TMainForm::btnLaunchClick() {
    const LaunchResult result = LaunchFreeCell();
    if (result.outcome == LaunchOutcome::AlreadyRunning)
        ShowMessageBox(Handle(), kAlreadyRunningText, MsgKind::Information, Buttons(MsgButton::OK));
    else if (result.outcome == LaunchOutcome::NotFound)
        ShowMessageBox(Handle(), GameNotFoundText(result.folder), MsgKind::Warning, Buttons(MsgButton::OK));
}

void TMainForm::btnKillClick() { CloseFreeCell(Handle()); }

void TMainForm::btnBackupClick() {
    const BackupResult result = RunBackupCommand(Handle(), ProgramFolder(), FBackupName, raw_);
    if (result.outcome == BackupOutcome::Completed)
        ShowMessageBox(Handle(), kBackupCompletedText, MsgKind::Information, Buttons(MsgButton::OK));
    else if (result.outcome == BackupOutcome::Failed)
        ShowMessageBox(Handle(), BackupFailedText(result.error), MsgKind::Warning, Buttons(MsgButton::OK));
}

void TMainForm::btnRestoreClick() {
    TFormRestore form(raw_, ProgramFolder());
    if (form.ShowModal(Handle()) == IDOK) journal_.RestoreDone(form.RestoredFileName());
}

void TMainForm::btnClearClick() {
    if (ShowMessageBox(Handle(), kClearQuestion, MsgKind::Confirmation, MsgButton::Yes | MsgButton::No) !=
        MsgResult::Yes)
        return;
    // What is deleted is saved first, so that restoring that backup undoes the Clear.
    if (!BackUpBeforeOverwriting(Handle(), ProgramFolder(), OverwritingCommand::Clear)) return;
    // No refresh here: the deletions reach the display through the monitor or the timer.
    DeleteStatisticsValues();
    journal_.ClearDone();
}

void TMainForm::btnExitClick() { DestroyWindow(Handle()); }

void TMainForm::HistoryClick() {
    HistorySource source;
    source.journal_path = ProgramFolder() + kJournalFileName;
    source.folder = ProgramFolder();
    source.status = [this] { return journal_.Status(); };
    source.restored = [this](const std::string& detail) { journal_.RestoreDone(detail); };
    ShowHistoryWindow(history_, Handle(), std::move(source));
}

bool TMainForm::TranslateHistoryKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != 'H' || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_SHIFT) < 0)
        return false;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!root || (root != Handle() && !(history_ && root == history_->Handle()))) return false;
    HistoryClick();
    return true;
}

void TMainForm::btnAboutClick() {
    TAboutForm about;
    about.ShowModal(Handle());
}

}  // namespace tv
