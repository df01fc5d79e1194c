#include "widgets/button/VtXPThemedControl.h"

namespace tv {

void TVtXPThemedControl::SetUseXPThemes(bool value) {
    if (value == FUseXPThemes) return;
    FUseXPThemes = value;
    if (ThemesAvailable() && wnd_ && !destroying_) {
        if (value) {
            OpenThemeHandle();
        } else {
            CloseThemeHandle();
        }
        // The window keeps its handle; a full repaint shows the other look.
        RedrawWindow(wnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
    }
}

void TVtXPThemedControl::OpenThemeHandle() { FThemeHandle = OpenTheme(wnd_, ThemeClassName(), dpi_); }

void TVtXPThemedControl::CloseThemeHandle() { FThemeHandle.reset(); }

void TVtXPThemedControl::ThemedWindowCreated() {
    if (FUseXPThemes && !IsThemed()) OpenThemeHandle();
}

void TVtXPThemedControl::ThemedWindowDestroyed() { CloseThemeHandle(); }

LRESULT TVtXPThemedControl::WMThemeChanged() {
    if (ThemesAvailable() && FUseXPThemes) {
        CloseThemeHandle();
        OpenThemeHandle();
        SetWindowPos(wnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        RedrawWindow(wnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
    }
    return 1;
}

}  // namespace tv
