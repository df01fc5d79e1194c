#include "widgets/button/VtXPThemedControl.h"

namespace tv {

void TVtXPThemedControl::SetUseXPThemes(bool value) {
    if (value == use_xp_themes_) return;
    use_xp_themes_ = value;
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

void TVtXPThemedControl::OpenThemeHandle() { theme_handle_ = OpenTheme(wnd_, ThemeClassName(), dpi_); }

void TVtXPThemedControl::CloseThemeHandle() { theme_handle_.reset(); }

void TVtXPThemedControl::ThemedWindowCreated() {
    if (use_xp_themes_ && !IsThemed()) OpenThemeHandle();
}

void TVtXPThemedControl::ThemedWindowDestroyed() { CloseThemeHandle(); }

LRESULT TVtXPThemedControl::OnThemeChanged() {
    if (ThemesAvailable() && use_xp_themes_) {
        CloseThemeHandle();
        OpenThemeHandle();
        SetWindowPos(wnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        RedrawWindow(wnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
    }
    return 1;
}

}  // namespace tv
