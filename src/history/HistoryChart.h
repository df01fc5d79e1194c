#pragma once
// The History window's chart: a child window of its own that draws the periods of one range (bars
// of games won stacked on games lost, the percentage line with its gaps, the dates, the marks of
// clears and restores) from plain values, double-buffered with GDI. Pointing at a period, or moving
// through the periods with the arrow keys while it has the focus, shows that period's figures; it
// tells its parent so (WM_COMMAND with its id and kChartPeriodChanged), for a line of text under it.
// Screen readers get its name ("Chart") and a value that states the range in words.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "history/ChartPeriods.h"
#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "platform/WindowProcedure.h"

namespace tv {

// The notification code of WM_COMMAND that the chart sends when the period it shows changes.
inline constexpr WORD kChartPeriodChanged = 1;

class HistoryChart : public WindowOwnedObject {
public:
    // The window class's name, for tests and for placing the chart in a form's design.
    static constexpr const char* kClassName = "TvHistoryChart";
    // Its text is drawn in the font WM_SETFONT gives it, else in its parent's, else in the system's
    // message font at the window's DPI; after WM_DPICHANGED_AFTERPARENT it takes its parent's again.

    // Creates the chart as a child of parent (WS_CHILD | WS_VISIBLE | WS_TABSTOP), its class
    // registered on first use. The chart owns its object; Of(wnd) finds it. Returns nullptr on failure.
    static HWND Create(HWND parent, int id, const RECT& bounds);
    static HistoryChart* Of(HWND wnd);

    // The periods to draw and the range's text for screen readers ("Last 30 days: 45 games, ...");
    // the chart repaints. The date texts on the axis and in the period's line are formatted with the
    // user's short date format.
    void SetData(ChartData data, std::string summary);
    // The period pointed at or chosen with the keys, if any.
    std::optional<std::size_t> CurrentPeriod() const;
    // Its figures in words ("8/12/2026: 3 won, 2 lost, 67% overall"), empty without one.
    std::string CurrentPeriodText() const;

    // The window procedure's entry (WindowProcedure<HistoryChart, ObjectMadeByProcedure>).
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void Paint(HDC dc);
    void MakeFont();
    void MeasureLabels(HDC dc);
    void Choose(std::optional<std::size_t> period);
    void OnMouseMove(LPARAM lp);
    bool OnKeyDown(WPARAM key);
    LRESULT OnGetObject(WPARAM wp, LPARAM lp);

    HWND wnd_ = nullptr;
    ChartData data_;
    std::string summary_;
    std::vector<std::string> labels_;  // each period's date, in the user's format
    std::vector<int> label_widths_;    // in font_; empty until measured
    std::optional<std::size_t> current_;
    bool tracking_mouse_ = false;
    Dpi dpi_;
    UniqueFont font_;
    // The off-screen picture, kept while the client size stays; the DC goes first, so the bitmap is
    // no longer selected into it when it is deleted.
    UniqueBitmap buffer_;
    UniqueMemDc buffer_dc_;
    SIZE buffer_size_{};
};

}  // namespace tv
