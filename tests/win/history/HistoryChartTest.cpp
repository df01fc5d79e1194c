// The History chart as a user and a screen reader meet it: bars of won and lost games apart in
// colour and pattern at their periods' places, the percentage line broken over a period without
// games, "No games recorded yet" for no games, the keys and the pointer choosing a period (the parent
// told each time), and the chart's accessible name and value.
#include <windows.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "history/HistoryChart.h"
#include "platform/Handles.h"
#include "win/button/ButtonHost.h"

namespace tv {
namespace {

using testing_button::Capture;
using testing_button::CaptureButton;
using testing_button::ComApartment;
using testing_button::PumpMessages;

constexpr int kChartId = 41;

// A top-level window that counts the chart's notifications.
struct Parent {
    int changes = 0;
    static LRESULT CALLBACK Procedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Parent*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
        if (self && msg == WM_COMMAND && LOWORD(wp) == kChartId && HIWORD(wp) == kChartPeriodChanged &&
            HistoryChart::Of(reinterpret_cast<HWND>(lp))) {
            ++self->changes;
        }
        return DefWindowProcA(wnd, msg, wp, lp);
    }
};

ChartPeriod Period(int day, std::int64_t won, std::int64_t lost, std::optional<std::int64_t> percent,
                   const char* text) {
    return {{2026, 12, day}, {2026, 12, day}, {won, lost}, percent, text};
}

// Four days: a day without games between two with games, a Clear on the last.
ChartData Sample() {
    ChartData data;
    data.range = ChartRange::Days7;
    data.unit = ChartUnit::Day;
    data.periods = {Period(1, 3, 1, 75, "75%"), Period(2, 0, 0, std::nullopt, ""), Period(3, 1, 3, 50, "50%"),
                    Period(4, 2, 2, 50, "50%")};
    data.marks = {{3, ChartMarkKind::Clear}};
    data.total = {6, 6};
    return data;
}

std::string ShortDate(int day) {
    SYSTEMTIME t{};
    t.wYear = 2026;
    t.wMonth = 12;
    t.wDay = static_cast<WORD>(day);
    char text[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof(text));
    return text;
}

// The columns that hold a colour, in runs: one run per bar.
std::vector<std::pair<int, int>> RunsOf(const Capture& c, COLORREF colour) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < c.width; ++x) {
        bool found = false;
        for (int y = 0; y < c.height && !found; ++y) found = c.At(x, y) == colour;
        if (!found) continue;
        if (!runs.empty() && runs.back().second == x - 1) {
            runs.back().second = x;
        } else {
            runs.push_back({x, x});
        }
    }
    return runs;
}

class HistoryChartTest : public testing::Test {
protected:
    void SetUp() override {
        // The pointer away from the chart, wherever an earlier test left it: hovering chooses a period.
        SetCursorPos(900, 700);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = Parent::Procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HistoryChartTestParent";
        RegisterClassExA(&wc);
        window_.reset(CreateWindowExA(0, wc.lpszClassName, "Chart test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 520,
                                      320, nullptr, nullptr, wc.hInstance, nullptr));
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&parent_));
        chart_ = HistoryChart::Create(window_.get(), kChartId, RECT{10, 10, 410, 230});
        ASSERT_NE(chart_, nullptr);
        HistoryChart::Of(chart_)->SetData(Sample(), "Last 7 days: 12 games, 6 won, 6 lost, 50%");
        PumpMessages();
    }
    Parent parent_;
    UniqueWindow window_;
    HWND chart_ = nullptr;
};

TEST_F(HistoryChartTest, BarsStackWonOnLostAndTheLineBreaksOverADayWithoutGames) {
    const COLORREF won = GetSysColor(COLOR_HIGHLIGHT), lost = GetSysColor(COLOR_WINDOWTEXT);
    ASSERT_NE(won, lost);
    const Capture c = CaptureButton(chart_);
    // Three bars, at the slots of days 1, 3 and 4: twice the spacing across the day without games.
    const auto bars = RunsOf(c, won);
    ASSERT_EQ(bars.size(), 3u);
    std::vector<int> centres;
    for (const auto& [left, right] : bars) centres.push_back((left + right) / 2);
    const int slot = centres[2] - centres[1];
    EXPECT_GT(slot, 20);
    EXPECT_NEAR(centres[1] - centres[0], 2 * slot, 2);
    // Each bar's won part above its lost part, which is hatched (text colour over the background),
    // 3 won on 1 lost and 1 won on 3 lost.
    const auto column = [&](int x, COLORREF colour) {
        int top = c.height, bottom = -1;
        for (int y = 0; y < c.height; ++y) {
            if (c.At(x, y) == colour) top = std::min(top, y), bottom = std::max(bottom, y);
        }
        return std::pair{top, bottom};
    };
    const auto [won0_top, won0_bottom] = column(centres[0], won);
    const auto [won2_top, won2_bottom] = column(centres[1], won);
    const int won0 = won0_bottom - won0_top + 1, won2 = won2_bottom - won2_top + 1;
    EXPECT_NEAR(static_cast<double>(won0) / won2, 3.0, 0.3);
    const struct {
        int x, won_bottom, lost_height;
    } lost_parts[] = {{centres[0], won0_bottom, won0 / 3}, {centres[1], won2_bottom, won2 * 3}};
    for (const auto& part : lost_parts) {
        int hatched = 0, background = 0;
        for (int y = part.won_bottom + 2; y < part.won_bottom + part.lost_height - 1; ++y) {
            hatched += c.At(part.x, y) == lost;
            background += c.At(part.x, y) == GetSysColor(COLOR_WINDOW);
        }
        EXPECT_GT(hatched, 2) << part.x;
        EXPECT_GT(background, 2) << part.x;
    }
    // The line, in the text colour: a dot over day 1 (alone), a segment from day 3 to day 4, nothing
    // over day 2; looked for above the date axis.
    const int above_axis = won0_bottom + won0 / 3 - 3;
    const auto line_pixels = [&](int x) {
        int n = 0;
        for (int y = 0; y < above_axis; ++y) n += c.At(x, y) == lost;
        return n;
    };
    int dot = 0;
    for (int y = won0_top; y <= won0_bottom; ++y) dot += c.At(centres[0], y) == lost;
    EXPECT_GT(dot, 0);
    EXPECT_GT(line_pixels((centres[1] + centres[2]) / 2), 0);
    for (int x = centres[0] + slot * 2 / 5; x <= centres[1] - slot * 2 / 5; ++x) EXPECT_EQ(line_pixels(x), 0) << x;
}

TEST_F(HistoryChartTest, NoGamesShowsOnlyTheCentredMessage) {
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    ChartData none = Sample();
    for (ChartPeriod& p : none.periods) p.games = {}, p.percent.reset();
    HistoryChart::Of(chart_)->SetData(none, "Last 7 days: 0 games, 0 won, 0 lost, n/a");
    const Capture quiet = CaptureButton(chart_);
    HistoryChart::Of(chart_)->SetData(ChartData{}, "Last 30 days: 0 games, 0 won, 0 lost, n/a");
    const Capture empty = CaptureButton(chart_);
    EXPECT_TRUE(quiet == empty);
    // Text in the middle and nothing else: its box is as far from the left as from the right.
    int left = empty.width, right = -1, top = empty.height, bottom = -1;
    for (int y = 0; y < empty.height; ++y) {
        for (int x = 0; x < empty.width; ++x) {
            if (empty.At(x, y) == background) continue;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    ASSERT_GE(right, left) << "nothing drawn";
    EXPECT_GT(right - left, 60);
    EXPECT_LT(bottom - top, 30);
    EXPECT_NEAR(left, empty.width - 1 - right, 15);  // the platform's fonts measure a little off
    EXPECT_NEAR(top, empty.height - 1 - bottom, 3);
}

TEST_F(HistoryChartTest, KeysAndThePointerChooseAPeriodAndTellTheParent) {
    HistoryChart& chart = *HistoryChart::Of(chart_);
    EXPECT_EQ(SendMessageA(chart_, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    SetFocus(chart_);
    EXPECT_EQ(chart.CurrentPeriod(), std::nullopt);
    EXPECT_EQ(chart.CurrentPeriodText(), "");
    struct Step {
        WPARAM key;
        std::size_t period;
        int changes;
        std::string text;
    };
    const Step steps[] = {
        {VK_RIGHT, 0, 1, ShortDate(1) + ": 3 won, 1 lost, 75% overall"},
        {VK_RIGHT, 1, 2, ShortDate(2) + ": no games"},
        {VK_END, 3, 3, ShortDate(4) + ": 2 won, 2 lost, 50% overall"},
        {VK_RIGHT, 3, 3, ShortDate(4) + ": 2 won, 2 lost, 50% overall"},  // stays at the last, no news
        {VK_LEFT, 2, 4, ShortDate(3) + ": 1 won, 3 lost, 50% overall"},
        {VK_HOME, 0, 5, ShortDate(1) + ": 3 won, 1 lost, 75% overall"},
    };
    for (const Step& s : steps) {
        SendMessageA(chart_, WM_KEYDOWN, s.key, 0);
        EXPECT_EQ(chart.CurrentPeriod(), s.period) << s.key;
        EXPECT_EQ(parent_.changes, s.changes) << s.key;
        EXPECT_EQ(chart.CurrentPeriodText(), s.text) << s.key;
    }
    // The pointer over the third bar chooses it.
    const auto bars = RunsOf(CaptureButton(chart_), GetSysColor(COLOR_HIGHLIGHT));
    ASSERT_EQ(bars.size(), 3u);
    SendMessageA(chart_, WM_MOUSEMOVE, 0, MAKELPARAM((bars[2].first + bars[2].second) / 2, 100));
    EXPECT_EQ(chart.CurrentPeriod(), 3u);
    EXPECT_EQ(parent_.changes, 6);
}

TEST_F(HistoryChartTest, ScreenReadersGetTheNameAndTheRangeInWords) {
    const ComApartment com;
    UniqueCom<IAccessible> acc;
    ASSERT_EQ(AccessibleObjectFromWindow(chart_, OBJID_CLIENT, IID_IAccessible, acc.put_void()), S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr, value = nullptr;
    ASSERT_EQ(acc->get_accName(self, &name), S_OK);
    ASSERT_EQ(acc->get_accValue(self, &value), S_OK);
    EXPECT_EQ(std::wstring(name), L"Chart");
    EXPECT_EQ(std::wstring(value), L"Last 7 days: 12 games, 6 won, 6 lost, 50%");
    SysFreeString(name);
    SysFreeString(value);
    VARIANT role{};
    ASSERT_EQ(acc->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_CHART);
}

}  // namespace
}  // namespace tv
