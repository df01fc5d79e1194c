#include "widgets/button/VtXPThemedControl.h"

#include "widgets/button/VtUxTheme.h"

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

void TVtXPThemedControl::OpenThemeHandle() {
    const VtUxTheme& t = UxTheme();
    FThemeHandle = (ThemesAvailable() && t.OpenThemeData) ? t.OpenThemeData(wnd_, ThemeClassName()) : nullptr;
}

void TVtXPThemedControl::CloseThemeHandle() {
    const VtUxTheme& t = UxTheme();
    if (ThemesAvailable() && FThemeHandle && t.CloseThemeData) t.CloseThemeData(FThemeHandle);
    FThemeHandle = nullptr;
}

void TVtXPThemedControl::ThemedWindowCreated() {
    if (FUseXPThemes && !IsThemed()) OpenThemeHandle();
}

void TVtXPThemedControl::ThemedWindowDestroyed() {
    if (IsThemed()) CloseThemeHandle();
}

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
