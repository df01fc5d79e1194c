#pragma once
// The push button placed on every window: a plain button, a switch, a member of a group of
// exclusive buttons, a dialog's default or cancel button, or a button that drops down a menu.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Handles.h"
#include "widgets/button/PressLogic.h"
#include "widgets/button/VtBtnCtl.h"
#include "widgets/button/VtGlyphs.h"

namespace tv {

inline constexpr const char* kVtPopupButtonClass = "TVtPopupButton";
// The group announcement: wParam the group index, lParam the sender's window.
inline constexpr UINT kVtGroupMessage = 0xB018;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVtPopupPlace { ppDown, ppRight, ppTop };

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
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool DrawDefaultFrame() const { return FDrawDefaultFrame; }
    void SetDrawDefaultFrame(bool value);
    bool DrawFocusFrame() const { return FDrawFocusFrame; }
    void SetDrawFocusFrame(bool value);
    HMENU PullDownMenu() const { return FPullDownMenu; }
    void SetPullDownMenu(HMENU menu);
    // The context menu shown over a link of a markup caption.
    HMENU LinkPopupMenu() const { return FLinkPopupMenu; }
    void SetLinkPopupMenu(HMENU menu) { FLinkPopupMenu = menu; }
    // Pops the link menu at a screen point (the button's client origin when x is negative).
    void LinkPopup(POINT screen);
    TVtPopupPlace PopupPlace() const { return FPopupPlace; }
    void SetPopupPlace(TVtPopupPlace value) { FPopupPlace = value; }
    bool DisableAutoPopup() const { return FDisableAutoPopup; }
    void SetDisableAutoPopup(bool value) { FDisableAutoPopup = value; }
    bool AdjustSpaceForGlyph() const { return FAdjustSpaceForGlyph; }
    void SetAdjustSpaceForGlyph(bool value) { SetAndInvalidate(FAdjustSpaceForGlyph, value); }
    bool AllowAllUp() const { return logic_.allow_all_up; }
    void SetAllowAllUp(bool value);
    int GroupIndex() const { return logic_.group_index; }
    void SetGroupIndex(int value);
    bool Down() const { return logic_.down; }
    void SetDown(bool value);
    bool Flat() const { return logic_.flat; }
    virtual void SetFlat(bool value);
    void SetGlyph(HBITMAP bitmap);
    void SetIcon(HICON icon) { glyph_.SetIcon(icon); }
    bool UseIcon() const { return glyph_.UseIcon(); }
    void SetUseIcon(bool value);
    int ImageIndex() const { return glyph_.ImageIndex(); }
    void SetImageIndex(int value);
    bool UseImageList() const { return glyph_.UseImageList(); }
    void SetUseImageList(bool value);
    HIMAGELIST Images() const { return FImages; }
    void SetImages(HIMAGELIST list);
    void SetHotImages(HIMAGELIST list);
    void SetDownImages(HIMAGELIST list);
    void SetDisabledImages(HIMAGELIST list);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetAndInvalidate(FSpacing, value); }
    bool ShadowFollowsColor() const { return FShadowFollowsColor; }
    void SetShadowFollowsColor(bool value) { SetAndInvalidate(FShadowFollowsColor, value); }
    bool ShadowsUseCustom() const { return FShadowsUseCustom; }
    void SetShadowsUseCustom(bool value) { SetAndInvalidate(FShadowsUseCustom, value); }
    TColor ShadowBtnHighlight() const { return FShadowBtnHighlight; }
    TColor ShadowBtnShadow() const { return FShadowBtnShadow; }
    TColor ShadowBtnDkShadow() const { return FShadowBtnDkShadow; }
    void SetShadowBtnHighlight(TColor value);
    void SetShadowBtnShadow(TColor value);
    void SetShadowBtnDkShadow(TColor value);
    void SetColor(TColor value);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { SetAndInvalidate(FShowFocus, value); }
    bool ShowGlyph() const { return FShowGlyph; }
    void SetShowGlyph(bool value) { SetAndInvalidate(FShowGlyph, value); }
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value) { SetAndInvalidate(FShowText, value); }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool value) { SetAndInvalidate(FShowBorder, value); }
    bool UseArrow() const { return logic_.use_arrow; }
    virtual void SetUseArrow(bool value);
    bool IsSwitch() const { return logic_.is_switch; }
    void SetIsSwitch(bool value) { logic_.SetIsSwitch(value); }
    bool ThinFrame() const { return FThinFrame; }
    void SetThinFrame(bool value);
    bool OldStyled() const { return FOldStyled; }
    void SetOldStyled(bool value);
    TColor LinkColor() const { return FLinkColor; }
    virtual void SetLinkColor(TColor value);
    int LinkStyle() const { return FLinkStyle; }  // font style bits: 4 = underline
    virtual void SetLinkStyle(int value);
    bool IsHTML() const { return FIsHTML; }
    void SetIsHTML(bool value);
    TVtHTMLRender* HTMLRender() const { return FHTMLRender.get(); }
    void SetBackground(HBITMAP bitmap);
    void SetDownBackground(HBITMAP bitmap);
    void SetBackgroundDrawBorder(bool value);

    std::function<void(TCustomVtPopupButton&)> OnArrowClick;
    std::function<void(TCustomVtPopupButton&)> OnDblClick;
    std::function<void(TCustomVtPopupButton&, const std::string& href)> OnLinkClick;
    // Raised before the link menu pops, with the point in client coordinates; true means handled.
    std::function<bool(TCustomVtPopupButton&, POINT client)> OnContextPopup;
    std::function<void(TCustomVtPopupButton&, const std::string& src, TVtHTMLImage& image)> OnImageNeeded;

    // State read by painting and by the tests.
    PressState GetPressState() const { return logic_.press_state; }
    bool MouseInControl() const { return logic_.mouse_in_control; }
    bool ArrowHot() const { return logic_.arrow_hot; }
    bool IsActive() const { return FIsActive; }
    bool MultiLine() const { return FMultiLine; }
    RECT TextRect() const { return FTextRect; }
    HTHEME ArrowThemeHandle() const { return FArrowThemeHandle; }
    TVtButtonGlyph& Glyph() { return glyph_; }

    bool CheckedState() const override { return Down(); }
    void SetCheckedState(bool value) override { SetDown(value); }

    virtual int ArrowWidth() const;
    virtual void PerformClick(bool arrow);
    virtual void AnimateClick();
    virtual void ApplyDefaultStyle(bool on);
    // After a window set its buttons' properties: the steps a form file's loading ends with.
    void Loaded();

    // Paints the button into a device context of its client size.
    void Paint(HDC target);

protected:
    std::unique_ptr<TVtButtonActionLink> CreateActionLink(TVtAction& action) override;
    void CloseThemeHandle() override;
    void OpenThemeHandle() override;
    void NotifyClick() override;

private:
    friend class TVtPopupButtonActionLink;
    friend LRESULT CALLBACK VtPopupButtonWndProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    // Message handlers.
    LRESULT WMCreate();
    void WMDestroy();
    void WMPaint();
    LRESULT WMGetDlgCode(const MSG* msg);
    void WMLButtonDown(int x, int y, bool double_click);
    void WMMouseMove(int x, int y);
    void WMLButtonUp(int x, int y);
    void WMMouseLeave();
    void WMCaptureChanged();
    bool WMKeyDown(WPARAM key);
    bool WMKeyUp(WPARAM key);
    void WMSetFocus();
    void WMKillFocus();
    void WMEnable();
    void WMSetText();
    LRESULT WMGetObject(WPARAM wp, LPARAM lp);
    LRESULT WMContextMenu(WPARAM wp, LPARAM lp);
    void WMGroup(int group_index, HWND sender);
    void WMExitMenuLoop();
    void WMCancelPulldown();
    void ClickFromDialog();
    void EscapeToForm();
    bool LinkAtClientPoint(POINT p, std::string& href) const;

    void Apply(const PressOutcome& outcome);
    void MouseEnter();
    void MouseLeave();
    void ReevaluateHover();
    void AnnounceGroup();
    ClientSize Size() const;
    bool CanFocus() const;
    bool Focused() const { return wnd_ && GetFocus() == wnd_; }
    template <typename T>
    void SetAndInvalidate(T& field, T value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }

    // Painting steps.
    void FrameColours(COLORREF face, COLORREF& h, COLORREF& d, COLORREF& f, COLORREF& s) const;
    void DrawButtonFrame(HDC dc, RECT r, bool raised, bool down, COLORREF face, bool thin) const;
    COLORREF MoneyFlatFrameColour() const;
    COLORREF FaceColour() const;
    bool LooksDown() const { return logic_.LooksDown(); }
    bool Hot() const { return logic_.mouse_in_control || logic_.arrow_hot; }
    int ThemedState() const;

    PopupButtonLogic logic_;
    TVtButtonGlyph glyph_;
    HFONT font_ = nullptr;
    TAlignment FAlignment = taCenter;
    bool FDefault = false, FCancel = false;
    int FModalResult = 0;
    bool FDrawDefaultFrame = false, FDrawFocusFrame = false;
    HMENU FPullDownMenu = nullptr;
    HMENU FLinkPopupMenu = nullptr;
    TVtPopupPlace FPopupPlace = ppDown;
    bool FDisableAutoPopup = false;
    bool FAdjustSpaceForGlyph = true;
    HIMAGELIST FImages = nullptr, FHotImages = nullptr, FDownImages = nullptr, FDisabledImages = nullptr;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FShadowFollowsColor = true, FShadowsUseCustom = false;
    TColor FShadowBtnHighlight = clBtnHighlight, FShadowBtnShadow = clBtnShadow, FShadowBtnDkShadow = cl3DDkShadow;
    bool FShowFocus = true, FShowGlyph = true, FShowText = true, FShowBorder = true;
    bool FThinFrame = false, FOldStyled = false;
    TColor FLinkColor = 0xFF0000;
    int FLinkStyle = 4;
    bool FIsHTML = false;
    std::unique_ptr<TVtHTMLRender> FHTMLRender;
    UniqueBitmap FBackground, FDownBackground;
    bool FBackgroundDrawBorder = false;
    HTHEME FArrowThemeHandle = nullptr;
    bool FIsActive = false;
    bool FMultiLine = false;
    bool FIgnoreNextMouseDown = false;
    bool FTracking = false;
    bool FPopupClicksDisabled = false;
    RECT FTextRect{};
    // The off-screen bitmap is kept between paints of the same size (the bitmap is freed after the DC).
    UniqueBitmap paint_bitmap_;
    UniqueMemDc paint_dc_;
    SIZE paint_size_{};
};

// The popup button's link: a checked state pushed by the action swallows the click notifications
// it causes, and the action's image index becomes the button's.
class TVtPopupButtonActionLink : public TVtButtonActionLink {
public:
    TVtPopupButtonActionLink(TCustomVtPopupButton& client, TVtAction& action);
    void SetChecked(bool value) override;
    void SetImageIndex(int value) override;
    void ActionChange(bool check_defaults) override;

private:
    TCustomVtPopupButton& popup_;
};

// The published button; all behaviour is in the base.
class TVtPopupButton : public TCustomVtPopupButton {};

}  // namespace tv
