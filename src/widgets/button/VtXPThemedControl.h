#pragma once
// Base of every themed control: one theme handle per window, kept in step with the window's life
// and with theme changes.
#include <windows.h>
#include <uxtheme.h>

#include "platform/Dpi.h"
#include "platform/WindowProcedure.h"
#include "widgets/button/VtUxTheme.h"

namespace tv {

// Private query: a themed control answers with its theme handle.
inline constexpr UINT kVtGetThemeHandle = 0x0D5E;

// Made by its window procedure when the window is created, freed after the window has gone.
class TVtXPThemedControl : public WindowOwnedObject {
public:
    TVtXPThemedControl() = default;

    HWND Handle() const { return wnd_; }
    bool UseXPThemes() const { return use_xp_themes_; }
    virtual void SetUseXPThemes(bool value);
    HTHEME ThemeHandle() const { return theme_handle_.get(); }
    bool IsThemed() const { return use_xp_themes_ && theme_handle_; }
    // The DPI of the window's monitor, taken when the window learns it (creation, a new font, a
    // changed display scale); the theme handles are opened for it.
    Dpi CurrentDpi() const { return dpi_; }

protected:
    virtual const wchar_t* ThemeClassName() const = 0;
    virtual void CloseThemeHandle();
    virtual void OpenThemeHandle();

    // Hooks the window procedure calls.
    void ThemedWindowCreated();
    void ThemedWindowDestroyed();
    LRESULT OnThemeChanged();

    HWND wnd_ = nullptr;
    bool destroying_ = false;
    Dpi dpi_;

private:
    bool use_xp_themes_ = true;
    UniqueTheme theme_handle_;
};

}  // namespace tv
