#include "widgets/button/VtPopBtn.h"

#include <cstdlib>

#include "widgets/button/VtBtnAccessible.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

namespace {

UINT g_cancel_pulldown = 0;  // registered once per process

bool IsDialogWindow(HWND wnd) {
    char name[16] = {};
    GetClassNameA(wnd, name, sizeof(name));
    return lstrcmpA(name, "#32770") == 0;
}

bool ModifierDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
bool NoModifier() { return !ModifierDown(VK_SHIFT) && !ModifierDown(VK_CONTROL) && !ModifierDown(VK_MENU); }

}  // namespace

LRESULT CALLBACK VtPopupButtonWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

void RegisterVtPopupButtonClass() {
    static const bool registered = [] {
        BindThemeLibrary();
        std::atexit(ReleaseThemeLibrary);  // the library goes when the program ends
        g_cancel_pulldown = RegisterWindowMessageA("Vt - Cancel pulldown menu");
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS | CS_PARENTDC;
        wc.lpfnWndProc = VtPopupButtonWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kVtPopupButtonClass;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
}

UINT CancelPulldownMessage() { return g_cancel_pulldown; }

TCustomVtPopupButton::TCustomVtPopupButton() {
    glyph_.OnChange = [this] {
        if (!glyph_.UseIcon() && !glyph_.UseImageList()) Invalidate();
    };
}

TCustomVtPopupButton::~TCustomVtPopupButton() = default;

TCustomVtPopupButton* TCustomVtPopupButton::FromHandle(HWND wnd) {
    char name[32] = {};
    if (!wnd || !GetClassNameA(wnd, name, sizeof(name)) || lstrcmpA(name, kVtPopupButtonClass) != 0) return nullptr;
    return reinterpret_cast<TCustomVtPopupButton*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}

LRESULT CALLBACK VtPopupButtonWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto button = std::make_unique<TVtPopupButton>();
        button->wnd_ = wnd;
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(button.release()));
        return DefWindowProcA(wnd, msg, wp, lp);
    }
    auto* self = reinterpret_cast<TCustomVtPopupButton*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        std::unique_ptr<TCustomVtPopupButton> owned(self);
        if (owned) owned->wnd_ = nullptr;
        return DefWindowProcA(wnd, msg, wp, lp);
    }
    if (!self) return DefWindowProcA(wnd, msg, wp, lp);
    try {
        return self->HandleMessage(msg, wp, lp);
    } catch (...) {
        // No exception may cross the system's callback; the button stays usable.
        return DefWindowProcA(wnd, msg, wp, lp);
    }
}

LRESULT TCustomVtPopupButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const int x = static_cast<short>(LOWORD(lp));
    const int y = static_cast<short>(HIWORD(lp));
    switch (msg) {
        case WM_CREATE:
            return WMCreate();
        case WM_DESTROY:
            WMDestroy();
            return 0;
        case WM_PAINT:
            WMPaint();
            return 0;
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wp));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // everything is painted in one transfer
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wp);
            if (LOWORD(lp)) Invalidate();
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(wnd_, msg, wp, lp);
            WMSetText();
            return result;
        }
        case WM_GETDLGCODE:
            return WMGetDlgCode(reinterpret_cast<const MSG*>(lp));
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            WMLButtonDown(x, y, msg == WM_LBUTTONDBLCLK);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            logic_.OtherButtonPress();
            break;
        case WM_MOUSEMOVE:
            WMMouseMove(x, y);
            return 0;
        case WM_LBUTTONUP:
            WMLButtonUp(x, y);
            return 0;
        case WM_MOUSELEAVE:
            FTracking = false;
            WMMouseLeave();
            return 0;
        case WM_CAPTURECHANGED:
            WMCaptureChanged();
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (WMKeyDown(wp)) return 0;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (WMKeyUp(wp)) return 0;
            break;
        case WM_CHAR:
            if (wp == '\r' || wp == 0x1B || wp == ' ') return 0;
            break;
        case WM_SETFOCUS:
            WMSetFocus();
            return 0;
        case WM_KILLFOCUS:
            WMKillFocus();
            return 0;
        case WM_ENABLE:
            WMEnable();
            return 0;
        case WM_MOVE:
            ButtonWindowMoved();
            return 0;
        case WM_SYSCOLORCHANGE:
            glyph_.Invalidate();
            Invalidate();
            return 0;
        case WM_THEMECHANGED:
            return WMThemeChanged();
        case kVtGetThemeHandle:
            return reinterpret_cast<LRESULT>(ThemeHandle());
        case kVtGroupMessage:
            WMGroup(static_cast<int>(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case BM_CLICK:
            PerformClick(false);
            return 0;
        case BM_SETSTYLE: {
            LONG_PTR style = GetWindowLongPtrA(wnd_, GWL_STYLE);
            style = (style & ~static_cast<LONG_PTR>(0xF)) | (wp & 0xF);
            SetWindowLongPtrA(wnd_, GWL_STYLE, style);
            if (lp) Invalidate();
            return 0;
        }
        case BM_GETSTATE: {
            LRESULT state = 0;
            if (Down()) state |= BST_CHECKED;
            if (LooksDown()) state |= BST_PUSHED;
            if (Focused()) state |= BST_FOCUS;
            if (Hot()) state |= BST_HOT;
            return state;
        }
        case BM_GETCHECK:
            return Down() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            SetDown(wp == BST_CHECKED);
            return 0;
        case WM_CONTEXTMENU:
            return WMContextMenu(wp, lp);
        case WM_GETOBJECT:
            return WMGetObject(wp, lp);
        case WM_EXITMENULOOP:
            WMExitMenuLoop();
            break;
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_INITMENUPOPUP:
        case WM_MENUSELECT:
        case WM_MENUCHAR:
        case WM_HELP:
            // Items of the pull-down menu belong to the window that holds the button.
            if (GetParent(wnd_)) return SendMessageA(GetParent(wnd_), msg, wp, lp);
            break;
        case WM_QUERYENDSESSION:
            return 1;
        case WM_UPDATEUISTATE:
        case WM_CHANGEUISTATE:
            return DefWindowProcA(wnd_, msg, wp, lp);
        default:
            if (msg != 0 && msg == g_cancel_pulldown) {
                WMCancelPulldown();
                return 0;
            }
            break;
    }
    return DefWindowProcA(wnd_, msg, wp, lp);
}

LRESULT TCustomVtPopupButton::WMCreate() {
    ThemedWindowCreated();
    FIsActive = FDefault;
    FMultiLine = !FIsHTML && Caption().find("\r\n") != std::string::npos;
    return 0;
}

void TCustomVtPopupButton::WMDestroy() {
    destroying_ = true;
    if (GetCapture() == wnd_) ReleaseCapture();
    ThemedWindowDestroyed();
    CloseThemeHandle();
}

void TCustomVtPopupButton::WMPaint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(wnd_, &ps);
    if (dc) Paint(dc);
    EndPaint(wnd_, &ps);
}

LRESULT TCustomVtPopupButton::WMGetDlgCode(const MSG* msg) {
    const bool is_default = (GetWindowLongPtrA(wnd_, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON;
    LRESULT code = DLGC_BUTTON | (is_default ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    // Enter and Escape come to the button itself; Tab and the arrows stay with the dialog manager.
    if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == '\r' || msg->wParam == 0x1B)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

ClientSize TCustomVtPopupButton::Size() const {
    RECT r{};
    GetClientRect(wnd_, &r);
    return {r.right, r.bottom};
}

bool TCustomVtPopupButton::CanFocus() const {
    if (!wnd_ || !IsWindowEnabled(wnd_) || !IsWindowVisible(wnd_)) return false;
    HWND parent = GetParent(wnd_);
    return !parent || IsWindowEnabled(parent);
}

void TCustomVtPopupButton::Apply(const PressOutcome& out) {
    if (out.invalidate) Invalidate();
    if (out.announce_group) AnnounceGroup();
    if (out.mouse_left) MouseLeave();
    if (out.reevaluate_hover) ReevaluateHover();
    if (out.click) PerformClick(out.arrow);
}

void TCustomVtPopupButton::WMLButtonDown(int x, int y, bool double_click) {
    // Mouse activation: a click focuses a tab stop; if it cannot, the press is ignored.
    if (!Focused() && CanFocus() && (GetWindowLongPtrA(wnd_, GWL_STYLE) & WS_TABSTOP)) {
        SetFocus(wnd_);
        if (!Focused()) FIgnoreNextMouseDown = true;
    }
    if (FIgnoreNextMouseDown) {
        FIgnoreNextMouseDown = false;
        return;
    }
    std::string href;
    if (LinkAtClientPoint({x, y}, href)) return;  // the link acts on release
    logic_.enabled = IsWindowEnabled(wnd_) != FALSE;
    logic_.arrow_width = ArrowWidth();
    SetCapture(wnd_);
    PressOutcome out = logic_.LeftPress(x, y, Size());
    if (out.click && out.arrow) {
        Apply({out.invalidate, false, false, false, false, false});
        PerformClick(true);
        logic_.AfterArrowPressClick();
        if (!logic_.pressing && GetCapture() == wnd_) ReleaseCapture();
    } else {
        Apply(out);
    }
    if (double_click && Down() && OnDblClick) OnDblClick(*this);
}

void TCustomVtPopupButton::WMMouseMove(int x, int y) {
    if (!FTracking) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, wnd_, 0};
        FTracking = TrackMouseEvent(&tme) != FALSE;
        if (!logic_.pressing) MouseEnter();
    }
    logic_.arrow_width = ArrowWidth();
    Apply(logic_.MouseMove(x, y, Size()));
}

void TCustomVtPopupButton::WMLButtonUp(int x, int y) {
    std::string href;
    if (LinkAtClientPoint({x, y}, href)) {
        if (GetCapture() == wnd_) ReleaseCapture();
        logic_.pressing = false;
        if (OnLinkClick) OnLinkClick(*this, href);
        return;
    }
    const bool was_pressing = logic_.pressing;
    PressOutcome out = logic_.LeftRelease(x, y, Size());
    if (was_pressing && GetCapture() == wnd_) ReleaseCapture();
    if (out.announce_group) {
        AnnounceGroup();
        out.announce_group = false;
    }
    Apply(out);
}

void TCustomVtPopupButton::WMCaptureChanged() {
    // Another window took the mouse while the button was held: it goes up without a click.
    if (logic_.pressing && GetCapture() != wnd_) {
        logic_.pressing = false;
        if (logic_.press_state == psPressed || logic_.press_state == psArrowPressed) {
            logic_.press_state = Down() && GroupIndex() != 0 ? psLatched : (Down() ? psPressed : psUp);
        }
        Invalidate();
    }
}

void TCustomVtPopupButton::MouseEnter() {
    if (!IsWindowEnabled(wnd_)) return;
    bool want = !(FOldStyled && !IsThemed());
    if (UseArrow()) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(wnd_, &p);
        logic_.arrow_hot = p.x > Size().width - ArrowWidth();
        logic_.mouse_in_control = !logic_.arrow_hot;
    } else {
        logic_.mouse_in_control = true;
    }
    if (FHotImages && glyph_.ImageList() != FHotImages) {
        glyph_.SetImageList(FHotImages);
        want = true;
    }
    if (want) Invalidate();
}

void TCustomVtPopupButton::MouseLeave() {
    bool want = !(FOldStyled && !IsThemed());
    if (IsWindowEnabled(wnd_) && !logic_.pressing && FHotImages && glyph_.ImageList() != FImages) {
        glyph_.SetImageList(FImages);
        want = true;
    }
    if (logic_.mouse_in_control || logic_.arrow_hot) want = true;
    logic_.mouse_in_control = false;
    logic_.arrow_hot = false;
    if (want) Invalidate();
}

void TCustomVtPopupButton::WMMouseLeave() {
    if (!logic_.pressing) MouseLeave();
}

void TCustomVtPopupButton::ReevaluateHover() {
    if (!IsWindowEnabled(wnd_)) {
        logic_.mouse_in_control = false;
        return;
    }
    if (!Flat()) return;
    POINT p{};
    GetCursorPos(&p);
    if (WindowFromPoint(p) == wnd_) {
        MouseEnter();
    } else {
        MouseLeave();
    }
}

bool TCustomVtPopupButton::WMKeyDown(WPARAM key) {
    const bool alt_only = ModifierDown(VK_MENU) && !ModifierDown(VK_SHIFT) && !ModifierDown(VK_CONTROL);
    if (key == VK_DOWN && alt_only) {
        if (IsWindowEnabled(wnd_) && UseArrow() && FPullDownMenu && !FDisableAutoPopup) {
            PerformClick(true);
            return true;
        }
        return false;
    }
    if (!NoModifier()) return false;
    switch (key) {
        case VK_SPACE:
            if (CanFocus()) Apply(logic_.SpaceDown());
            return true;
        case VK_RETURN:
            if (CanFocus()) Apply(logic_.SpaceUpOrEnter());
            return true;
        case VK_ESCAPE:
            EscapeToForm();
            return true;
        default:
            return false;
    }
}

bool TCustomVtPopupButton::WMKeyUp(WPARAM key) {
    if (key != VK_SPACE || !NoModifier()) return false;
    // Only a press that began here ends in a click.
    if (CanFocus() && logic_.press_state == psPressed && !logic_.pressing) Apply(logic_.SpaceUpOrEnter());
    return true;
}

void TCustomVtPopupButton::EscapeToForm() {
    HWND parent = GetParent(wnd_);
    if (!parent) return;
    // The form's cancel button acts even while another button has the focus.
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        TCustomVtPopupButton* other = FromHandle(child);
        if (other && other->Cancel() && other->CanFocus()) {
            other->PerformClick(false);
            return;
        }
    }
    // No cancel button: the dialog manager's meaning of Escape.
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(parent, IDCANCEL)));
}

void TCustomVtPopupButton::WMSetFocus() {
    FIsActive = true;
    ApplyDefaultStyle(true);
    Invalidate();
}

void TCustomVtPopupButton::WMKillFocus() {
    FIsActive = false;
    ApplyDefaultStyle(FDefault);
    if (logic_.press_state == psPressed && !logic_.pressing && !Down()) {
        logic_.press_state = psUp;  // a Space press that lost the focus is no click
    }
    Invalidate();
}

void TCustomVtPopupButton::WMEnable() {
    glyph_.Invalidate();
    if (FImages) glyph_.SetImageList((!IsWindowEnabled(wnd_) && FDisabledImages) ? FDisabledImages : FImages);
    ReevaluateHover();
    Invalidate();
}

void TCustomVtPopupButton::WMSetText() {
    FMultiLine = !FIsHTML && Caption().find("\r\n") != std::string::npos;
    Invalidate();
}

LRESULT TCustomVtPopupButton::WMGetObject(WPARAM wp, LPARAM lp) {
    if (static_cast<LONG>(lp) != static_cast<LONG>(OBJID_CLIENT)) return DefWindowProcA(wnd_, WM_GETOBJECT, wp, lp);
    // Accessibility clients see a standard push button.
    const LRESULT result = ButtonAccessibleResult(wnd_, wp);
    return result ? result : DefWindowProcA(wnd_, WM_GETOBJECT, wp, lp);
}

void TCustomVtPopupButton::NotifyClick() {
    HWND parent = GetParent(wnd_);
    if (parent) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd_), BN_CLICKED), reinterpret_cast<LPARAM>(wnd_));
    }
}

void TCustomVtPopupButton::PerformClick(bool arrow) {
    if (FPopupClicksDisabled || FClicksDisabled) return;
    HWND self = wnd_;
    HWND parent = GetParent(self);
    if (arrow) {
        if (OnArrowClick) OnArrowClick(*this);
    } else {
        Click();
        // The click handler may have closed the window that holds the button.
        if (!IsWindow(self)) return;
        Invalidate();
    }
    if (FModalResult != 0 && parent && IsWindow(parent) && IsDialogWindow(parent)) {
        EndDialog(parent, FModalResult);
    }
    if (!FPullDownMenu || FDisableAutoPopup || !(arrow || !UseArrow())) return;
    RECT r{};
    GetWindowRect(wnd_, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    POINT at{r.left - 1, r.top + height};
    if (FPopupPlace == ppRight) {
        at = {r.left + width, r.top - 1};
    } else if (FPopupPlace == ppTop) {
        at = {r.left - 1, r.top - GetSystemMetrics(SM_CYMENU) * GetMenuItemCount(FPullDownMenu) -
                              GetSystemMetrics(SM_CYEDGE)};
    }
    if (!UseArrow()) {
        logic_.press_state = psPressed;
        logic_.arrow_press_state = psPressed;
        Invalidate();
    }
    logic_.menu_shown = true;
    TrackPopupMenu(FPullDownMenu, TPM_RIGHTBUTTON, at.x, at.y, 0, wnd_, nullptr);
    if (!IsWindow(self)) return;
    logic_.press_state = psUp;
    Invalidate();
}

void TCustomVtPopupButton::WMExitMenuLoop() {
    logic_.pressing = true;
    PostMessageA(wnd_, g_cancel_pulldown, 0, 0);
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(wnd_, &p);
    const int width = Size().width;
    if (p.x >= width - ArrowWidth() && p.x <= width) logic_.skip_arrow_press = true;
}

LRESULT TCustomVtPopupButton::WMContextMenu(WPARAM wp, LPARAM lp) {
    const POINT screen{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (FIsHTML && FLinkPopupMenu && screen.x >= 0) {
        POINT client = screen;
        ScreenToClient(wnd_, &client);
        std::string href;
        if (LinkAtClientPoint(client, href)) {
            if (!(OnContextPopup && OnContextPopup(*this, client))) LinkPopup(screen);
            return 1;
        }
    }
    return DefWindowProcA(wnd_, WM_CONTEXTMENU, wp, lp);
}

void TCustomVtPopupButton::LinkPopup(POINT screen) {
    if (!FLinkPopupMenu) return;
    // Whatever the mouse was doing with the button ends here.
    if (GetCapture() == wnd_) ReleaseCapture();
    Apply(logic_.CancelMenu());
    if (screen.x < 0) {
        screen = {0, 0};
        ClientToScreen(wnd_, &screen);
    }
    TrackPopupMenu(FLinkPopupMenu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, wnd_, nullptr);
}

void TCustomVtPopupButton::WMCancelPulldown() {
    if (GetCapture() == wnd_) ReleaseCapture();
    Apply(logic_.CancelMenu());
}

void TCustomVtPopupButton::AnimateClick() {
    if (!Down()) {
        logic_.press_state = psPressed;
        RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD now = GetTickCount();
        if (now < start || now - start >= 25) break;  // also ends when the count wraps
        Sleep(1);
    }
    logic_.press_state = psUp;
    if (GroupIndex() != 0) {
        SetDown(!Down());
        PerformClick(false);
    } else {
        HWND self = wnd_;
        PerformClick(false);
        if (IsWindow(self)) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void TCustomVtPopupButton::ApplyDefaultStyle(bool on) {
    if (!wnd_) return;
    const LONG_PTR style = GetWindowLongPtrA(wnd_, GWL_STYLE);
    const LONG_PTR wanted = on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((style & 0xF) != wanted) SendMessageA(wnd_, BM_SETSTYLE, static_cast<WPARAM>(wanted), TRUE);
}

int TCustomVtPopupButton::ArrowWidth() const {
    if (FArrowThemeHandle) {
        SIZE size{};
        if (SUCCEEDED(GetClassPartSize(L"COMBOBOX", nullptr, 1, 1, nullptr, TS_TRUE, &size))) return size.cx;
    }
    return 13;
}

void TCustomVtPopupButton::OpenThemeHandle() {
    TVtButtonControl::OpenThemeHandle();
    const VtUxTheme& t = UxTheme();
    FArrowThemeHandle = (ThemesAvailable() && t.OpenThemeData) ? t.OpenThemeData(wnd_, L"COMBOBOX") : nullptr;
}

void TCustomVtPopupButton::CloseThemeHandle() {
    TVtButtonControl::CloseThemeHandle();
    const VtUxTheme& t = UxTheme();
    if (FArrowThemeHandle && t.CloseThemeData) t.CloseThemeData(FArrowThemeHandle);
    FArrowThemeHandle = nullptr;
}

void TCustomVtPopupButton::AnnounceGroup() {
    HWND parent = wnd_ ? GetParent(wnd_) : nullptr;
    if (GroupIndex() == 0 || !parent) return;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, kVtGroupMessage, static_cast<WPARAM>(GroupIndex()), reinterpret_cast<LPARAM>(wnd_));
    }
}

void TCustomVtPopupButton::WMGroup(int group_index, HWND sender) {
    if (group_index != GroupIndex() || sender == wnd_) return;
    TCustomVtPopupButton* other = FromHandle(sender);
    if (!other) return;
    Apply(logic_.GroupPeerChanged(other->Down(), other->AllowAllUp()));
}

std::unique_ptr<TVtButtonActionLink> TCustomVtPopupButton::CreateActionLink(TVtAction& action) {
    return std::make_unique<TVtPopupButtonActionLink>(*this, action);
}

TVtPopupButtonActionLink::TVtPopupButtonActionLink(TCustomVtPopupButton& client, TVtAction& action)
    : TVtButtonActionLink(client, action), popup_(client) {}

void TVtPopupButtonActionLink::SetChecked(bool value) {
    if (!IsCheckedLinked() || popup_.Down() == value) return;
    popup_.FPopupClicksDisabled = true;
    try {
        popup_.SetDown(value);
    } catch (...) {
        popup_.FPopupClicksDisabled = false;
        throw;
    }
    popup_.FPopupClicksDisabled = false;
}

void TVtPopupButtonActionLink::SetImageIndex(int value) { popup_.SetImageIndex(value); }

void TVtPopupButtonActionLink::ActionChange(bool check_defaults) {
    TVtButtonActionLink::ActionChange(check_defaults);
    if (!action_) return;
    if (!check_defaults || popup_.ImageIndex() == -1) popup_.SetImageIndex(action_->ImageIndex());
    if (!check_defaults || !popup_.Down()) {
        popup_.FPopupClicksDisabled = true;
        popup_.SetDown(action_->Checked());
        popup_.FPopupClicksDisabled = false;
    }
}

void TCustomVtPopupButton::Loaded() {
    glyph_.SetUseImageList(FImages != nullptr && glyph_.UseImageList());
    glyph_.Invalidate();
    if (Down()) {
        logic_.down = false;
        SetDown(true);
    }
    Invalidate();
}

// Setters.

void TCustomVtPopupButton::SetAlignment(TAlignment value) { SetAndInvalidate(FAlignment, value); }

void TCustomVtPopupButton::SetDefault(bool value) {
    if (value == FDefault) return;
    FDefault = value;
    if (wnd_) {
        FIsActive = Focused();
        ApplyDefaultStyle(FIsActive || value);
        HWND parent = GetParent(wnd_);
        // The dialog manager's Enter goes to its default button.
        if (value && parent && IsDialogWindow(parent)) SendMessageA(parent, DM_SETDEFID, GetDlgCtrlID(wnd_), 0);
    }
    if (FDrawDefaultFrame) Invalidate();
}

void TCustomVtPopupButton::SetDrawDefaultFrame(bool value) {
    if (value == FDrawDefaultFrame) return;
    FDrawDefaultFrame = value;
    if (FDefault) Invalidate();
}

void TCustomVtPopupButton::SetDrawFocusFrame(bool value) {
    if (value == FDrawFocusFrame) return;
    FDrawFocusFrame = value;
    if (Focused()) Invalidate();
}

void TCustomVtPopupButton::SetPullDownMenu(HMENU menu) {
    FPullDownMenu = menu;
    FDisableAutoPopup = menu == nullptr;
}

void TCustomVtPopupButton::SetAllowAllUp(bool value) {
    if (value == logic_.allow_all_up) return;
    logic_.allow_all_up = value;
    AnnounceGroup();
}

void TCustomVtPopupButton::SetGroupIndex(int value) {
    if (value == logic_.group_index) return;
    logic_.group_index = value;
    AnnounceGroup();
}

void TCustomVtPopupButton::SetDown(bool value) {
    const PressOutcome out = logic_.SetDown(value);
    Apply(out);
}

void TCustomVtPopupButton::SetFlat(bool value) {
    if (value == logic_.flat) return;
    logic_.flat = value;
    if (value) FOldStyled = false;
    Invalidate();
}

void TCustomVtPopupButton::SetGlyph(HBITMAP bitmap) {
    glyph_.SetGlyph(bitmap);
    Invalidate();
}

void TCustomVtPopupButton::SetUseIcon(bool value) {
    if (value == glyph_.UseIcon()) return;
    glyph_.SetUseIcon(value);
    if (!glyph_.UseImageList()) Invalidate();
}

void TCustomVtPopupButton::SetImageIndex(int value) {
    if (value == glyph_.ImageIndex()) return;
    glyph_.SetImageIndex(value);
    if (glyph_.UseImageList()) Invalidate();
}

void TCustomVtPopupButton::SetUseImageList(bool value) {
    if (value == glyph_.UseImageList()) return;
    glyph_.SetUseImageList(value);
    Invalidate();
}

void TCustomVtPopupButton::SetImages(HIMAGELIST list) {
    if (list == FImages) return;
    const bool first = FImages == nullptr;
    FImages = list;
    glyph_.SetImageList(list);
    if (!list) {
        glyph_.SetUseImageList(false);
    } else if (first) {
        glyph_.SetUseImageList(true);
    }
    Invalidate();
}

void TCustomVtPopupButton::SetHotImages(HIMAGELIST list) {
    if (list == FHotImages) return;
    FHotImages = list;
    if (Hot()) glyph_.SetImageList(list ? list : FImages);
}

void TCustomVtPopupButton::SetDownImages(HIMAGELIST list) { FDownImages = list; }

void TCustomVtPopupButton::SetDisabledImages(HIMAGELIST list) {
    if (list == FDisabledImages) return;
    FDisabledImages = list;
    if (wnd_ && !IsWindowEnabled(wnd_)) glyph_.SetImageList(list ? list : FImages);
}

void TCustomVtPopupButton::SetLayout(TButtonLayout value) { SetAndInvalidate(FLayout, value); }

void TCustomVtPopupButton::SetMargin(int value) {
    if (value < -1) return;
    SetAndInvalidate(FMargin, value);
}

void TCustomVtPopupButton::SetNumGlyphs(int value) {
    if (value > 4) value = 4;
    if (value == glyph_.NumGlyphs()) return;
    glyph_.SetNumGlyphs(value);
    Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnHighlight(TColor value) {
    if (value == FShadowBtnHighlight) return;
    FShadowBtnHighlight = value;
    if (FShadowsUseCustom) Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnShadow(TColor value) {
    if (value == FShadowBtnShadow) return;
    FShadowBtnShadow = value;
    if (FShadowsUseCustom) Invalidate();
}

void TCustomVtPopupButton::SetShadowBtnDkShadow(TColor value) {
    if (value == FShadowBtnDkShadow) return;
    FShadowBtnDkShadow = value;
    if (FShadowsUseCustom) Invalidate();
}

void TCustomVtPopupButton::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    if (!FShadowsUseCustom) {
        const auto shades = IsSystemColor(value) ? std::nullopt : DeriveShadowColors(value);
        FShadowBtnHighlight = shades ? shades->highlight : clBtnHighlight;
        FShadowBtnDkShadow = shades ? shades->dark_shadow : cl3DDkShadow;
        FShadowBtnShadow = shades ? shades->shadow : clBtnShadow;
    }
    Invalidate();
}

void TCustomVtPopupButton::SetUseArrow(bool value) { SetAndInvalidate(logic_.use_arrow, value); }

void TCustomVtPopupButton::SetThinFrame(bool value) {
    if (value == FThinFrame) return;
    FThinFrame = value;
    if (value) FOldStyled = false;
    if (FOldStyled || ((Hot() || Focused()) && logic_.press_state != psPressed && logic_.press_state != psLatched)) {
        Invalidate();
    }
}

void TCustomVtPopupButton::SetOldStyled(bool value) {
    if (value == FOldStyled || (value && Flat())) return;
    FOldStyled = value;
    if (wnd_) RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TCustomVtPopupButton::SetIsHTML(bool value) {
    if (value == FIsHTML) return;
    FIsHTML = value;
    if (value) {
        FHTMLRender = std::make_unique<TVtHTMLRender>();
        FHTMLRender->OnImageNeeded = [this](TVtHTMLLayout&, const std::string& src, TVtHTMLImage& image) {
            image = TVtHTMLImage{};
            if (OnImageNeeded) OnImageNeeded(*this, src, image);
        };
    } else {
        FHTMLRender.reset();
    }
    FMultiLine = !FIsHTML && wnd_ && Caption().find("\r\n") != std::string::npos;
    Invalidate();
}

void TCustomVtPopupButton::SetLinkColor(TColor value) {
    if (value == FLinkColor) return;
    FLinkColor = value;
    // The renderer takes the link look when it is made.
    if (FIsHTML) {
        SetIsHTML(false);
        SetIsHTML(true);
    }
}

void TCustomVtPopupButton::SetLinkStyle(int value) {
    if (value == FLinkStyle) return;
    FLinkStyle = value;
    if (FIsHTML) {
        SetIsHTML(false);
        SetIsHTML(true);
    }
}

bool TCustomVtPopupButton::LinkAtClientPoint(POINT p, std::string& href) const {
    if (!FIsHTML || !FHTMLRender) return false;
    const POINT relative{p.x - FTextRect.left, p.y - FTextRect.top};
    return FHTMLRender->LinkAt(relative, {0, 0}, FTextRect, href);
}

void TCustomVtPopupButton::SetBackground(HBITMAP bitmap) {
    FBackground.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

void TCustomVtPopupButton::SetDownBackground(HBITMAP bitmap) {
    FDownBackground.reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

void TCustomVtPopupButton::SetBackgroundDrawBorder(bool value) {
    if (value == FBackgroundDrawBorder) return;
    FBackgroundDrawBorder = value;
    if (FBackground) Invalidate();
}

}  // namespace tv
