#include "history/HistoryChart.h"

#include <algorithm>
#include <utility>

#include "history/ChartAccessible.h"
#include "history/ChartAxis.h"
#include "history/ChartDateText.h"
#include "history/ChartPaint.h"
#include "history/HistoryText.h"
#include "platform/WindowDpi.h"

#ifndef WM_MOUSELEAVE
#define WM_MOUSELEAVE 0x02A3
#endif

namespace tv {

namespace {

void RegisterChartClass() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExA(GetModuleHandleA(nullptr), HistoryChart::kClassName, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProcedure<HistoryChart, ObjectMadeByProcedure>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = HistoryChart::kClassName;
    RegisterClassExA(&wc);
}

}  // namespace

HWND HistoryChart::Create(HWND parent, int id, const RECT& bounds) {
    RegisterChartClass();
    return CreateWindowExA(0, kClassName, "Chart", WS_CHILD | WS_VISIBLE | WS_TABSTOP, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

HistoryChart* HistoryChart::Of(HWND wnd) {
    char name[64] = {};
    if (!wnd || !GetClassNameA(wnd, name, sizeof(name)) || std::string(name) != kClassName) return nullptr;
    return WindowObject<HistoryChart>(wnd);
}

void HistoryChart::SetData(ChartData data, std::string summary) {
    data_ = std::move(data);
    summary_ = std::move(summary);
    labels_.clear();
    labels_.reserve(data_.periods.size());
    for (const ChartPeriod& p : data_.periods) labels_.push_back(ChartDateText(p.first, data_.unit));
    label_widths_.clear();
    const std::optional<std::size_t> before = current_;
    if (current_ && *current_ >= data_.periods.size()) current_.reset();
    if (wnd_) {
        InvalidateRect(wnd_, nullptr, FALSE);
        // A screen reader reading the chart hears the new range.
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, wnd_, OBJID_CLIENT, CHILDID_SELF);
        // The period's figures may have changed with the data even where its index stays.
        if (before || current_) Choose(current_);
    }
}

std::optional<std::size_t> HistoryChart::CurrentPeriod() const { return current_; }

std::string HistoryChart::CurrentPeriodText() const {
    if (!current_) return {};
    return PeriodTipText(labels_[*current_], data_.periods[*current_]);
}

void HistoryChart::MakeFont() {
    HFONT from = wnd_ ? reinterpret_cast<HFONT>(SendMessageA(GetParent(wnd_), WM_GETFONT, 0, 0)) : nullptr;
    LOGFONTA given{};
    if (from && GetObjectA(from, sizeof(given), &given) == sizeof(given)) {
        font_.reset(CreateFontIndirectA(&given));
    } else {
        const NONCLIENTMETRICSW metrics = NonClientMetricsFor(dpi_);
        font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
    }
    label_widths_.clear();
}

void HistoryChart::MeasureLabels(HDC dc) {
    if (label_widths_.size() == labels_.size()) return;
    const SelectGuard font(dc, font_.get());
    label_widths_.clear();
    label_widths_.reserve(labels_.size());
    for (const std::string& label : labels_) {
        SIZE size{};
        GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &size);
        label_widths_.push_back(size.cx);
    }
}

// Draws the whole chart off-screen, then puts it on dc in one copy: no flicker while resizing.
void HistoryChart::Paint(HDC dc) {
    RECT client{};
    GetClientRect(wnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    if (!buffer_ || buffer_size_.cx != client.right || buffer_size_.cy != client.bottom) {
        // Made like the screen, not like dc: a DC handed in by WM_PRINTCLIENT may be anything.
        const WindowDc screen(nullptr);
        buffer_dc_.reset();
        buffer_.reset(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
        buffer_dc_.reset(CreateCompatibleDC(screen.get()));
        if (!buffer_ || !buffer_dc_) return;
        SelectObject(buffer_dc_.get(), buffer_.get());
        buffer_size_ = {client.right, client.bottom};
    }
    HDC mem = buffer_dc_.get();
    MeasureLabels(mem);
    ChartView view;
    view.data = &data_;
    view.labels = &labels_;
    view.label_widths = &label_widths_;
    view.current = current_;
    view.focused = GetFocus() == wnd_;
    view.font = font_.get();
    view.dpi = dpi_;
    PaintChart(mem, client, LayoutChart(mem, client, view), view);
    BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
}

void HistoryChart::Choose(std::optional<std::size_t> period) {
    current_ = period;
    InvalidateRect(wnd_, nullptr, FALSE);
    SendMessageA(GetParent(wnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd_), kChartPeriodChanged),
                 reinterpret_cast<LPARAM>(wnd_));
}

void HistoryChart::OnMouseMove(LPARAM lp) {
    if (!tracking_mouse_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, wnd_, 0};
        tracking_mouse_ = TrackMouseEvent(&track) != FALSE;
    }
    RECT client{};
    GetClientRect(wnd_, &client);
    ChartView view;
    view.data = &data_;
    view.font = font_.get();
    view.dpi = dpi_;
    const WindowDc dc(wnd_);
    const ChartLayout layout = LayoutChart(dc.get(), client, view);
    if (layout.empty) return;
    const int x = static_cast<short>(LOWORD(lp));
    const std::optional<std::size_t> under = PeriodAt(x, layout.plot.left, layout.slot_width, data_.periods.size());
    if (under && under != current_) Choose(under);
}

bool HistoryChart::OnKeyDown(WPARAM key) {
    const std::size_t count = data_.periods.size();
    if (count == 0 || ChartIsEmpty(data_)) return false;
    std::size_t next = 0;
    switch (key) {
        case VK_LEFT:
            next = current_ ? (*current_ > 0 ? *current_ - 1 : 0) : count - 1;
            break;
        case VK_RIGHT:
            next = current_ ? std::min(*current_ + 1, count - 1) : 0;
            break;
        case VK_HOME:
            next = 0;
            break;
        case VK_END:
            next = count - 1;
            break;
        default:
            return false;
    }
    if (next != current_) Choose(next);
    return true;
}

LRESULT HistoryChart::OnGetObject(WPARAM wp, LPARAM lp) {
    if (static_cast<LONG>(lp) == OBJID_CLIENT) {
        if (const LRESULT result = ChartAccessibleResult(wnd_, wp, summary_)) return result;
    }
    return DefWindowProcA(wnd_, WM_GETOBJECT, wp, lp);
}

LRESULT HistoryChart::HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            wnd_ = wnd;
            dpi_ = DpiOfWindow(wnd);
            MakeFont();
            return 0;
        case WM_SETFONT: {
            LOGFONTA given{};
            HFONT from = reinterpret_cast<HFONT>(wp);
            if (from && GetObjectA(from, sizeof(given), &given) == sizeof(given)) {
                font_.reset(CreateFontIndirectA(&given));
                label_widths_.clear();
            }
            if (LOWORD(lp)) InvalidateRect(wnd, nullptr, FALSE);
            return 0;
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_DPICHANGED_AFTERPARENT:
            dpi_ = DpiOfWindow(wnd);
            MakeFont();
            InvalidateRect(wnd, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            const PaintDc dc(wnd);
            Paint(dc.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wp));
            return 0;
        case WM_SIZE:
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            InvalidateRect(wnd, nullptr, FALSE);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(wnd, nullptr, FALSE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (OnKeyDown(wp)) return 0;
            break;
        case WM_LBUTTONDOWN:
            SetFocus(wnd);
            OnMouseMove(lp);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(lp);
            return 0;
        case WM_MOUSELEAVE:
            tracking_mouse_ = false;
            // Without the focus the period followed the pointer only: it goes with it.
            if (GetFocus() != wnd && current_) Choose(std::nullopt);
            return 0;
        case WM_GETOBJECT:
            return OnGetObject(wp, lp);
        default:
            break;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace tv
