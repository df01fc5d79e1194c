#include "ui/Label.h"

#include "platform/Handles.h"
#include "platform/WindowText.h"
#include "ui/FormFont.h"

namespace tv {

SIZE MeasureText(HFONT font, const std::string& text) {
    // A memory DC is made without a round trip to the window system, unlike the screen's DC.
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    SelectGuard select(dc.get(), font);
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    size.cy = tm.tmHeight;
    return size;
}

DialogUnits MeasureDialogUnits(HDC dc) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{};
    GetTextExtentPoint32A(dc, kLetters, 52, &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return DialogUnits{AverageCharWidth(size.cx), tm.tmHeight};
}

DialogUnits MeasureDialogUnits(HFONT font) {
    UniqueMemDc dc(CreateCompatibleDC(nullptr));
    SelectGuard select(dc.get(), font);
    return MeasureDialogUnits(dc.get());
}

LRESULT LabelColors(HDC dc) {
    // Transparent like the form's labels: a label overlapping its neighbour hides none of it.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
}

namespace {

LabelAnchor AnchorOf(HWND label) {
    return (GetWindowLongPtrA(label, GWL_STYLE) & SS_TYPEMASK) == SS_RIGHT ? LabelAnchor::Right : LabelAnchor::Left;
}

RECT RectInParent(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

HWND CreateLabel(HWND parent, int id, const std::string& caption, LabelAnchor anchor) {
    // Never wrap: an auto-sized label is one line as wide as its text.
    const DWORD align = anchor == LabelAnchor::Right ? SS_RIGHT : SS_LEFTNOWORDWRAP;
    return CreateWindowExA(0, "STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | align, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

void CreateLabels(HWND parent, std::span<const LabelDesign> labels) {
    for (const LabelDesign& label : labels) CreateLabel(parent, label.id, label.caption, label.anchor);
}

void PlaceLabel(HWND label, int x, int y) {
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    const SIZE size = MeasureText(font, WindowText(label));
    const LayoutRect now = LabelRect(x, y, AnchorOf(label), size.cx, size.cy);
    // The label draws no background: the parent repaints what the old and the new text cover,
    // and every label there draws itself again on top.
    HWND parent = GetParent(label);
    const RECT old = RectInParent(label);
    SetWindowPos(label, nullptr, now.left, now.top, now.width, now.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    if (!IsWindowVisible(parent)) return;  // nothing on screen yet: placing it is enough
    const RECT placed{now.left, now.top, now.left + now.width, now.top + now.height};
    RECT both{};
    UnionRect(&both, &old, &placed);
    RedrawWindow(parent, &both, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Label::SetCaption(const std::string& caption) {
    if (Caption() == caption) return;
    SetWindowTextA(wnd_, caption.c_str());
    const RECT r = RectInParent(wnd_);
    PlaceLabel(wnd_, AnchorOf(wnd_) == LabelAnchor::Right ? r.right : r.left, r.top);
}

std::string Label::Caption() const { return WindowText(wnd_); }

}  // namespace tv
