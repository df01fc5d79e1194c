#pragma once
// The base of every window of the program: the main window, the dialogs and the windows to come.
// A form states its design and its handlers; the base does the rest the same way for all of them:
// creates the window with the object attached (through the one window-procedure boundary), makes
// the design's fonts and labels for the DPI of the window's monitor and lays the design out at it,
// tells the system its size at a new DPI and lays itself out again when it gets there, and colours
// its labels.
//
// Shown modally a form is a dialog of the system's class: the dialog manager gives it Tab, Enter
// (the default button), Esc (IDCANCEL) and access keys. Created modeless it is a window of a class
// of its own, which the message loop passes to the dialog manager for the same keys
// (IsFormDialogMessage); it gives the focus back to the control that had it when it is activated
// again, and a resizable one keeps its own size across scales and may have a least size.
#include <windows.h>

#include <string>

#include "platform/Dpi.h"
#include "ui/FormDesign.h"
#include "ui/FormFont.h"

namespace tv {

// How a modeless form looks from outside.
struct FormFrame {
    const char* window_class = "";  // registered at the first creation
    const char* caption = "";
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // WS_THICKFRAME: resizable
    const char* icon = nullptr;  // resource name; the system's application icon when it has none
};

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Shows the form as a dialog (owner disabled meanwhile), centred over centre_over (or owner);
    // returns the result passed to Close.
    INT_PTR ShowModal(HWND owner, const std::string& caption, HWND centre_over = nullptr);
    // Creates and shows the form as a window owned by owner (nullptr: none); false when the window
    // cannot be created.
    bool Create(const FormFrame& frame, HWND owner, int show_command);

    HWND Handle() const { return wnd_; }
    Dpi CurrentDpi() const { return dpi_; }

    // Every message of the form, through the program's one window-procedure boundary: as a window
    // of its own class, and as a dialog.
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    // design: the form's controls at 96 dpi; a form without labels or controls there (a Message
    // box) places its own in LayOut and gives its size in ClientSizeAt.
    explicit Form(const FormDesign& design = {}) : design_(design) {}

    // A dialog ends with result; a window is destroyed.
    void Close(INT_PTR result);
    // Destroys a modeless form's window while the derived object still answers its messages.
    void Destroy();

    const FormDesign& Design() const { return design_; }
    // The design's fonts at the current DPI (nullptr for kNoFont).
    HFONT Font(int index) const { return fonts_[index]; }
    // The control that gets the focus when a modeless form is activated again.
    void SetActivationFocus(HWND control) { focus_ = control; }

    // Create the controls that are not the design's labels (those exist already, in the design's
    // fonts); return the control that gets the focus (or nullptr).
    virtual HWND OnCreate() = 0;
    // Runs once the controls are laid out, before a dialog shows and before a window is shown.
    virtual void OnCreated() {}
    // Place every control for dpi and return the client size: at creation and whenever the form
    // moves to a monitor of another scale. By default the design, in fonts made for dpi.
    virtual SIZE LayOut(Dpi dpi);
    // The client size at dpi without placing anything: asked before a move to a monitor of
    // another scale. By default the design's.
    virtual SIZE ClientSizeAt(Dpi dpi) const;
    // The least client size of a resizable form at dpi; zero: no least size.
    virtual SIZE MinimumClientSizeAt(Dpi) const { return {}; }
    // WM_COMMAND from a control, or IDOK / IDCANCEL from the dialog manager; true when handled.
    virtual bool OnCommand(int, int, HWND) { return false; }
    // Esc and the close box: a dialog closes with IDCANCEL, a window is destroyed.
    virtual void OnCancel();
    // Any other message; set handled to answer it.
    virtual LRESULT OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
        handled = false;
        return 0;
    }
    virtual void OnDestroy() {}
    // The text colour of a label; by default the window text's.
    virtual COLORREF LabelTextColor(HWND) const { return GetSysColor(COLOR_WINDOWTEXT); }

private:
    // What the two faces share; handled false: the face's default.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    // The window exists: fonts, labels, controls, the layout at its monitor's DPI.
    HWND SetUp(HWND wnd);
    bool Resizable() const;
    bool OnGetDpiScaledSize(WPARAM wp, LPARAM lp) const;
    void OnDpiChanged(WPARAM wp, LPARAM lp);
    void OnActivate(bool active);

    FormDesign design_;
    FormFonts fonts_;
    HWND wnd_ = nullptr;
    bool modal_ = false;
    HWND centre_over_ = nullptr;
    std::string caption_;
    HWND focus_ = nullptr;
    Dpi dpi_;
};

// Gives the dialog manager the keys of a modeless form (Tab, Enter, Esc, access keys); true when
// it has handled msg, which then is not to be dispatched.
bool IsFormDialogMessage(MSG& msg);

// Centres a top-level window over another window (or the screen), kept inside the work area.
void CentreWindow(HWND wnd, HWND reference);

}  // namespace tv
