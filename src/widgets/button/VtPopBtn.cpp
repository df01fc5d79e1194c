// The popup button's window: class registration (the program's one window procedure makes the
// object and frees it) and the dispatch of each message to its handler.
#include "widgets/button/VtPopBtn.h"

#include <vsstyle.h>

#include <cstdlib>
#include <utility>

#include "platform/WindowDpi.h"
#include "platform/WindowProcedure.h"
#include "widgets/button/VtBtnAccessible.h"
#include "widgets/button/VtPopBtnActionLink.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

UINT CancelPulldownMessage() {
    static const UINT message = RegisterWindowMessageA("Vt - Cancel pulldown menu");
    return message;
}

void RegisterVtPopupButtonClass() {
    static const bool registered = [] {
        BindThemeLibrary();
        std::atexit(ReleaseThemeLibrary);  // the library goes when the program ends
        CancelPulldownMessage();           // registered once, at start-up
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS | CS_PARENTDC;
        // The button object lives in the window's extra bytes; GWLP_USERDATA stays the user's.
        wc.lpfnWndProc = WindowProcedure<TVtPopupButton, ObjectMadeByProcedure>;
        wc.cbWndExtra = kWindowObjectBytes;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kVtPopupButtonClass;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
}

TCustomVtPopupButton::TCustomVtPopupButton() {
    glyph_.OnChange = [this] {
        if (!glyph_.UseIcon() && !glyph_.UseImageList()) Invalidate();
    };
}

TCustomVtPopupButton::~TCustomVtPopupButton() = default;

TCustomVtPopupButton* TCustomVtPopupButton::FromHandle(HWND wnd) {
    char name[32] = {};
    if (!wnd || !GetClassNameA(wnd, name, sizeof(name)) || lstrcmpA(name, kVtPopupButtonClass) != 0) return nullptr;
    if (GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId()) return nullptr;
    return WindowObject<TVtPopupButton>(wnd);
}

LRESULT TCustomVtPopupButton::HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int x = static_cast<short>(LOWORD(lp));
    const int y = static_cast<short>(HIWORD(lp));
    switch (msg) {
        case WM_NCCREATE:
            wnd_ = wnd;
            break;
        case WM_CREATE:
            return OnCreate();
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            return OnNcDestroy(wp, lp);
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wp));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // everything is painted in one transfer
        case WM_SETFONT:
            // A window sets the font made for its DPI: the moment to take the DPI again.
            font_ = reinterpret_cast<HFONT>(wp);
            TakeDpi(false);
            if (LOWORD(lp)) Invalidate();
            return 0;
        case WM_DPICHANGED_AFTERPARENT:
            TakeDpi(true);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(wnd_, msg, wp, lp);
            OnSetText();
            return result;
        }
        case WM_GETDLGCODE:
            return OnGetDlgCode(reinterpret_cast<const MSG*>(lp));
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnLButtonDown(x, y, msg == WM_LBUTTONDBLCLK);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            Apply(logic_.OtherButtonPress());
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(x, y);
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(x, y);
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_CAPTURECHANGED:
            OnCaptureChanged();
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wp), LOWORD(lp))) return TRUE;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (OnKeyDown(wp)) return 0;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (OnKeyUp(wp)) return 0;
            break;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (OnChar(wp, msg == WM_SYSCHAR)) return 0;
            break;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(reinterpret_cast<HWND>(wp));
            return 0;
        case WM_ENABLE:
            OnEnable();
            return 0;
        case WM_MOVE:
            ButtonWindowMoved();
            return 0;
        case WM_SYSCOLORCHANGE:
            glyph_.Invalidate();
            Invalidate();
            return 0;
        case WM_THEMECHANGED:
            return OnThemeChanged();
        case kVtGetThemeHandle:
            return reinterpret_cast<LRESULT>(ThemeHandle());
        case kVtGroupMessage:
            OnGroup(static_cast<int>(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case BM_CLICK:
            // As the platform's button: a disabled button is not clicked.
            if (Enabled()) PerformClick(false);
            return 0;
        case BM_SETSTYLE:
            return OnSetStyle(wp, lp);
        case BM_GETSTATE:
            return OnGetState();
        case BM_GETCHECK:
            return Down() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            SetDown(wp == BST_CHECKED);
            return 0;
        case WM_CONTEXTMENU:
            return OnContextMenu(wp, lp);
        case WM_GETOBJECT:
            return OnGetObject(wp, lp);
        case WM_EXITMENULOOP:
            OnExitMenuLoop();
            break;
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_INITMENUPOPUP:
        case WM_MENUSELECT:
        case WM_MENUCHAR:
        case WM_HELP:
            return ForwardMenuMessage(msg, wp, lp);
        case WM_QUERYENDSESSION:
            return 1;
        case WM_UPDATEUISTATE:
        case WM_CHANGEUISTATE:
            return DefWindowProcA(wnd_, msg, wp, lp);
        default:
            if (msg == CancelPulldownMessage()) {
                OnCancelPulldown();
                return 0;
            }
            break;
    }
    return DefWindowProcA(wnd_, msg, wp, lp);
}

LRESULT TCustomVtPopupButton::OnCreate() {
    TakeDpi(false);
    ThemedWindowCreated();
    logic_.WindowCreated(default_);
    return 0;
}

void TCustomVtPopupButton::OnDestroy() {
    destroying_ = true;       // the system takes back a capture the window still holds
    ThemedWindowDestroyed();  // closes the arrow's theme handle with the button's
}

LRESULT TCustomVtPopupButton::OnNcDestroy(WPARAM wp, LPARAM lp) {
    // The window procedure frees the object when the outermost handler returns.
    HWND wnd = std::exchange(wnd_, nullptr);
    return DefWindowProcA(wnd, WM_NCDESTROY, wp, lp);
}

void TCustomVtPopupButton::OnPaint() {
    const PaintDc dc(wnd_);
    if (dc.get()) Paint(dc.get());
}

LRESULT TCustomVtPopupButton::OnSetStyle(WPARAM style, LPARAM redraw) {
    LONG_PTR current = GetWindowLongPtrA(wnd_, GWL_STYLE);
    current = (current & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | (style & BS_TYPEMASK);
    SetWindowLongPtrA(wnd_, GWL_STYLE, current);
    AnnounceState();
    if (redraw) Invalidate();
    return 0;
}

LRESULT TCustomVtPopupButton::OnGetState() const {
    LRESULT state = 0;
    if (Down()) state |= BST_CHECKED;
    if (LooksDown()) state |= BST_PUSHED;
    if (Focused()) state |= BST_FOCUS;
    if (Hot()) state |= BST_HOT;
    return state;
}

LRESULT TCustomVtPopupButton::OnGetObject(WPARAM wp, LPARAM lp) {
    if (static_cast<LONG>(lp) != static_cast<LONG>(OBJID_CLIENT)) return DefWindowProcA(wnd_, WM_GETOBJECT, wp, lp);
    // Accessibility clients see a standard push button.
    const LRESULT result = ButtonAccessibleResult(wnd_, wp);
    return result ? result : DefWindowProcA(wnd_, WM_GETOBJECT, wp, lp);
}

void TCustomVtPopupButton::TakeDpi(bool display_scale_changed) {
    const Dpi dpi = DpiOfWindow(wnd_);
    if (dpi == dpi_ && !display_scale_changed && metrics_taken_) return;
    dpi_ = dpi;
    metrics_taken_ = true;
    metrics_ = ButtonMetricsAt(dpi);
    logic_.SetDpi(dpi);
    if (html_render_) html_render_->SetDpi(dpi);
    // What was made for the old DPI is made again: the theme's parts and metrics, the fallback
    // font (when next needed), the glyph's state images and the off-screen bitmap.
    if (IsThemed()) {
        CloseThemeHandle();
        OpenThemeHandle();
    }
    default_font_.reset();
    glyph_.Invalidate();
    paint_dc_.reset();
    paint_bitmap_.reset();
    paint_size_ = {};
    UpdateArrowWidth();
    Invalidate();
}

HFONT TCustomVtPopupButton::FontInUse() {
    if (font_) return font_;
    // The stock GUI font is the system's, made for the system's DPI: the button draws with a copy
    // of its own at its window's DPI, and never deletes the stock one.
    if (!default_font_) {
        LOGFONTA stock{};
        if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock)) {
            stock.lfHeight = MulDivRound(stock.lfHeight, dpi_.Value(), SystemDpi().Value());
            default_font_.reset(CreateFontIndirectA(&stock));
        }
    }
    return default_font_ ? default_font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TCustomVtPopupButton::OpenThemeHandle() {
    TVtButtonControl::OpenThemeHandle();
    arrow_theme_handle_ = OpenTheme(wnd_, L"COMBOBOX", dpi_);
    UpdateArrowWidth();
}

void TCustomVtPopupButton::CloseThemeHandle() {
    TVtButtonControl::CloseThemeHandle();
    arrow_theme_handle_.reset();
    UpdateArrowWidth();
}

void TCustomVtPopupButton::UpdateArrowWidth() {
    arrow_width_ = metrics_.arrow_width;
    if (UseArrow() && arrow_theme_handle_) {
        // The theme's own drop-down part at the button's DPI, as a combo box there would have it.
        SIZE size{};
        const HRESULT hr =
            GetClassPartSize(L"COMBOBOX", nullptr, CP_DROPDOWNBUTTON, CBXS_NORMAL, nullptr, TS_TRUE, &size, dpi_);
        if (SUCCEEDED(hr)) arrow_width_ = size.cx;
    }
    logic_.SetArrowWidth(arrow_width_);
}

std::unique_ptr<TVtButtonActionLink> TCustomVtPopupButton::CreateActionLink(TVtAction& action) {
    return std::make_unique<TVtPopupButtonActionLink>(*this, action);
}

}  // namespace tv
