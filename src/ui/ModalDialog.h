#pragma once
// Base of the program's modal windows: a dialog with no template controls, laid out in code.
// The system's dialog manager gives Tab, Enter (default button), Esc (IDCANCEL) and access keys.
#include <windows.h>

#include <string>

#include "platform/Dpi.h"

namespace tv {

class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Shows the dialog modally (owner disabled meanwhile), centred over centre_over (or owner),
    // laid out at the DPI of its monitor, with a client area of client_width x client_height at
    // 96 dpi scaled to that DPI (unless LayOut says otherwise); returns the result passed to Close.
    INT_PTR ShowModal(HWND owner, const std::string& caption, int client_width, int client_height,
                      HWND centre_over = nullptr);

    HWND Handle() const { return wnd_; }
    Dpi CurrentDpi() const { return dpi_; }

    // Every message of the dialog, through the program's one window-procedure boundary.
    INT_PTR HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    void Close(INT_PTR result);

    // Create the child controls here; return the control that gets the focus (or nullptr).
    virtual HWND OnCreate() = 0;
    // Make the fonts for dpi and place every control in them; return the client size. Runs once
    // the controls exist and again whenever the dialog moves to a monitor of another scale. By
    // default: nothing placed, the client size given to ShowModal scaled.
    virtual SIZE LayOut(Dpi dpi);
    // The client size LayOut would give at dpi, without placing anything: asked before a move to
    // a monitor of another scale. By default the client size given to ShowModal scaled.
    virtual SIZE ClientSizeAt(Dpi dpi) const;
    // WM_COMMAND from a control, or IDOK / IDCANCEL from the dialog manager; true when handled.
    virtual bool OnCommand(int id, int code, HWND control) = 0;
    // Esc and the close box; by default closes with IDCANCEL.
    virtual void OnCancel() { Close(IDCANCEL); }
    // Any other message; set handled to answer it.
    virtual INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    virtual void OnDestroy() {}

private:
    void OnInitDialog(HWND wnd);
    void OnDpiChanged(WPARAM wp, LPARAM lp);

    HWND wnd_ = nullptr;
    HWND centre_over_ = nullptr;
    std::string caption_;
    int design_width_ = 0;
    int design_height_ = 0;
    Dpi dpi_;
};

// Centres a top-level window over another window (or the screen), kept inside the work area.
void CentreWindow(HWND wnd, HWND reference);

}  // namespace tv
