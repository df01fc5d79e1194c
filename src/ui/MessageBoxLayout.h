#pragma once
// The Message box's arithmetic: which buttons, in which order, and where everything goes.
// Every measure is in dialog units of the box's font, converted to pixels here.
#include <optional>
#include <string>
#include <vector>

#include "platform/Dpi.h"
#include "platform/Rounding.h"
#include "ui/DialogUnits.h"
#include "ui/LayoutRect.h"
#include "ui/MessageBoxTypes.h"

namespace tv {

// Control ids of the box. The buttons carry the system's dialog result ids (IDOK, IDYES, ...),
// so the dialog manager's Enter and Esc handling and outside automation understand them.
namespace msgbox {
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
inline constexpr int kIdHelp = 9;
inline constexpr int kIdAll = 12;
inline constexpr int kIdNoToAll = 13;
inline constexpr int kIdYesToAll = 14;
inline constexpr int kIdText = 100;
inline constexpr int kIdIcon = 101;

// Fixed measures, in dialog units.
inline constexpr int kHorzMargin = 8;
inline constexpr int kVertMargin = 8;
inline constexpr int kHorzSpacing = 10;
inline constexpr int kVertSpacing = 10;
inline constexpr int kButtonHeight = 14;
inline constexpr int kButtonSpacing = 4;
inline constexpr int kMinButtonWidth = 50;
inline constexpr int kCaptionPadding = 8;  // pixels at 96 dpi added to a caption's measured width
inline constexpr int kIconSize = 32;       // pixels at 96 dpi
}  // namespace msgbox

struct MsgButtonInfo {
    MsgButton kind;
    const char* caption;  // "&" marks the access key
    int control_id;
    MsgResult result;  // None for Help, which gives no result
};

// The button kinds in their fixed order.
const std::vector<MsgButtonInfo>& MsgButtonTable();
const MsgButtonInfo& InfoOf(MsgButton kind);
// The shown buttons of a set, in the fixed order.
std::vector<MsgButtonInfo> ShownButtons(MsgButtons set);
// Enter: OK, else Yes, else Retry. Esc and the close box: Cancel, else No, else OK.
std::optional<MsgButton> DefaultButton(MsgButtons set);
// Enter for a box that names its own default: that button when it is shown, else the rule above.
std::optional<MsgButton> DefaultButton(MsgButtons set, std::optional<MsgButton> chosen);
std::optional<MsgButton> CancelButton(MsgButtons set);
// The result a control id stands for; None for ids that are no result.
MsgResult ResultOfControlId(int id);

// Caption by kind; the custom kind carries the application title. Only the custom kind has no icon.
const char* KindCaption(MsgKind kind);
bool KindHasIcon(MsgKind kind);

// One width for all buttons: 50 horizontal units, or the widest caption plus 8 pixels (scaled).
int ButtonWidth(const DialogUnits& du, const std::vector<int>& caption_widths, Dpi dpi = Dpi{});
// The text is wrapped within at most half the screen width.
int TextWrapWidth(int screen_width);

struct MessageBoxLayout {
    int client_width = 0;
    int client_height = 0;
    std::optional<LayoutRect> icon;
    LayoutRect text;       // the text as measured
    LayoutRect text_area;  // where its label may paint: a little into the far margin, for glyphs
                           // whose ink reaches past their measured width
    int button_width = 0;
    std::vector<LayoutRect> buttons;  // one per caption width, left to right
};

// text_width / text_height: the text as measured word-wrapped; caption_widths: each shown
// button's caption on one line, in button order. right_to_left mirrors the text in the client area.
// The units come from the font, which is made for the box's DPI; the measures given in pixels
// (icon, caption padding) are scaled to dpi.
MessageBoxLayout LayOutMessageBox(const DialogUnits& du, int text_width, int text_height, bool has_icon,
                                  const std::vector<int>& caption_widths, bool right_to_left = false, Dpi dpi = Dpi{});

}  // namespace tv
