#include "ui/Form.h"

#include "platform/Rounding.h"
#include "platform/WindowDpi.h"
#include "platform/WindowProcedure.h"
#include "ui/FormColor.h"
#include "ui/FormPlacement.h"
#include "ui/Label.h"
#include "widgets/button/FormButtons.h"

namespace tv {

namespace {

// DLGTEMPLATE followed by empty menu, class and title arrays; must be DWORD-aligned.
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD window_class = 0;
    WORD title = 0;
    WORD padding = 0;
};

void RegisterFormClass(const FormFrame& frame, HINSTANCE instance) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, frame.window_class, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure<Form>;
    wc.cbWndExtra = kWindowObjectBytes;
    wc.hInstance = instance;
    if (frame.icon) wc.hIcon = LoadIconA(instance, frame.icon);
    if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = frame.window_class;
    RegisterClassExA(&wc);
}

// A dialog's answer goes into its message result, except where the dialog manager takes the
// procedure's return value itself (the colour messages' brush).
bool ReturnsResultDirectly(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

}  // namespace

void CentreWindow(HWND wnd, HWND reference) {
    RECT r{};
    GetWindowRect(wnd, &r);
    RECT ref{};
    if (!reference || !GetWindowRect(reference, &ref)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &ref, 0);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    int x = ref.left + ((ref.right - ref.left) - w) / 2;
    int y = ref.top + ((ref.bottom - ref.top) - h) / 2;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (x + w > work.right) x = work.right - w;
    if (y + h > work.bottom) y = work.bottom - h;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsFormDialogMessage(MSG& msg) {
    if (!msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    // Only a form's window: another window's extra bytes are no form's.
    if (!root || GetClassLongPtrA(root, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&WindowProcedure<Form>))
        return false;
    return IsDialogMessageA(root, &msg) != FALSE;
}

Form::~Form() { Destroy(); }

INT_PTR Form::ShowModal(HWND owner, const std::string& caption, HWND centre_over) {
    modal_ = true;
    caption_ = caption;
    centre_over_ = centre_over ? centre_over : owner;
    alignas(4) EmptyTemplate tmpl{};
    tmpl.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tmpl.header, owner, DialogProcedure<Form>,
                                   reinterpret_cast<LPARAM>(static_cast<Form*>(this)));
}

bool Form::Create(const FormFrame& frame, HWND owner, int show_command) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterFormClass(frame, instance);
    // Sized for the system's DPI: once on its monitor the window takes that one's (WM_CREATE).
    const Dpi system = SystemDpi();
    const SIZE client = ClientSizeAt(system);
    const SIZE size = WindowSizeForClient(client.cx, client.cy, frame.style, 0, system);
    CreateWindowExA(0, frame.window_class, frame.caption, frame.style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
                    owner, nullptr, instance, static_cast<Form*>(this));
    if (!wnd_) return false;
    ShowWindow(wnd_, show_command);
    UpdateWindow(wnd_);
    return true;
}

void Form::Close(INT_PTR result) {
    if (modal_)
        EndDialog(wnd_, result);
    else
        DestroyWindow(wnd_);
}

void Form::Destroy() {
    if (wnd_ && !modal_) DestroyWindow(wnd_);
}

void Form::OnCancel() { Close(IDCANCEL); }

HWND Form::SetUp(HWND wnd) {
    wnd_ = wnd;
    // The DPI of the monitor the window has come up on: what it is laid out for.
    dpi_ = DpiOfWindow(wnd_);
    if (!design_.fonts.empty()) fonts_ = FormFonts::For(design_.fonts, dpi_);
    CreateLabels(wnd_, design_.labels);
    HWND focus = OnCreate();
    if (modal_) KeepDialogScalingToItself(wnd_);
    // Sized for another DPI before it existed, or not sized at all (a dialog): the layout's size.
    const SIZE client = LayOut(dpi_);
    FitClientArea(wnd_, client.cx, client.cy);
    return focus;
}

SIZE Form::LayOut(Dpi dpi) {
    if (design_.fonts.empty()) return ClientSizeAt(dpi);
    const FormLayout layout = LayOutFormAt(wnd_, design_, dpi, fonts_);
    return SIZE{layout.client_width, layout.client_height};
}

SIZE Form::ClientSizeAt(Dpi dpi) const {
    return SIZE{dpi.Scale(design_.client_width), dpi.Scale(design_.client_height)};
}

bool Form::Resizable() const { return (GetWindowLongPtrA(wnd_, GWL_STYLE) & WS_THICKFRAME) != 0; }

bool Form::OnGetDpiScaledSize(WPARAM wp, LPARAM lp) const {
    // Asked before a move to a monitor of another scale: the size the layout will have there, so
    // that the suggested rectangle of the WM_DPICHANGED that follows needs no correction. A
    // resizable form's size is the user's: the system scales it.
    if (Resizable()) return false;
    const Dpi dpi(static_cast<int>(wp));
    return AnswerDpiScaledSize(wnd_, lp, ClientSizeAt(dpi), dpi);
}

void Form::OnDpiChanged(WPARAM wp, LPARAM lp) {
    const Dpi old = dpi_;
    dpi_ = DpiFromMessage(wp);
    SIZE client = LayOut(dpi_);
    if (Resizable()) {
        RECT now{};
        GetClientRect(wnd_, &now);
        const auto scaled = [&](LONG pixels) { return MulDivRound(pixels, dpi_.Value(), old.Value()); };
        client = {scaled(now.right), scaled(now.bottom)};
    }
    FinishDpiChange(wnd_, lp, client.cx, client.cy);
}

void Form::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(wnd_, focus)) focus_ = focus;
    } else if (focus_ && IsWindow(focus_)) {
        SetFocus(focus_);
    }
}

LRESULT Form::Dispatch(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = true;
    switch (msg) {
        case WM_COMMAND: {
            // Enter and Escape of the dialog manager are the default and cancel buttons' own clicks.
            if (RouteDialogCommand(wnd_, wp, lp)) return 0;
            const int id = LOWORD(wp);
            if (OnCommand(id, HIWORD(wp), reinterpret_cast<HWND>(lp))) return 0;
            if (id == IDCANCEL) {
                OnCancel();
                return 0;
            }
            break;
        }
        case WM_CLOSE:
            // A window's close box destroys it (the default); a dialog's is its Esc.
            if (!modal_) break;
            OnCancel();
            return 0;
        case WM_GETDPISCALEDSIZE:
            return OnGetDpiScaledSize(wp, lp);
        case WM_DPICHANGED:
            OnDpiChanged(wp, lp);
            return 0;
        case WM_GETMINMAXINFO: {
            const SIZE least = MinimumClientSizeAt(dpi_);
            if (least.cx <= 0 && least.cy <= 0) break;
            const auto style = static_cast<DWORD>(GetWindowLongPtrA(wnd_, GWL_STYLE));
            const auto ex_style = static_cast<DWORD>(GetWindowLongPtrA(wnd_, GWL_EXSTYLE));
            const SIZE outer = WindowSizeForClient(least.cx, least.cy, style, ex_style, dpi_);
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            info->ptMinTrackSize = {outer.cx, outer.cy};
            return 0;
        }
        case WM_ACTIVATE:
            if (modal_) break;
            OnActivate(LOWORD(wp) != WA_INACTIVE);
            return 0;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<LRESULT>(FormBrush());
        case WM_CTLCOLORSTATIC: {
            const HDC dc = reinterpret_cast<HDC>(wp);
            const LRESULT brush = LabelColors(dc);
            SetTextColor(dc, LabelTextColor(reinterpret_cast<HWND>(lp)));
            return brush;
        }
        case WM_SYSCOLORCHANGE:
            ForwardSysColorChange(wnd_);
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        default:
            break;
    }
    handled = false;
    return OnMessage(msg, wp, lp, handled);
}

LRESULT Form::HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE:
            wnd_ = wnd;
            break;
        case WM_CREATE:
            focus_ = SetUp(wnd);
            OnCreated();
            return 0;
        case WM_NCDESTROY:
            wnd_ = nullptr;
            break;
        default: {
            bool handled = false;
            const LRESULT result = Dispatch(msg, wp, lp, handled);
            if (handled) return result;
            break;
        }
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

INT_PTR Form::HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            modal_ = true;
            wnd_ = wnd;
            SetWindowTextA(wnd_, caption_.c_str());
            HWND focus = SetUp(wnd);
            CentreWindow(wnd_, centre_over_);
            OnCreated();
            if (focus) {
                SetFocus(focus);
                return FALSE;  // focus set by us
            }
            return TRUE;
        }
        case WM_NCDESTROY:
            wnd_ = nullptr;
            return FALSE;
        default:
            break;
    }
    bool handled = false;
    const LRESULT result = Dispatch(msg, wp, lp, handled);
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(msg)) return result;
    SetWindowLongPtrA(wnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace tv
