#include "ui/MessageBox.h"

#include <map>
#include <utility>

#include "platform/Handles.h"
#include "platform/WindowDpi.h"
#include "ui/Form.h"
#include "ui/FormPlacement.h"
#include "ui/Label.h"
#include "ui/MessageBoxLayout.h"
#include "ui/PushButton.h"

namespace tv {

namespace {

using namespace msgbox;

// The system's message font at a DPI (the one its own message boxes use), as a font of the box's own.
UniqueFont CreateMessageFont(Dpi dpi) {
    const NONCLIENTMETRICSW metrics = NonClientMetricsFor(dpi);
    if (metrics.lfMessageFont.lfFaceName[0] != L'\0') return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
    // The stock GUI font belongs to the system: the box makes a copy of it to own.
    LOGFONTA stock{};
    if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock)) return UniqueFont();
    return UniqueFont(CreateFontIndirectA(&stock));
}

int FontHeightOf(HFONT font) {
    LOGFONTA lf{};
    return GetObjectA(font, sizeof(lf), &lf) ? lf.lfHeight : 0;
}

// A caption's width on one line ("&" not counted), measured once per process for each size of
// the message font: the font changes only with the DPI.
int CaptionWidth(HDC dc, int font_height, const char* caption) {
    static std::map<std::pair<int, std::string>, int> measured;
    const auto key = std::make_pair(font_height, std::string(caption));
    const auto found = measured.find(key);
    if (found != measured.end()) return found->second;
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, caption, -1, &r, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
    return measured[key] = r.right - r.left;
}

// The system's icon of a kind at a size of pixels; the box owns it.
UniqueIcon KindIcon(MsgKind kind, int size) {
    LPCSTR id = nullptr;
    switch (kind) {
        case MsgKind::Warning:
            id = reinterpret_cast<LPCSTR>(IDI_EXCLAMATION);
            break;
        case MsgKind::Error:
            id = reinterpret_cast<LPCSTR>(IDI_HAND);
            break;
        case MsgKind::Information:
            id = reinterpret_cast<LPCSTR>(IDI_ASTERISK);
            break;
        case MsgKind::Confirmation:
            id = reinterpret_cast<LPCSTR>(IDI_QUESTION);
            break;
        case MsgKind::Custom:
            return UniqueIcon();
    }
    // Not shared: a shared icon comes in the system's one size only.
    return UniqueIcon(static_cast<HICON>(LoadImageA(nullptr, id, IMAGE_ICON, size, size, 0)));
}

bool ReadsRightToLeft(HWND owner) {
    return owner && (GetWindowLongA(owner, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0;
}

class TMessageForm : public Form {
public:
    TMessageForm(const std::string& text, MsgKind kind, MsgButtons buttons, std::optional<MsgButton> default_button,
                 bool right_to_left)
        : text_(text), kind_(kind), buttons_(ShownButtons(buttons)), right_to_left_(right_to_left) {
        if (auto b = DefaultButton(buttons, default_button)) default_id_ = InfoOf(*b).control_id;
        if (auto b = CancelButton(buttons)) cancel_id_ = InfoOf(*b).control_id;
    }

    MsgResult Show(HWND owner) {
        const INT_PTR id = ShowModal(owner, KindCaption(kind_));
        return ResultOfControlId(static_cast<int>(id));
    }

protected:
    HWND OnCreate() override {
        font_ = CreateMessageFont(CurrentDpi());
        if (KindHasIcon(kind_)) {
            CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, 0, 0, Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdIcon)), GetModuleHandleA(nullptr), nullptr);
        }
        // A real STATIC control, so that screen readers and automation read the message. The
        // text is the user's to read literally: "&" is no access key here.
        const DWORD align = right_to_left_ ? SS_RIGHT : SS_LEFT;
        CreateWindowExA(right_to_left_ ? WS_EX_RTLREADING : 0, "STATIC", text_.c_str(),
                        WS_CHILD | WS_VISIBLE | align | SS_NOPREFIX, 0, 0, 0, 0, Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdText)), GetModuleHandleA(nullptr), nullptr);

        HWND focus = nullptr;
        for (size_t i = 0; i < buttons_.size(); ++i) {
            const MsgButtonInfo& info = buttons_[i];
            PushButtonSpec spec;
            spec.id = info.control_id;
            spec.caption = info.caption;
            const bool is_default = info.control_id == default_id_;
            const bool is_cancel = info.control_id == cancel_id_;
            spec.role = is_default && is_cancel ? ButtonRole::DefaultAndCancel
                        : is_default            ? ButtonRole::Default
                        : is_cancel             ? ButtonRole::Cancel
                                                : ButtonRole::Normal;
            HWND button = CreatePushButton(Handle(), spec, font_.get());
            if (is_default || (!focus && i == 0)) focus = button;
        }
        return focus;
    }

    SIZE LayOut(Dpi dpi) override {
        UniqueFont font = CreateMessageFont(dpi);
        const MessageBoxLayout layout = Measure(font.get(), dpi);
        HWND wnd = Handle();
        SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        if (layout.icon) {
            UniqueIcon icon = KindIcon(kind_, layout.icon->width);
            HWND image = GetDlgItem(wnd, kIdIcon);
            SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
            PlaceControl(image, *layout.icon, nullptr);
            icon_ = std::move(icon);
        }
        PlaceControl(GetDlgItem(wnd, kIdText), layout.text_area, font.get());
        for (size_t i = 0; i < buttons_.size(); ++i)
            PlaceControl(GetDlgItem(wnd, buttons_[i].control_id), layout.buttons[i], font.get());
        font_ = std::move(font);  // the old font goes once no control holds it
        return SIZE{layout.client_width, layout.client_height};
    }

    SIZE ClientSizeAt(Dpi dpi) const override {
        const UniqueFont font = CreateMessageFont(dpi);
        const MessageBoxLayout layout = Measure(font.get(), dpi);
        return SIZE{layout.client_width, layout.client_height};
    }

    bool OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return false;
        for (const auto& info : buttons_) {
            if (info.control_id != id) continue;
            if (info.kind != MsgButton::Help) Close(id);  // no help system: the help button gives no result
            return true;
        }
        return false;  // IDCANCEL from Esc without a Cancel button: OnCancel
    }

    void OnCancel() override { Close(cancel_id_ ? cancel_id_ : kIdCancel); }

    LRESULT OnMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
        if (msg == DM_GETDEFID && default_id_) {
            handled = true;
            return MAKELRESULT(default_id_, DC_HASDEFID);
        }
        handled = false;
        return 0;
    }

private:
    // The box's layout in font at dpi: its dialog units, the text wrapped, the captions measured.
    MessageBoxLayout Measure(HFONT font, Dpi dpi) const {
        UniqueMemDc dc(CreateCompatibleDC(nullptr));
        SelectGuard select(dc.get(), font);
        const DialogUnits du = MeasureDialogUnits(dc.get());
        RECT text{0, 0, TextWrapWidth(GetSystemMetrics(SM_CXSCREEN)), 0};
        DrawTextA(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &text,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        const int font_height = FontHeightOf(font);
        std::vector<int> caption_widths;
        for (const auto& info : buttons_) caption_widths.push_back(CaptionWidth(dc.get(), font_height, info.caption));
        return LayOutMessageBox(du, text.right - text.left, text.bottom - text.top, KindHasIcon(kind_), caption_widths,
                                right_to_left_, dpi);
    }

    std::string text_;
    MsgKind kind_;
    std::vector<MsgButtonInfo> buttons_;
    bool right_to_left_;
    int default_id_ = 0;
    int cancel_id_ = 0;
    UniqueFont font_;
    UniqueIcon icon_;
};

}  // namespace

MsgResult ShowMessageBox(HWND owner, const std::string& text, MsgKind kind, MsgButtons buttons,
                         std::optional<MsgButton> default_button) {
    TMessageForm form(text, kind, buttons, default_button, ReadsRightToLeft(owner));
    return form.Show(owner);
}

}  // namespace tv
