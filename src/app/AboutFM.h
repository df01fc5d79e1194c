#pragma once
// The About box: name, icon, version and build date, and links to the homepage and support mail.
#include <windows.h>

#include "ui/FormFont.h"
#include "ui/Label.h"
#include "ui/ModalDialog.h"
#include "ui/ToolTips.h"
#include "platform/Handles.h"

namespace tv {

class TAboutForm : public ModalDialog {
public:
    // Shows the box modally, centred over the main window; returns when it is closed.
    INT_PTR ShowModal(HWND main_window);

protected:
    HWND OnCreate() override;
    SIZE LayOut(Dpi dpi) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnCancel() override { Close(IDOK); }  // btnOK is the cancel button as well
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnDestroy() override { tips_.Destroy(); }

private:
    // Puts the application's icon into ImageIcon.
    void FormCreate();
    // The icon in the size ImageIcon has at dpi: at creation and whenever the box moves to a
    // monitor of another scale.
    void ShowApplicationIcon(Dpi dpi);
    void lblURLClick();
    void lblEmailClick();
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    bool OnSetCursor(HWND control);

    FormFonts fonts_;
    UniqueIcon icon_;  // loaded at the size of ImageIcon at icon_dpi_
    Dpi icon_dpi_;
    ToolTips tips_;
    HWND ImageIcon = nullptr;
    Label lblAppName, lblVersion, lblURL, lblEmail;
    HWND btnOK = nullptr;
};

}  // namespace tv
