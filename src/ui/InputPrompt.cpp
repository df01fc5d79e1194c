#include "ui/InputPrompt.h"

#include <algorithm>
#include <optional>

#include "platform/Handles.h"
#include "platform/Subclass.h"
#include "platform/VisualStyles.h"
#include "platform/WindowText.h"
#include "ui/Form.h"
#include "ui/FormFont.h"
#include "ui/FormPlacement.h"
#include "ui/InputPromptLayout.h"
#include "ui/Label.h"
#include "ui/PushButton.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

using namespace inputprompt;

namespace {

// Paints the visual style's "EDIT" border over rect (the inside excluded); false without a style.
bool DrawEditBorder(HWND wnd, HDC dc, const RECT& rect) {
    BindThemeLibrary();
    const VtUxTheme& ux = UxTheme();
    if (!ux.IsThemeActive || !ux.OpenThemeData || !ux.CloseThemeData || !ux.DrawThemeBackground || !ux.IsThemeActive())
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

class TInputPrompt : public Form {
public:
    TInputPrompt(std::string prompt, std::string value) : prompt_(std::move(prompt)), value_(std::move(value)) {}
    const std::string& Value() const { return value_; }

    // The edit field's messages, before the field's own procedure gets them.
    LRESULT HandleSubclassMessage(const Subclass<TInputPrompt>& edit, HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_PASTE) FlattenClipboardText(wnd);
        return edit.CallPrevious(wnd, msg, wp, lp);
    }

protected:
    HWND OnCreate() override {
        HWND wnd = Handle();
        font_ = CreateDesignedFont(kFormFontDesign, CurrentDpi());
        CreateLabel(wnd, IdPrompt, prompt_);
        const VisualStyleScope visual_style;
        edit_ = CreateWindowExA(0, "EDIT", value_.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0,
                                0, wnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdEdit)),
                                GetModuleHandleA(nullptr), nullptr);
        SendMessageA(edit_, EM_LIMITTEXT, kMaxLength, 0);
        edit_paste_.emplace(edit_, *this);
        CreatePushButton(wnd, {.id = IDOK, .caption = "OK", .role = ButtonRole::Default}, font_.get());
        CreatePushButton(wnd, {.id = IDCANCEL, .caption = "Cancel", .role = ButtonRole::Cancel}, font_.get());
        SendMessageA(edit_, EM_SETSEL, 0, -1);
        return edit_;
    }

    SIZE ClientSizeAt(Dpi dpi) const override {
        const UniqueFont font = CreateDesignedFont(kFormFontDesign, dpi);
        const InputPromptLayout layout = LayOutInputPrompt(MeasureDialogUnits(font.get()), dpi);
        return SIZE{layout.client_width, layout.client_height};
    }

    SIZE LayOut(Dpi dpi) override {
        HWND wnd = Handle();
        UniqueFont font = CreateDesignedFont(kFormFontDesign, dpi);
        const InputPromptLayout layout = LayOutInputPrompt(MeasureDialogUnits(font.get()), dpi);
        SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        HWND prompt = GetDlgItem(wnd, IdPrompt);
        SendMessageA(prompt, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        PlaceLabel(prompt, layout.prompt_left, layout.prompt_top);
        const LayoutRect& f = layout.field;
        field_ = {f.left, f.top, f.left + f.width, f.top + f.height};
        PlaceControl(edit_,
                     {f.left + kInputFieldBorder, f.top + kInputFieldBorder, f.width - 2 * kInputFieldBorder,
                      f.height - 2 * kInputFieldBorder},
                     font.get());
        PlaceControl(GetDlgItem(wnd, IDOK), layout.ok, font.get());
        PlaceControl(GetDlgItem(wnd, IDCANCEL), layout.cancel, font.get());
        font_ = std::move(font);  // the old font goes once no control holds it
        return SIZE{layout.client_width, layout.client_height};
    }

    bool OnCommand(int id, int, HWND) override {
        if (id != IDOK) return false;
        value_ = WindowText(edit_);
        Close(IDOK);
        return true;
    }

    LRESULT OnMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
        handled = msg == WM_PAINT;
        if (handled) Paint();
        return 0;
    }

private:
    // The field's two-pixel border, the same with or without the focus.
    void Paint() {
        const PaintDc paint(Handle());
        const HDC dc = paint.get();
        const RECT inner{field_.left + kInputFieldBorder, field_.top + kInputFieldBorder,
                         field_.right - kInputFieldBorder, field_.bottom - kInputFieldBorder};
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
        if (!DrawEditBorder(Handle(), dc, field_)) {
            RECT outer = field_;
            FrameRect(dc, &outer, GetSysColorBrush(COLOR_BTNSHADOW));
            InflateRect(&outer, -1, -1);
            FrameRect(dc, &outer, GetSysColorBrush(COLOR_WINDOW));
        }
        RestoreDC(dc, saved);
    }

    std::string prompt_;
    std::string value_;
    UniqueFont font_;
    HWND edit_ = nullptr;
    std::optional<Subclass<TInputPrompt>> edit_paste_;  // a paste arrives as one line
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
    if (dialog.ShowModal(owner, caption) != IDOK) return false;
    value = dialog.Value();
    return true;
}

}  // namespace tv
