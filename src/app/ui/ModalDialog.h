#pragma once
// Base of the program's modal windows: a dialog with no template controls, laid out in code.
// The system's dialog manager gives Tab, Enter (default button), Esc (IDCANCEL) and access keys.
#include <windows.h>

#include <string>

namespace tv {

class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Shows the dialog modally (owner disabled meanwhile), centred over centre_over (or owner),
    // with the given client size; returns the result passed to Close.
    INT_PTR ShowModal(HWND owner, const std::string& caption, int client_width, int client_height,
                      HWND centre_over = nullptr);

    HWND Handle() const { return wnd_; }

    // Every message of the dialog, through the program's one window-procedure boundary.
    INT_PTR HandleDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    void Close(INT_PTR result);
    // Resizes the window so that its client area has the given size, keeping it centred.
    void SetClientSize(int width, int height);

    // Create the child controls here; return the control that gets the focus (or nullptr).
    virtual HWND OnCreate() = 0;
    // WM_COMMAND from a control, or IDOK / IDCANCEL from the dialog manager; true when handled.
    virtual bool OnCommand(int id, int code, HWND control) = 0;
    // Esc and the close box; by default closes with IDCANCEL.
    virtual void OnCancel() { Close(IDCANCEL); }
    // Any other message; set handled to answer it.
    virtual INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    virtual void OnDestroy() {}

private:
    void CentreOver(HWND reference);

    HWND wnd_ = nullptr;
    HWND centre_over_ = nullptr;
    std::string caption_;
    int client_width_ = 0;
    int client_height_ = 0;
};

// Centres a top-level window over another window (or the screen), kept inside the work area.
void CentreWindow(HWND wnd, HWND reference);

}  // namespace tv
