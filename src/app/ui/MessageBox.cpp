#include "app/ui/MessageBox.h"

#include <map>

#include "app/ui/Label.h"
#include "app/ui/MessageBoxLayout.h"
#include "app/ui/ModalDialog.h"
#include "app/ui/PushButton.h"
#include "platform/Handles.h"

namespace tv {

namespace {

using namespace msgbox;

// The system's message font (the one its own message boxes use), as a font of the box's own.
UniqueFont CreateMessageFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Older systems know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
        if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
            // The stock GUI font belongs to the system: the box makes a copy of it to own.
            LOGFONTA stock{};
            if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock)) return UniqueFont();
            return UniqueFont(CreateFontIndirectA(&stock));
        }
    }
    return UniqueFont(CreateFontIndirectA(&metrics.lfMessageFont));
}

// A caption's width on one line ("&" not counted), measured once per process: the message font
// does not change while the program runs.
int CaptionWidth(HDC dc, const char* caption) {
    static std::map<std::string, int> measured;
    const auto found = measured.find(caption);
    if (found != measured.end()) return found->second;
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, caption, -1, &r, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
    return measured[caption] = r.right - r.left;
}

HICON KindIcon(MsgKind kind) {
    LPCSTR id = nullptr;
    switch (kind) {
        case MsgKind::Warning: id = reinterpret_cast<LPCSTR>(IDI_EXCLAMATION); break;
        case MsgKind::Error: id = reinterpret_cast<LPCSTR>(IDI_HAND); break;
        case MsgKind::Information: id = reinterpret_cast<LPCSTR>(IDI_ASTERISK); break;
        case MsgKind::Confirmation: id = reinterpret_cast<LPCSTR>(IDI_QUESTION); break;
        case MsgKind::Custom: return nullptr;
    }
    return LoadIconA(nullptr, id);  // a shared system icon: not destroyed
}

bool ReadsRightToLeft(HWND owner) {
    return owner && (GetWindowLongA(owner, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0;
}

class TMessageForm : public ModalDialog {
public:
    TMessageForm(const std::string& text, MsgKind kind, MsgButtons buttons, std::optional<MsgButton> default_button,
                 bool right_to_left)
        : text_(text), kind_(kind), buttons_(ShownButtons(buttons)), right_to_left_(right_to_left) {
        if (auto b = DefaultButton(buttons, default_button)) default_id_ = InfoOf(*b).control_id;
        if (auto b = CancelButton(buttons)) cancel_id_ = InfoOf(*b).control_id;
        font_ = CreateMessageFont();
        LayOut();
    }

    MsgResult Show(HWND owner) {
        const INT_PTR id = ShowModal(owner, KindCaption(kind_), layout_.client_width, layout_.client_height);
        return ResultOfControlId(static_cast<int>(id));
    }

protected:
    HWND OnCreate() override {
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (layout_.icon) {
            const LayoutRect& r = *layout_.icon;
            HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, r.left, r.top, r.width,
                                        r.height, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdIcon)),
                                        GetModuleHandleA(nullptr), nullptr);
            SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(KindIcon(kind_)), 0);
        }
        // A real STATIC control, so that screen readers and automation read the message. The
        // text is the user's to read literally: "&" is no access key here.
        const LayoutRect& t = layout_.text_area;
        const DWORD align = right_to_left_ ? SS_RIGHT : SS_LEFT;
        HWND text = CreateWindowExA(right_to_left_ ? WS_EX_RTLREADING : 0, "STATIC", text_.c_str(),
                                    WS_CHILD | WS_VISIBLE | align | SS_NOPREFIX, t.left, t.top, t.width, t.height,
                                    Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdText)),
                                    GetModuleHandleA(nullptr), nullptr);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

        HWND focus = nullptr;
        for (size_t i = 0; i < buttons_.size(); ++i) {
            const MsgButtonInfo& info = buttons_[i];
            const LayoutRect& r = layout_.buttons[i];
            PushButtonSpec spec;
            spec.id = info.control_id;
            spec.caption = info.caption;
            spec.x = r.left;
            spec.y = r.top;
            spec.width = r.width;
            spec.height = r.height;
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

    INT_PTR OnMessage(UINT msg, WPARAM, LPARAM, bool& handled) override {
        if (msg == DM_GETDEFID && default_id_) {
            handled = true;
            return MAKELRESULT(default_id_, DC_HASDEFID);
        }
        handled = false;
        return 0;
    }

private:
    void LayOut() {
        WindowDc dc(nullptr);
        SelectGuard select(dc.get(), font_.get());
        const DialogUnits du = MeasureDialogUnits(dc.get());
        RECT text{0, 0, TextWrapWidth(GetSystemMetrics(SM_CXSCREEN)), 0};
        DrawTextA(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &text,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        std::vector<int> caption_widths;
        for (const auto& info : buttons_) caption_widths.push_back(CaptionWidth(dc.get(), info.caption));
        layout_ = LayOutMessageBox(du, text.right - text.left, text.bottom - text.top, KindHasIcon(kind_),
                                   caption_widths, right_to_left_);
    }

    std::string text_;
    MsgKind kind_;
    std::vector<MsgButtonInfo> buttons_;
    bool right_to_left_;
    int default_id_ = 0;
    int cancel_id_ = 0;
    UniqueFont font_;
    MessageBoxLayout layout_;
};

}  // namespace

MsgResult ShowMessageBox(HWND owner, const std::string& text, MsgKind kind, MsgButtons buttons,
                         std::optional<MsgButton> default_button) {
    TMessageForm form(text, kind, buttons, default_button, ReadsRightToLeft(owner));
    return form.Show(owner);
}

}  // namespace tv
