#include "history/HistoryFM.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <exception>
#include <utility>

#include "backup/BackupFiles.h"
#include "backup/RestoreCommand.h"
#include "history/HistoryChart.h"
#include "history/HistoryFMIds.h"
#include "history/HistoryFigureLines.h"
#include "history/HistoryFiles.h"
#include "history/HistoryLocale.h"
#include "history/HistoryRows.h"
#include "history/HistoryText.h"
#include "platform/Clipboard.h"
#include "platform/CommonControls.h"
#include "platform/Error.h"
#include "platform/GeneralError.h"
#include "platform/Handles.h"
#include "platform/VisualStyles.h"
#include "platform/WideText.h"
#include "platform/WindowText.h"
#include "ui/FormPlacement.h"
#include "ui/Label.h"
#include "ui/PushButton.h"
#include "widgets/button/VtPopBtn.h"

namespace tv {

using namespace historyfm;

namespace {

// Posted to itself while backups are still to be read: the window shows before they are all in.
constexpr UINT kReadBackupsMessage = WM_APP + 1;
// How long one round of reading backups may hold the window before it answers the user again.
constexpr auto kReadingSlice = std::chrono::milliseconds(60);

constexpr FormFrame kFrame{kWindowClass, kCaption,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                           "MAINICON"};

constexpr int kRangeIds[] = {IdRange7Days, IdRange30Days, IdRange12Months, IdRangeAll};
constexpr const char* kRangeCaptions[] = {"7 days", "30 days", "12 months", "All"};
constexpr ChartRange kRanges[] = {ChartRange::Days7, ChartRange::Days30, ChartRange::Months12, ChartRange::All};
constexpr int kRangeGroup = 1;

// The list's columns at 96 dpi, in kHistoryColumnTitles' order.
constexpr int kColumnWidths[] = {140, 150, 60, 60, 75, 60};
static_assert(std::size(kColumnWidths) == kHistoryColumnTitles.size());

constexpr std::size_t kFigureLines = 7;

void Place(HWND control, const LayoutRect& rect, HFONT font) { PlaceControl(control, rect, font); }

}  // namespace

THistoryForm::THistoryForm(HistorySource source)
    : Form(FormDesign{0, 0, kRegularAndBoldFonts, {}, {}}), source_(std::move(source)) {}

THistoryForm::~THistoryForm() { Destroy(); }

bool THistoryForm::Create(HWND owner) { return Form::Create(kFrame, owner, SW_SHOWNORMAL); }

HWND THistoryForm::OnCreate() {
    HWND wnd = Handle();
    const HFONT f = Font(kRegularFont);
    // Created in tab order.
    for (std::size_t i = 0; i < std::size(kRangeIds); ++i) {
        ranges_[i] = CreatePushButton(wnd, {.id = kRangeIds[i], .caption = kRangeCaptions[i]}, f);
        if (auto* button = TCustomVtPopupButton::FromHandle(ranges_[i])) {
            button->SetIsSwitch(true);
            button->SetGroupIndex(kRangeGroup);
            button->SetDown(kRanges[i] == ChartRange::Days30);
        }
    }
    chart_ = HistoryChart::Create(wnd, IdChart, RECT{});
    period_line_ = CreateLabel(wnd, IdPeriodLine, "");
    for (std::size_t i = 0; i < kFigureLines; ++i)
        figures_.push_back(CreateLabel(wnd, IdFiguresFirst + static_cast<int>(i), ""));
    {
        // The list follows the visual style; its window text, which it never paints, is its name.
        const VisualStyleScope visual_style;
        comctl::InitCommonControls(ICC_LISTVIEW_CLASSES);
        list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "Entries",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0,
                                0, 0, 0, wnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdList)),
                                GetModuleHandleA(nullptr), nullptr);
    }
    if (!list_) throw TvError("Cannot create the list of entries");
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < kHistoryColumnTitles.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = i >= 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = kColumnWidths[i];
        column.pszText = const_cast<char*>(kHistoryColumnTitles[i]);
        SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    status_ = CreateLabel(wnd, IdStatus, "");
    btnRestore = CreatePushButton(wnd, {.id = IdBtnRestore, .caption = "&Restore..."}, f);
    btnCopy = CreatePushButton(wnd, {.id = IdBtnCopy, .caption = "&Copy"}, f);
    btnClose = CreatePushButton(wnd, {.id = IdBtnClose, .caption = "Close", .role = ButtonRole::Cancel}, f);
    EnableWindow(btnRestore, FALSE);
    // Read before the first layout, so that the window opens at a size that fits the figures.
    try {
        LoadJournal();
    } catch (...) {
        load_error_ = std::current_exception();
    }
    SetFigureTexts();
    SetStatusText();
    text_needs_ = MeasureTexts();
    return list_;
}

void THistoryForm::OnCreated() {
    if (load_error_) {
        // The window still opens, with what could be read.
        try {
            std::rethrow_exception(std::exchange(load_error_, nullptr));
        } catch (...) {
            ReportUnhandledException();
        }
    }
    ShowHistory();
    if (!backups_to_read_.empty()) PostMessageA(Handle(), kReadBackupsMessage, 0, 0);
}

void THistoryForm::LoadJournal() {
    // The names first: the files are read once the window shows.
    for (const std::string& name : FindBackupFileNames(source_.folder)) {
        try {
            backups_to_read_.push_back(ParseBackupFileName(name));
        } catch (const TvError&) {
            // A name that does not decode is no dated snapshot; the restore dialog reports it.
        }
    }
    journal_ = ReadJournalFile(source_.journal_path).entries;
    history_ = MergeHistory(journal_, {});
}

void THistoryForm::ReadSomeBackups() {
    const auto until = std::chrono::steady_clock::now() + kReadingSlice;
    while (backups_read_ < backups_to_read_.size() && std::chrono::steady_clock::now() < until) {
        try {
            backups_.push_back(ReadBackupSnapshot(source_.folder, backups_to_read_[backups_read_]));
        } catch (const TvError&) {
            // A file that cannot be read or holds no integer is left out of the history, not lost.
        }
        ++backups_read_;
    }
    MergeAgain();
    if (backups_read_ < backups_to_read_.size()) PostMessageA(Handle(), kReadBackupsMessage, 0, 0);
}

void THistoryForm::MergeAgain() {
    history_ = MergeHistory(journal_, backups_);
    ShowHistory();
}

void THistoryForm::JournalAppended(const JournalEntry* entry) {
    if (entry) {
        journal_.push_back(*entry);
        AppendJournalEntry(history_, *entry);
        ShowHistory();
    }
    SetStatusText();
    Remeasure();
}

void THistoryForm::ShowHistory() {
    // The selection stays on the same entries: the newest is row 0, so new ones push it down.
    const std::size_t rows = history_.entries.size();
    const auto before = static_cast<std::size_t>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::size_t> selected = SelectedRows();
    SendMessageA(list_, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL);
    if (rows > before && !selected.empty()) {
        const std::size_t added = rows - before;
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        for (std::size_t row : selected) {
            LVITEMA item{};
            item.stateMask = item.state = LVIS_SELECTED;
            SendMessageA(list_, LVM_SETITEMSTATE, row + added, reinterpret_cast<LPARAM>(&item));
        }
    }
    InvalidateRect(list_, nullptr, FALSE);
    SetFigureTexts();
    Remeasure();
    ShowChart();
}

void THistoryForm::SetFigureTexts() {
    const std::vector<std::string> lines = FigureLines(ComputeHistoryFigures(history_.points, LocalToday()));
    for (std::size_t i = 0; i < figures_.size() && i < lines.size(); ++i) SetWindowTextA(figures_[i], lines[i].c_str());
}

void THistoryForm::ShowChart() {
    HistoryChart* chart = chart_ ? HistoryChart::Of(chart_) : nullptr;
    if (!chart) return;
    ChartData data = ComputeChartPeriods(history_.points, ChosenRange(), LocalToday(), LocaleFirstWeekday());
    std::string summary = RangeSummaryText(data);
    chart->SetData(std::move(data), std::move(summary));
    ChartPeriodChanged();
}

void THistoryForm::SetStatusText() {
    const std::string text = source_.status ? StatusText(source_.status()) : std::string();
    SetWindowTextA(status_, text.c_str());
    ShowWindow(status_, text.empty() ? SW_HIDE : SW_SHOWNA);
}

void THistoryForm::Remeasure() {
    const TextNeeds needs = MeasureTexts();
    if (needs == text_needs_ || !placed_) {
        text_needs_ = needs;
        return;
    }
    text_needs_ = needs;
    // The window grows to the least size the new texts need rather than cutting them.
    RECT client{};
    GetClientRect(Handle(), &client);
    const Placement least = LeastPlacement(CurrentDpi(), text_needs_);
    if (client.right < least.client_width || client.bottom < least.client_height) {
        RECT window{};
        GetWindowRect(Handle(), &window);
        const int wider = std::max(0, least.client_width - static_cast<int>(client.right));
        const int taller = std::max(0, least.client_height - static_cast<int>(client.bottom));
        SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + wider, window.bottom - window.top + taller,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        PlaceAll(client.right, client.bottom);
    }
}

TextNeeds THistoryForm::MeasureTexts() const {
    const HFONT font = Font(kRegularFont);
    TextNeeds needs;
    needs.line_height = MeasureText(font, "Ag").cy;
    for (HWND label : figures_) {
        needs.figures_width = std::max<int>(needs.figures_width, MeasureText(font, WindowText(label)).cx);
        ++needs.figures_lines;
    }
    for (const std::string& line : SplitLines(WindowText(status_))) {
        needs.status_width = std::max<int>(needs.status_width, MeasureText(font, line).cx);
        ++needs.status_lines;
    }
    return needs;
}

SIZE THistoryForm::LayOut(Dpi dpi) {
    Form::LayOut(dpi);  // the fonts for dpi
    text_needs_ = MeasureTexts();
    SetColumnWidths(dpi);
    Placement placement;
    if (!placed_) {
        placement = DefaultPlacement(dpi, text_needs_);
        placed_ = true;
    } else {
        RECT client{};
        GetClientRect(Handle(), &client);
        placement = PlaceControls(dpi, text_needs_, client.right, client.bottom);
    }
    PlaceAll(placement.client_width, placement.client_height);
    return {placement.client_width, placement.client_height};
}

SIZE THistoryForm::ClientSizeAt(Dpi dpi) const {
    const Placement placement = DefaultPlacement(dpi, text_needs_);
    return {placement.client_width, placement.client_height};
}

SIZE THistoryForm::MinimumClientSizeAt(Dpi dpi) const {
    const Placement least = LeastPlacement(dpi, text_needs_);
    return {least.client_width, least.client_height};
}

void THistoryForm::PlaceAll(int client_width, int client_height) {
    const HFONT f = Font(kRegularFont);
    const Placement p = PlaceControls(CurrentDpi(), text_needs_, client_width, client_height);
    for (std::size_t i = 0; i < std::size(ranges_); ++i) Place(ranges_[i], p.ranges[i], f);
    if (chart_) Place(chart_, p.chart, f);
    Place(period_line_, p.period_line, f);
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        const LayoutRect line{p.figures.left, p.figures.top + static_cast<int>(i) * text_needs_.line_height,
                              p.figures.width, text_needs_.line_height};
        Place(figures_[i], line, f);
    }
    Place(list_, p.list, f);
    Place(status_, p.status, f);
    Place(btnRestore, p.restore, f);
    Place(btnCopy, p.copy, f);
    Place(btnClose, p.close, f);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void THistoryForm::SetColumnWidths(Dpi dpi) {
    for (std::size_t i = 0; i < std::size(kColumnWidths); ++i)
        SendMessageA(list_, LVM_SETCOLUMNWIDTH, i, dpi.Scale(kColumnWidths[i]));
}

ChartRange THistoryForm::ChosenRange() const {
    for (std::size_t i = 0; i < std::size(ranges_); ++i)
        if (SendMessageA(ranges_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return kRanges[i];
    return ChartRange::Days30;
}

std::vector<std::size_t> THistoryForm::SelectedRows() const {
    std::vector<std::size_t> rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0)
        rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

bool THistoryForm::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IdRange7Days:
        case IdRange30Days:
        case IdRange12Months:
        case IdRangeAll:
            if (code == BN_CLICKED) RangeClick();
            return true;
        case IdChart:
            if (code == kChartPeriodChanged) ChartPeriodChanged();
            return true;
        case IdBtnRestore:
            if (code == BN_CLICKED) btnRestoreClick();
            return true;
        case IdBtnCopy:
            if (code == BN_CLICKED) btnCopyClick();
            return true;
        case IdBtnClose:
            if (code == BN_CLICKED) Close(IDCANCEL);
            return true;
        default:
            return false;
    }
}

LRESULT THistoryForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = true;
    switch (msg) {
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED && placed_) PlaceAll(LOWORD(lp), HIWORD(lp));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
        case kReadBackupsMessage:
            ReadSomeBackups();
            return 0;
        default:
            handled = false;
            return 0;
    }
}

LRESULT THistoryForm::OnNotify(const NMHDR& header) {
    if (header.idFrom != static_cast<UINT_PTR>(IdList)) return 0;
    switch (header.code) {
        case LVN_GETDISPINFOA: {
            auto& item = const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header)).item;
            if (item.mask & LVIF_TEXT) FillDisplayInfo(item.iItem, item.iSubItem, item.pszText, item.cchTextMax);
            return 0;
        }
        case LVN_GETDISPINFOW: {
            auto& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
            if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return 0;
            std::string text(static_cast<std::size_t>(item.cchTextMax), '\0');
            FillDisplayInfo(item.iItem, item.iSubItem, text.data(), item.cchTextMax);
            const std::wstring wide = AnsiToWide(text.c_str());
            lstrcpynW(item.pszText, wide.c_str(), item.cchTextMax);
            return 0;
        }
        case LVN_ITEMCHANGED:
        case LVN_ODSTATECHANGED:
            EnableWindow(btnRestore, SendMessageA(list_, LVM_GETSELECTEDCOUNT, 0, 0) == 1);
            return 0;
        case LVN_KEYDOWN: {
            const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
            if (key.wVKey == 'C' && GetKeyState(VK_CONTROL) < 0) btnCopyClick();
            return 0;
        }
        default:
            return 0;
    }
}

void THistoryForm::FillDisplayInfo(int row, int column, char* text, int size) {
    if (!text || size <= 0) return;
    text[0] = '\0';
    if (row < 0 || static_cast<std::size_t>(row) >= history_.entries.size()) return;
    const auto r = static_cast<std::size_t>(row);
    std::string cell;
    if (column == 0) {
        cell = EntryTimeText(history_.RecordOf(EntryOfRow(history_, r)));
    } else {
        const HistoryRowText row_text = RowTextOf(history_, r);
        const std::string* cells[] = {&row_text.event, &row_text.won, &row_text.lost, &row_text.percent,
                                      &row_text.streak};
        if (column >= 1 && column <= 5) cell = *cells[column - 1];
    }
    lstrcpynA(text, cell.c_str(), size);
}

void THistoryForm::RangeClick() { ShowChart(); }

void THistoryForm::ChartPeriodChanged() {
    HistoryChart* chart = chart_ ? HistoryChart::Of(chart_) : nullptr;
    SetWindowTextA(period_line_, chart ? chart->CurrentPeriodText().c_str() : "");
}

void THistoryForm::btnCopyClick() {
    PutTextOnClipboard(Handle(), ClipboardText(history_, SelectedRows(), EntryTimeText));
}

void THistoryForm::btnRestoreClick() {
    const std::vector<std::size_t> rows = SelectedRows();
    if (rows.size() != 1 || rows[0] >= history_.entries.size()) return;
    const HistoryEntry& entry = EntryOfRow(history_, rows[0]);
    // A copy: the window may take new entries while the boxes are open.
    const JournalEntry record = history_.RecordOf(entry);
    const std::string backup_name = entry.kind == HistoryKind::Backup ? record.detail : std::string();
    if (!ConfirmRestore(Handle(), EntryTimeText(record), backup_name)) return;
    RawRecord raw;
    RawPresence present{};
    const std::pair<StatValue, JournalColumn> columns[] = {
        {StatValue::Won, JournalColumn::Won},       {StatValue::Lost, JournalColumn::Lost},
        {StatValue::Wins, JournalColumn::Wins},     {StatValue::Losses, JournalColumn::Losses},
        {StatValue::Streak, JournalColumn::Streak}, {StatValue::SType, JournalColumn::SType},
    };
    for (const auto& [stat, column] : columns) {
        const auto& value = record.values[column];
        present[static_cast<std::size_t>(stat)] = value.has_value();
        raw[stat] = IntegerToRawBytes(value.value_or(0));
    }
    if (!RestoreStatistics(Handle(), source_.folder, raw, present)) return;
    if (source_.restored) source_.restored(record.time);
}

void ShowHistoryWindow(std::unique_ptr<THistoryForm>& window, HWND owner, HistorySource source) {
    if (window && window->Handle()) {
        HWND wnd = window->Handle();
        if (IsIconic(wnd)) ShowWindow(wnd, SW_RESTORE);
        SetForegroundWindow(wnd);
        return;
    }
    window.reset();
    auto form = std::make_unique<THistoryForm>(std::move(source));
    if (form->Create(owner)) window = std::move(form);
}

}  // namespace tv
