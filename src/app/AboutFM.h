#pragma once
// The About box: name, icon, version and build date, and links to the homepage and support mail.
#include <windows.h>

#include "platform/Handles.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ToolTips.h"

namespace tv {

class TAboutForm : public Form {
public:
    TAboutForm();

    // Shows the box modally, centred over the main window; returns when it is closed.
    INT_PTR ShowModal(HWND main_window);

protected:
    HWND OnCreate() override;
    SIZE LayOut(Dpi dpi) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnCancel() override { Close(IDOK); }  // btnOK is the cancel button as well
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnDestroy() override { tips_.Destroy(); }
    COLORREF LabelTextColor(HWND label) const override;

private:
    // Puts the application's icon into ImageIcon.
    void FormCreate();
    // The icon in the size ImageIcon has at dpi: at creation and whenever the box moves to a
    // monitor of another scale.
    void ShowApplicationIcon(Dpi dpi);
    void lblURLClick();
    void lblEmailClick();
    bool OnSetCursor(HWND control);

    UniqueIcon icon_;  // loaded at the size of ImageIcon at icon_dpi_
    Dpi icon_dpi_;
    ToolTips tips_;
    HWND ImageIcon = nullptr;
    Label lblAppName, lblVersion, lblURL, lblEmail;
    HWND btnOK = nullptr;
};

}  // namespace tv
