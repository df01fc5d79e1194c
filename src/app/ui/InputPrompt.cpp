#include "app/ui/InputPrompt.h"

#include <commctrl.h>

#include <algorithm>

#include "app/ui/FormFont.h"
#include "app/ui/Label.h"
#include "app/ui/ModalDialog.h"
#include "app/ui/PushButton.h"
#include "platform/Handles.h"
#include "platform/CommonControls.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

using namespace inputprompt;

namespace {

constexpr int kBorderWidth = 2;  // the field's border, drawn by the prompt around the edit control

// Dialog units of a font: a quarter of the average character width, an eighth of its height.
struct DialogUnits {
    int char_width = 6;
    int char_height = 13;
    int X(int units) const { return MulDiv(units, char_width, 4); }
    int Y(int units) const { return MulDiv(units, char_height, 8); }
};

DialogUnits MeasureDialogUnits(HFONT font) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    WindowDc dc(nullptr);
    SelectGuard select(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), kAlphabet, 52, &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    DialogUnits units;
    units.char_width = (size.cx / 26 + 1) / 2;
    units.char_height = tm.tmHeight;
    return units;
}

// Paints the visual style's "EDIT" border over rect (the inside excluded); false without a style.
bool DrawEditBorder(HWND wnd, HDC dc, const RECT& rect) {
    BindThemeLibrary();
    const VtUxTheme& ux = UxTheme();
    if (!ux.IsThemeActive || !ux.OpenThemeData || !ux.CloseThemeData || !ux.DrawThemeBackground ||
        !ux.IsThemeActive())
        return false;
    HTHEME theme = ux.OpenThemeData(wnd, L"EDIT");
    if (!theme) return false;
    ux.DrawThemeBackground(theme, dc, 0, 0, &rect, nullptr);
    ux.CloseThemeData(theme);
    return true;
}

// Before a paste, strips CR and LF from the clipboard's text and puts the shortened text back.
void FlattenClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) return;
    std::string text;
    bool has_text = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            has_text = true;
            GlobalUnlock(data);
        }
    }
    const std::string flat = RemoveLineBreaks(text);
    if (has_text && flat != text) {
        if (HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, flat.size() + 1)) {
            if (auto* chars = static_cast<char*>(GlobalLock(copy))) {
                std::copy(flat.c_str(), flat.c_str() + flat.size() + 1, chars);
                GlobalUnlock(copy);
                EmptyClipboard();
                if (!SetClipboardData(CF_TEXT, copy)) GlobalFree(copy);  // the clipboard owns it on success
            } else {
                GlobalFree(copy);
            }
        }
    }
    CloseClipboard();
}

LRESULT CALLBACK EditSubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    switch (msg) {
        case WM_PASTE:
            FlattenClipboardText(wnd);
            break;
        case WM_NCDESTROY:
            comctl::RemoveSubclass(wnd, EditSubclassProc, id);
            break;
        default:
            break;
    }
    return comctl::DefSubclass(wnd, msg, wp, lp);
}

class TInputPrompt : public ModalDialog {
public:
    TInputPrompt(std::string prompt, std::string value) : prompt_(std::move(prompt)), value_(std::move(value)) {
        font_ = CreateFormFont(false);
        units_ = MeasureDialogUnits(font_.get());
    }
    int ClientWidth() const { return units_.X(180); }
    int ClientHeight() const { return units_.Y(63); }
    const std::string& Value() const { return value_; }

protected:
    HWND OnCreate() override {
        HWND wnd = Handle();
        SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        prompt_label_.Create(wnd, units_.X(8), units_.Y(8), prompt_, font_.get(), LabelAnchor::Left, IdPrompt);
        field_ = {units_.X(8), units_.Y(19), units_.X(8) + units_.X(164), units_.Y(19) + units_.char_height + 8};
        edit_ = CreateWindowExA(0, "EDIT", value_.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                field_.left + kBorderWidth, field_.top + kBorderWidth,
                                field_.right - field_.left - 2 * kBorderWidth,
                                field_.bottom - field_.top - 2 * kBorderWidth, wnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdEdit)), GetModuleHandleA(nullptr),
                                nullptr);
        SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        SendMessageA(edit_, EM_LIMITTEXT, kMaxLength, 0);
        comctl::SetSubclass(edit_, EditSubclassProc, 1, 0);
        const int top = units_.Y(41), width = units_.X(50), height = units_.Y(14);
        CreatePushButton(wnd, {IDOK, "OK", units_.X(38), top, width, height, ButtonRole::Default}, font_.get());
        CreatePushButton(wnd, {IDCANCEL, "Cancel", units_.X(92), top, width, height, ButtonRole::Cancel},
                         font_.get());
        SendMessageA(edit_, EM_SETSEL, 0, -1);
        return edit_;
    }

    bool OnCommand(int id, int, HWND) override {
        if (id != IDOK) return false;
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit_)) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(edit_, text.data(), static_cast<int>(text.size()))));
        value_ = text;
        Close(IDOK);
        return true;
    }

    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override {
        switch (msg) {
            case WM_PAINT:
                Paint();
                handled = true;
                return 0;
            case WM_CTLCOLORSTATIC:
                handled = true;
                return LabelColors(reinterpret_cast<HDC>(wp));
            default:
                return ModalDialog::OnMessage(msg, wp, lp, handled);
        }
    }

private:
    // The field's two-pixel border, the same with or without the focus.
    void Paint() {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        const RECT inner{field_.left + kBorderWidth, field_.top + kBorderWidth, field_.right - kBorderWidth,
                         field_.bottom - kBorderWidth};
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
        if (!DrawEditBorder(Handle(), dc, field_)) {
            RECT outer = field_;
            FrameRect(dc, &outer, GetSysColorBrush(COLOR_BTNSHADOW));
            InflateRect(&outer, -1, -1);
            FrameRect(dc, &outer, GetSysColorBrush(COLOR_WINDOW));
        }
        RestoreDC(dc, saved);
        EndPaint(Handle(), &ps);
    }

    std::string prompt_;
    std::string value_;
    UniqueFont font_;
    DialogUnits units_;
    Label prompt_label_;
    HWND edit_ = nullptr;
    RECT field_{};
};

}  // namespace

std::string RemoveLineBreaks(const std::string& text) {
    std::string flat;
    flat.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') flat += c;
    return flat;
}

bool InputQuery(HWND owner, const std::string& caption, const std::string& prompt, std::string& value) {
    TInputPrompt dialog(prompt, value);
    if (dialog.ShowModal(owner, caption, dialog.ClientWidth(), dialog.ClientHeight()) != IDOK) return false;
    value = dialog.Value();
    return true;
}

}  // namespace tv
