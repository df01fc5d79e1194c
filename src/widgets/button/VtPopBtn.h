#pragma once
// The push button placed on every window: a plain button, a switch, a member of a group of
// exclusive buttons, a dialog's default or cancel button, or a button that drops down a menu.
// Its state machine is PopupButtonLogic; this class is the window around it, in parts:
// VtPopBtn.cpp (class and dispatch), VtPopBtnInput.cpp (mouse, keyboard, focus,
// capture, enable, groups), VtPopBtnClick.cpp (clicks and the dialog's default and cancel
// buttons), VtPopBtnMenu.cpp (pull-down and link menus), VtPopBtnProps.cpp (properties) and
// VtPopBtnPaint.cpp (painting).
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/Handles.h"
#include "platform/WindowDpi.h"  // WM_DPICHANGED_AFTERPARENT
#include "widgets/button/ButtonMetrics.h"
#include "widgets/button/PressLogic.h"
#include "widgets/button/PullDownPlacement.h"
#include "widgets/button/VtBtnCtl.h"
#include "widgets/button/VtGlyphs.h"

namespace tv {

inline constexpr const char* kVtPopupButtonClass = "TVtPopupButton";
// The group announcement: wParam the group index, lParam the sender's window.
inline constexpr UINT kVtGroupMessage = 0xB018;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Registers the window class (and binds the visual-style library) once per process.
void RegisterVtPopupButtonClass();
// The registered "Vt - Cancel pulldown menu" message.
UINT CancelPulldownMessage();

class TCustomVtPopupButton : public TVtButtonControl {
public:
    TCustomVtPopupButton();
    ~TCustomVtPopupButton() override;

    // The button object of a window of the class, or none.
    static TCustomVtPopupButton* FromHandle(HWND wnd);

    // Properties; each setter does nothing when the value is unchanged.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int value) { modal_result_ = value; }
    bool DrawDefaultFrame() const { return draw_default_frame_; }
    void SetDrawDefaultFrame(bool value);
    bool DrawFocusFrame() const { return draw_focus_frame_; }
    void SetDrawFocusFrame(bool value);
    HMENU PullDownMenu() const { return pull_down_menu_; }
    void SetPullDownMenu(HMENU menu);
    // The context menu shown over a link of a markup caption.
    HMENU LinkPopupMenu() const { return link_popup_menu_; }
    void SetLinkPopupMenu(HMENU menu) { link_popup_menu_ = menu; }
    // Pops the link menu at a screen point, or at the button's client origin when the menu was
    // asked for from the keyboard (no point).
    void LinkPopup(std::optional<POINT> screen);
    TVtPopupPlace PopupPlace() const { return popup_place_; }
    void SetPopupPlace(TVtPopupPlace value) { popup_place_ = value; }
    bool DisableAutoPopup() const { return disable_auto_popup_; }
    void SetDisableAutoPopup(bool value) { disable_auto_popup_ = value; }
    bool AdjustSpaceForGlyph() const { return adjust_space_for_glyph_; }
    void SetAdjustSpaceForGlyph(bool value) { SetAndInvalidate(adjust_space_for_glyph_, value); }
    bool AllowAllUp() const { return logic_.AllowAllUp(); }
    void SetAllowAllUp(bool value);
    int GroupIndex() const { return logic_.GroupIndex(); }
    void SetGroupIndex(int value);
    bool Down() const { return logic_.Down(); }
    void SetDown(bool value);
    bool Flat() const { return logic_.Flat(); }
    virtual void SetFlat(bool value);
    void SetGlyph(HBITMAP bitmap);
    void SetIcon(HICON icon) { glyph_.SetIcon(icon); }
    bool UseIcon() const { return glyph_.UseIcon(); }
    void SetUseIcon(bool value);
    int ImageIndex() const { return glyph_.ImageIndex(); }
    void SetImageIndex(int value);
    bool UseImageList() const { return glyph_.UseImageList(); }
    void SetUseImageList(bool value);
    HIMAGELIST Images() const { return images_; }
    void SetImages(HIMAGELIST list);
    void SetHotImages(HIMAGELIST list);
    void SetDownImages(HIMAGELIST list);
    void SetDisabledImages(HIMAGELIST list);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    // 1 to 4: values outside are brought to the nearer end.
    void SetNumGlyphs(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value) { SetAndInvalidate(spacing_, value); }
    bool ShadowFollowsColor() const { return shadow_follows_color_; }
    void SetShadowFollowsColor(bool value) { SetAndInvalidate(shadow_follows_color_, value); }
    bool ShadowsUseCustom() const { return shadows_use_custom_; }
    void SetShadowsUseCustom(bool value) { SetAndInvalidate(shadows_use_custom_, value); }
    TColor ShadowBtnHighlight() const { return shadow_btn_highlight_; }
    TColor ShadowBtnShadow() const { return shadow_btn_shadow_; }
    TColor ShadowBtnDkShadow() const { return shadow_btn_dk_shadow_; }
    void SetShadowBtnHighlight(TColor value);
    void SetShadowBtnShadow(TColor value);
    void SetShadowBtnDkShadow(TColor value);
    void SetColor(TColor value);
    bool ShowFocus() const { return show_focus_; }
    void SetShowFocus(bool value) { SetAndInvalidate(show_focus_, value); }
    bool ShowGlyph() const { return show_glyph_; }
    void SetShowGlyph(bool value) { SetAndInvalidate(show_glyph_, value); }
    bool ShowText() const { return show_text_; }
    void SetShowText(bool value) { SetAndInvalidate(show_text_, value); }
    bool ShowBorder() const { return show_border_; }
    void SetShowBorder(bool value) { SetAndInvalidate(show_border_, value); }
    bool UseArrow() const { return logic_.UseArrow(); }
    virtual void SetUseArrow(bool value);
    bool IsSwitch() const { return logic_.IsSwitch(); }
    void SetIsSwitch(bool value) { logic_.SetIsSwitch(value); }
    bool ThinFrame() const { return thin_frame_; }
    void SetThinFrame(bool value);
    bool OldStyled() const { return old_styled_; }
    void SetOldStyled(bool value);
    TColor LinkColor() const { return link_color_; }
    virtual void SetLinkColor(TColor value);
    int LinkStyle() const { return link_style_; }  // font style bits: 4 = underline
    virtual void SetLinkStyle(int value);
    bool IsHTML() const { return is_html_; }
    void SetIsHTML(bool value);
    TVtHTMLRender* HTMLRender() const { return html_render_.get(); }
    void SetBackground(HBITMAP bitmap);
    void SetDownBackground(HBITMAP bitmap);
    void SetBackgroundDrawBorder(bool value);
    // The pointer's shape over the button (none: the class's arrow); over a link of a markup
    // caption the link cursor shows instead.
    HCURSOR Cursor() const { return cursor_; }
    virtual void SetCursor(HCURSOR cursor);

    std::function<void(TCustomVtPopupButton&)> OnArrowClick;
    std::function<void(TCustomVtPopupButton&)> OnDblClick;
    std::function<void(TCustomVtPopupButton&, const std::string& href)> OnLinkClick;
    // Raised before the link menu pops, with the point in client coordinates; true means handled.
    std::function<bool(TCustomVtPopupButton&, POINT client)> OnContextPopup;
    std::function<void(TCustomVtPopupButton&, const std::string& src, TVtHTMLImage& image)> OnImageNeeded;

    // State read by painting and by the tests.
    PressState GetPressState() const { return logic_.State(); }
    bool MouseInControl() const { return logic_.MouseInControl(); }
    bool ArrowHot() const { return logic_.ArrowHot(); }
    bool IsActive() const { return logic_.IsActive(); }
    // The caption is drawn on several lines: it holds a line break and is no markup.
    bool MultiLine() const;
    RECT TextRect() const { return text_rect_; }
    HTHEME ArrowThemeHandle() const { return arrow_theme_handle_.get(); }
    TVtButtonGlyph& Glyph() { return glyph_; }
    // True while the button sends its own click notification (and not someone on its behalf).
    bool Notifying() const { return notifying_; }

    bool CheckedState() const override { return Down(); }
    void SetCheckedState(bool value) override { SetDown(value); }

    // Kept up to date when the theme or UseArrow changes, not measured per use.
    virtual int ArrowWidth() const { return arrow_width_; }
    virtual void PerformClick(bool arrow);
    virtual void AnimateClick();
    virtual void ApplyDefaultStyle(bool on);
    // A link of the markup caption was clicked: raises OnLinkClick.
    virtual void LinkClicked(const std::string& href);
    // The dialog manager's Enter or Escape for this button: its own click when it can take the focus.
    void ClickFromDialog();
    // The form's focus moved (to this button, another one, or another control): the focused button
    // is the active one and carries the default look; with the focus on no button, the Default
    // button carries it.
    void FocusMovedTo(HWND focus);
    // After a window has set the button's properties all at once: the glyph is built for them, and
    // a button set down goes down again through the setter, so that its group hears of it.
    void Loaded();

    // Paints the button into a device context of its client size.
    void Paint(HDC target);

    // Every message of the window, from the window procedure.
    LRESULT HandleMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    std::unique_ptr<TVtButtonActionLink> CreateActionLink(TVtAction& action) override;
    void CloseThemeHandle() override;
    void OpenThemeHandle() override;
    void NotifyClick() override;
    void DispatchClick() override { PerformClick(false); }

private:
    friend class TVtPopupButtonActionLink;
    struct PaintContext;

    // Dispatch (VtPopBtn.cpp). Every public operation that runs handlers (a click, the menus)
    // holds a Running scope, as the window procedure does for every message: a window destroyed
    // meanwhile frees the object only when the outermost of them ends.
    LRESULT OnCreate();
    void OnDestroy();
    LRESULT OnNcDestroy(WPARAM wp, LPARAM lp);
    void OnPaint();
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnGetState() const;
    LRESULT OnGetObject(WPARAM wp, LPARAM lp);
    void UpdateArrowWidth();
    // Takes the DPI of the window's monitor and, when it changed (or the display scale did),
    // rescales the measures and makes again what was made for the old one; then repaints.
    void TakeDpi(bool display_scale_changed);
    // The font set by the window, else the stock GUI font at the button's DPI.
    HFONT FontInUse();

    // Input (VtPopBtnInput.cpp).
    LRESULT OnGetDlgCode(const MSG* msg);
    void OnLButtonDown(int x, int y, bool double_click);
    void OnMouseMove(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnMouseLeave();
    void OnCaptureChanged();
    bool OnKeyDown(WPARAM key);
    bool OnKeyUp(WPARAM key);
    bool OnChar(WPARAM ch, bool system);
    void OnSetFocus();
    void OnKillFocus(HWND next);
    void OnEnable();
    void OnSetText();
    bool OnSetCursor(HWND target, int hit);
    void OnGroup(int group_index, HWND sender);
    void Apply(const PressOutcome& outcome);
    void AnnounceState();
    void MouseEnter();
    void MouseLeave();
    bool HoverRepaints() const;
    void ReevaluateHover();
    void AnnounceGroup();
    ClientSize Size() const;
    // Where the pointer is, in the button's client coordinates.
    POINT CursorInClient() const;
    bool Enabled() const { return wnd_ && IsWindowEnabled(wnd_); }
    bool Focused() const { return wnd_ && GetFocus() == wnd_; }
    bool LinkAtClientPoint(POINT p, std::string& href) const;
    bool PointerOverLink() const;

    // Clicks and the dialog (VtPopBtnClick.cpp).
    void SetFormModalResult();
    void EscapeToForm();
    bool OfferAccessKey(char typed);
    void TellDialogDefault(bool is_default);

    // Menus (VtPopBtnMenu.cpp).
    void ShowPullDownMenu(bool arrow);
    void OnExitMenuLoop();
    void OnCancelPulldown();
    LRESULT OnContextMenu(WPARAM wp, LPARAM lp);
    LRESULT ForwardMenuMessage(UINT msg, WPARAM wp, LPARAM lp);

    template <typename T>
    void SetAndInvalidate(T& field, T value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }

    // Painting steps (VtPopBtnPaint.cpp), in the order Paint runs them.
    bool PrepareBitmap(HDC target, PaintContext& p);
    void PaintParentBackground(PaintContext& p);
    void TakeLook(PaintContext& p) const;
    void SelectFontAndFace(PaintContext& p);
    void PaintBackground(HDC target, PaintContext& p);
    void PaintDefaultOrFocusFrame(PaintContext& p);
    void PaintThemedBody(PaintContext& p);
    void PaintClassicBody(PaintContext& p);
    void PaintFlatBody(PaintContext& p);
    void PaintClassicArrow(PaintContext& p);
    POINT ContentOffset(const PaintContext& p) const;
    HIMAGELIST ShownImages(const PaintContext& p) const;
    void SetMarkupDefaults(const PaintContext& p);
    void PaintContent(PaintContext& p);
    void PaintFocusRectangle(const PaintContext& p);
    void TakeArrowWidth(PaintContext& p) const;
    void FrameColours(COLORREF face, COLORREF& h, COLORREF& d, COLORREF& f, COLORREF& s) const;
    void DrawButtonFrame(HDC dc, RECT r, bool raised, bool down, COLORREF face, bool thin) const;
    COLORREF MoneyFlatFrameColour(const PaintContext& p) const;
    COLORREF FaceColour() const;
    bool LooksDown() const { return logic_.LooksDown(); }
    bool Hot() const { return logic_.Hot(); }
    int ThemedState(const PaintContext& p) const;
    static bool MultiLineCaption(const std::string& caption, bool is_html);

    PopupButtonLogic logic_;
    TVtButtonGlyph glyph_;
    HFONT font_ = nullptr;
    TAlignment alignment_ = taCenter;
    bool default_ = false, cancel_ = false;
    int modal_result_ = 0;
    bool draw_default_frame_ = false, draw_focus_frame_ = false;
    HMENU pull_down_menu_ = nullptr;
    HMENU link_popup_menu_ = nullptr;
    TVtPopupPlace popup_place_ = ppDown;
    bool disable_auto_popup_ = false;
    bool adjust_space_for_glyph_ = true;
    HIMAGELIST images_ = nullptr, hot_images_ = nullptr, down_images_ = nullptr, disabled_images_ = nullptr;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool shadow_follows_color_ = true, shadows_use_custom_ = false;
    TColor shadow_btn_highlight_ = clBtnHighlight, shadow_btn_shadow_ = clBtnShadow;
    TColor shadow_btn_dk_shadow_ = cl3DDkShadow;
    bool show_focus_ = true, show_glyph_ = true, show_text_ = true, show_border_ = true;
    bool thin_frame_ = false, old_styled_ = false;
    TColor link_color_ = 0xFF0000;
    int link_style_ = 4;
    bool is_html_ = false;
    std::unique_ptr<TVtHTMLRender> html_render_;
    UniqueBitmap background_, down_background_;
    bool background_draw_border_ = false;
    UniqueTheme arrow_theme_handle_;
    ButtonMetrics metrics_;
    bool metrics_taken_ = false;
    int arrow_width_ = metrics_.arrow_width;
    // The font drawn with until a window sets one: the stock GUI font at the button's DPI.
    UniqueFont default_font_;
    HCURSOR cursor_ = nullptr;
    bool popup_clicks_disabled_ = false;
    bool notifying_ = false;
    RECT text_rect_{};
    // The accessible state last announced (pressed, unavailable, default).
    long announced_state_ = 0;
    // The off-screen bitmap is kept between paints of the same size (the bitmap is freed after the DC).
    UniqueBitmap paint_bitmap_;
    UniqueMemDc paint_dc_;
    SIZE paint_size_{};
};

// The button the windows create; all its behaviour is in the base, which a test may derive from.
class TVtPopupButton : public TCustomVtPopupButton {};

}  // namespace tv
