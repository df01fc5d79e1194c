#include "app/MainFM.h"

#include "app/AboutFM.h"
#include "app/MainFMIds.h"
#include "app/MainFMLayout.h"
#include "app/UpdateSource.h"
#include "ui/FormFont.h"
#include "ui/FormPlacement.h"
#include "ui/HandCursor.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"
#include "backup/AutomaticBackup.h"
#include "backup/BackupCommand.h"
#include "backup/RestoreFM.h"
#include "history/JournalFile.h"
#include "platform/GeneralError.h"
#include "platform/ProgramFolder.h"
#include "platform/WindowDpi.h"
#include "platform/WindowProcedure.h"
#include "process/GameNames.h"
#include "process/Launch.h"
#include "process/Toolz.h"
#include "stats/ClearCommand.h"
#include "stats/DerivedFigures.h"
#include "stats/RegMonitorMessage.h"
#include "stats/RegMonitorThread.h"
#include "stats/StatsStore.h"
#include "widgets/button/FormButtons.h"

namespace tv {

using namespace mainfm;

namespace {

constexpr UINT_PTR kTimerWin9x = 1;
constexpr UINT kTimerWin9xInterval = 1000;
constexpr UINT_PTR kTimerJournal = 2;
constexpr DWORD kMonitorStartTimeout = 2000;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The client size of the window laid out at dpi.
SIZE ClientSizeAt(Dpi dpi) { return {dpi.Scale(kDesign.client_width), dpi.Scale(kDesign.client_height)}; }

}  // namespace

TMainForm::TMainForm(HINSTANCE instance)
    : instance_(instance), journal_(ProgramFolder() + kJournalFileName, kTimerJournal) {}

TMainForm::~TMainForm() {
    if (wnd_) DestroyWindow(wnd_);
}

bool TMainForm::Create(int show_command) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure<TMainForm>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, "MAINICON");
    if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc);

    // Sized for the system's DPI: once on its monitor the window takes that one's (WM_CREATE).
    const Dpi system = SystemDpi();
    const SIZE client = ClientSizeAt(system);
    const SIZE size = WindowSizeForClient(client.cx, client.cy, kWindowStyle, 0, system);
    wnd_ = CreateWindowExA(0, kWindowClass, kCaption, kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
                           nullptr, nullptr, instance_, this);
    if (!wnd_) return false;
    ShowWindow(wnd_, show_command);
    UpdateWindow(wnd_);
    return true;
}

std::string TMainForm::GetPercentText(std::int32_t won, std::int32_t lost) const { return tv::GetPercentText(won, lost); }

std::string TMainForm::GetStreakText(std::int32_t stype, std::int32_t streak, std::int32_t lost) const {
    return tv::GetStreakText(stype, streak, lost);
}

LRESULT TMainForm::HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE:
            wnd_ = wnd;
            break;
        case WM_CREATE:
            dpi_ = DpiOfWindow(wnd);
            CreateControls();
            OnCreateLayOut();
            FormCreate();
            return 0;
        case WM_GETDPISCALEDSIZE:
            return OnGetDpiScaledSize(wp, lp);
        case WM_DPICHANGED:
            OnDpiChanged(wp, lp);
            return 0;
        case WM_DESTROY:
            FormDestroy();
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            wnd_ = nullptr;
            break;
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wp) != WA_INACTIVE);
            return 0;
        case WM_TIMER:
            if (wp == kTimerWin9x) TimerWin9xTimer();
            if (wp == journal_.TimerId()) journal_.OnTimer();
            return 0;
        case WM_CTLCOLORSTATIC:
            return LabelColors(reinterpret_cast<HDC>(wp));
        case WM_SYSCOLORCHANGE:
            ForwardSysColorChange(wnd);
            return 0;
        case WM_REGMONITORCHANGE:
            WMRegMonitorChangeMessage();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

void TMainForm::WMRegMonitorChangeMessage() {
    // The monitor's worker waits in its send until this handling is over, error box included, so
    // the count covers the box: the error is shown here rather than at the window's boundary.
    ++monitor_sends_;
    try {
        WMRegMonitorChange();
    } catch (...) {
        ReportUnhandledException();
    }
    --monitor_sends_;
}

void TMainForm::CreateControls() {
    fonts_ = FormFonts::For(kDesign.fonts, dpi_);
    CreateLabels(wnd_, kLabels);
    lblPercent = Label(GetDlgItem(wnd_, IdLblPercent));
    lblWon = Label(GetDlgItem(wnd_, IdLblWon));
    lblLost = Label(GetDlgItem(wnd_, IdLblLost));
    lblWins = Label(GetDlgItem(wnd_, IdLblWins));
    lblLosses = Label(GetDlgItem(wnd_, IdLblLosses));
    lblStreak = Label(GetDlgItem(wnd_, IdLblStreak));
    lblNextUp = Label(GetDlgItem(wnd_, IdLblNextUp));

    // Created in tab order.
    const HFONT f = fonts_[kRegularFont];
    btnLaunch = CreatePushButton(wnd_, {.id = IdBtnLaunch, .caption = "&Launch FreeCell"}, f);
    btnKill = CreatePushButton(wnd_, {.id = IdBtnKill, .caption = "Cl&ose FreeCell"}, f);
    btnBackup = CreatePushButton(wnd_, {.id = IdBtnBackup, .caption = "&Backup Stats"}, f);
    btnRestore = CreatePushButton(wnd_, {.id = IdBtnRestore, .caption = "&Restore Stats..."}, f);
    btnClear = CreatePushButton(wnd_, {.id = IdBtnClear, .caption = "&Clear Statistics"}, f);
    btnExit = CreatePushButton(wnd_, {.id = IdBtnExit, .caption = "E&xit"}, f);
    btnAbout = CreatePushButton(wnd_, {.id = IdBtnAbout, .caption = "&About..."}, f);
    focused_control_ = btnClear;  // the stored default; start-up moves it to btnLaunch
}

SIZE TMainForm::LayOut(Dpi dpi) {
    const FormLayout layout = LayOutFormAt(wnd_, kDesign, dpi, fonts_);
    return SIZE{layout.client_width, layout.client_height};
}

void TMainForm::OnCreateLayOut() {
    // Sized for the system's DPI before it existed: the window takes its monitor's.
    const SIZE client = LayOut(dpi_);
    FitClientArea(wnd_, client.cx, client.cy);
}

bool TMainForm::OnGetDpiScaledSize(WPARAM wp, LPARAM lp) {
    // Asked before a move to a monitor of another scale: the size the layout will have there, so
    // that the suggested rectangle of the WM_DPICHANGED that follows needs no correction.
    const Dpi dpi(static_cast<int>(wp));
    return AnswerDpiScaledSize(wnd_, lp, ClientSizeAt(dpi), dpi);
}

void TMainForm::OnDpiChanged(WPARAM wp, LPARAM lp) {
    dpi_ = DpiFromMessage(wp);
    const SIZE client = LayOut(dpi_);
    FinishDpiChange(wnd_, lp, client.cx, client.cy);
}

void TMainForm::FormCreate() {
    InstallSystemHandCursor();
    journal_.Attach(wnd_);
    // Live updates start before the first read, so that no change between the two goes unseen,
    // and whatever that read finds: bad data fixed later must still reach the display.
    if (ChooseUpdateSource() != UpdateSource::ChangeMonitor || !StartChangeMonitor())
        timer_enabled_ = SetTimer(wnd_, kTimerWin9x, kTimerWin9xInterval, nullptr) != 0;
    try {
        RefreshDisplay();
        focused_control_ = btnLaunch;
    } catch (...) {
        ReportUnhandledException();
    }
}

bool TMainForm::StartChangeMonitor() {
    auto monitor = std::make_unique<TRegMonitorThread>();
    if (!monitor->Created()) return false;
    monitor->TargetWindow = wnd_;
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
        KillTimer(wnd_, kTimerWin9x);
        timer_enabled_ = false;
    }
    // Last, after the monitor's last notification: what waits to settle is written now.
    journal_.Flush();
}

void TMainForm::ReadStatistics() {
    if (!ReadStatisticsRecord(raw_)) return;  // key absent or unreadable: keep what is shown
    decoded_ = DecodeRawRecord(raw_);
    lblWon.SetCaption(std::to_string(decoded_.Won));
    lblLost.SetCaption(std::to_string(decoded_.Lost));
    lblWins.SetCaption(std::to_string(decoded_.Wins));
    lblLosses.SetCaption(std::to_string(decoded_.Losses));
    lblStreak.SetCaption(GetStreakText(decoded_.SType, decoded_.Streak, decoded_.Lost));
}

void TMainForm::UpdateWinsNeeded() {
    lblNextUp.SetCaption(std::to_string(WinsNeeded(decoded_.Won, decoded_.Lost)));
}

void TMainForm::RefreshDisplay() {
    ReadStatistics();
    lblPercent.SetCaption(GetPercentText(decoded_.Won, decoded_.Lost));
    UpdateWinsNeeded();
    // After the labels: the journal's write adds nothing to the time a change takes to show.
    journal_.Refreshed();
}

void TMainForm::WMRegMonitorChange() { RefreshDisplay(); }

void TMainForm::TimerWin9xTimer() {
    try {
        RefreshDisplay();
    } catch (...) {
        // Ticks go on under an open error box, so the figures stay current; one that fails
        // meanwhile adds no box of its own: one box at a time, the next after this one is closed.
        if (tick_error_open_) return;
        tick_error_open_ = true;
        struct ClearOnExit {
            bool& flag;
            ~ClearOnExit() { flag = false; }
        } clear_on_exit{tick_error_open_};
        ReportUnhandledException();
    }
}

void TMainForm::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(wnd_, focus)) focused_control_ = focus;
    } else if (focused_control_ && IsWindow(focused_control_)) {
        SetFocus(focused_control_);
    }
}

void TMainForm::OnCommand(int id) {
    switch (id) {
        case IdBtnLaunch: btnLaunchClick(); break;
        case IdBtnKill: btnKillClick(); break;
        case IdBtnBackup: btnBackupClick(); break;
        case IdBtnRestore: btnRestoreClick(); break;
        case IdBtnClear: btnClearClick(); break;
        case IdBtnExit: btnExitClick(); break;
        case IdBtnAbout: btnAboutClick(); break;
        default: break;
    }
}

void TMainForm::btnLaunchClick() {
    const LaunchResult result = LaunchFreeCell();
    if (result.outcome == LaunchOutcome::AlreadyRunning)
        ShowMessageBox(wnd_, kAlreadyRunningText, MsgKind::Information, Buttons(MsgButton::OK));
    else if (result.outcome == LaunchOutcome::NotFound)
        ShowMessageBox(wnd_, GameNotFoundText(result.folder), MsgKind::Warning, Buttons(MsgButton::OK));
}

void TMainForm::btnKillClick() { CloseFreeCell(wnd_); }

void TMainForm::btnBackupClick() {
    const BackupResult result = RunBackupCommand(wnd_, ProgramFolder(), FBackupName, raw_);
    if (result.outcome == BackupOutcome::Completed)
        ShowMessageBox(wnd_, kBackupCompletedText, MsgKind::Information, Buttons(MsgButton::OK));
    else if (result.outcome == BackupOutcome::Failed)
        ShowMessageBox(wnd_, BackupFailedText(result.error), MsgKind::Warning, Buttons(MsgButton::OK));
}

void TMainForm::btnRestoreClick() {
    TFormRestore form(raw_, ProgramFolder());
    if (form.ShowModal(wnd_) == IDOK) journal_.RestoreDone(form.RestoredFileName());
}

void TMainForm::btnClearClick() {
    if (ShowMessageBox(wnd_, kClearQuestion, MsgKind::Confirmation, MsgButton::Yes | MsgButton::No) != MsgResult::Yes)
        return;
    // What is deleted is saved first, so that restoring that backup undoes the Clear.
    if (!BackUpBeforeOverwriting(wnd_, ProgramFolder(), OverwritingCommand::Clear)) return;
    // No refresh here: the deletions reach the display through the monitor or the timer.
    DeleteStatisticsValues();
    journal_.ClearDone();
}

void TMainForm::btnExitClick() { DestroyWindow(wnd_); }

void TMainForm::btnAboutClick() {
    TAboutForm about;
    about.ShowModal(wnd_);
}

}  // namespace tv
