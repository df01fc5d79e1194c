#include "app/ui/Label.h"

#include "app/ui/FormFont.h"
#include "platform/Handles.h"

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

void Label::Create(HWND parent, int x, int y, const std::string& caption, HFONT font, LabelAnchor anchor, int id) {
    x_ = x;
    y_ = y;
    font_ = font;
    anchor_ = anchor;
    // Never wrap: an auto-sized label is one line as wide as its text.
    const DWORD align = anchor == LabelAnchor::Right ? SS_RIGHT : SS_LEFTNOWORDWRAP;
    wnd_ = CreateWindowExA(0, "STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | align, x, y, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(wnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AutoSize();
}

void Label::SetCaption(const std::string& caption) {
    if (Caption() == caption) return;
    SetWindowTextA(wnd_, caption.c_str());
    AutoSize();
}

std::string Label::Caption() const {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(wnd_)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(wnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Label::AutoSize() {
    const SIZE size = MeasureText(font_, Caption());
    const int left = anchor_ == LabelAnchor::Right ? x_ - size.cx : x_;
    // The label draws no background: the parent repaints what the old and the new text cover,
    // and every label there draws itself again on top.
    HWND parent = GetParent(wnd_);
    if (!IsWindowVisible(parent)) {
        // Nothing on screen yet: placing it is enough.
        SetWindowPos(wnd_, nullptr, left, y_, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        return;
    }
    RECT old{};
    GetWindowRect(wnd_, &old);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&old), 2);
    SetWindowPos(wnd_, nullptr, left, y_, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    RECT now{left, y_, left + size.cx, y_ + size.cy};
    RECT both{};
    UnionRect(&both, &old, &now);
    RedrawWindow(parent, &both, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tv
