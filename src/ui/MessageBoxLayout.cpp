#include "ui/MessageBoxLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/ApplicationTitle.h"

namespace tv {

using namespace msgbox;

const std::vector<MsgButtonInfo>& MsgButtonTable() {
    static const std::vector<MsgButtonInfo> table = {
        {MsgButton::Yes, "&Yes", kIdYes, MsgResult::Yes},
        {MsgButton::No, "&No", kIdNo, MsgResult::No},
        {MsgButton::OK, "OK", kIdOk, MsgResult::OK},
        {MsgButton::Cancel, "Cancel", kIdCancel, MsgResult::Cancel},
        {MsgButton::Abort, "&Abort", kIdAbort, MsgResult::Abort},
        {MsgButton::Retry, "&Retry", kIdRetry, MsgResult::Retry},
        {MsgButton::Ignore, "&Ignore", kIdIgnore, MsgResult::Ignore},
        {MsgButton::All, "&All", kIdAll, MsgResult::All},
        {MsgButton::NoToAll, "N&o to All", kIdNoToAll, MsgResult::NoToAll},
        {MsgButton::YesToAll, "Yes to &All", kIdYesToAll, MsgResult::YesToAll},
        {MsgButton::Help, "&Help", kIdHelp, MsgResult::None},
    };
    return table;
}

const MsgButtonInfo& InfoOf(MsgButton kind) {
    for (const auto& info : MsgButtonTable())
        if (info.kind == kind) return info;
    return MsgButtonTable().front();  // unreachable: the table holds every kind
}

std::vector<MsgButtonInfo> ShownButtons(MsgButtons set) {
    std::vector<MsgButtonInfo> shown;
    for (const auto& info : MsgButtonTable())
        if (HasButton(set, info.kind)) shown.push_back(info);
    return shown;
}

std::optional<MsgButton> DefaultButton(MsgButtons set) {
    for (MsgButton b : {MsgButton::OK, MsgButton::Yes, MsgButton::Retry})
        if (HasButton(set, b)) return b;
    return std::nullopt;
}

std::optional<MsgButton> DefaultButton(MsgButtons set, std::optional<MsgButton> chosen) {
    if (chosen && HasButton(set, *chosen)) return chosen;
    return DefaultButton(set);
}

std::optional<MsgButton> CancelButton(MsgButtons set) {
    for (MsgButton b : {MsgButton::Cancel, MsgButton::No, MsgButton::OK})
        if (HasButton(set, b)) return b;
    return std::nullopt;
}

MsgResult ResultOfControlId(int id) {
    for (const auto& info : MsgButtonTable())
        if (info.control_id == id) return info.result;
    return MsgResult::None;
}

const char* KindCaption(MsgKind kind) {
    switch (kind) {
        case MsgKind::Warning:
            return "Warning";
        case MsgKind::Error:
            return "Error";
        case MsgKind::Information:
            return "Information";
        case MsgKind::Confirmation:
            return "Confirm";
        case MsgKind::Custom:
            break;
    }
    return kApplicationTitle;
}

bool KindHasIcon(MsgKind kind) { return kind != MsgKind::Custom; }

int ButtonWidth(const DialogUnits& du, const std::vector<int>& caption_widths, Dpi dpi) {
    int width = HorzUnits(du, kMinButtonWidth);
    for (int caption : caption_widths) width = std::max(width, caption + dpi.Scale(kCaptionPadding));
    return width;
}

int TextWrapWidth(int screen_width) { return screen_width / 2; }

MessageBoxLayout LayOutMessageBox(const DialogUnits& du, int text_width, int text_height, bool has_icon,
                                  const std::vector<int>& caption_widths, bool right_to_left, Dpi dpi) {
    const int horz_margin = HorzUnits(du, kHorzMargin);
    const int vert_margin = VertUnits(du, kVertMargin);
    const int horz_spacing = HorzUnits(du, kHorzSpacing);
    const int vert_spacing = VertUnits(du, kVertSpacing);
    const int button_height = VertUnits(du, kButtonHeight);
    const int button_spacing = HorzUnits(du, kButtonSpacing);

    MessageBoxLayout layout;
    const int icon_size = dpi.Scale(kIconSize);
    layout.button_width = ButtonWidth(du, caption_widths, dpi);

    int content_width = text_width;
    int content_height = text_height;
    if (has_icon) {
        content_width = horz_spacing + text_width + icon_size;
        content_height = std::max(text_height, icon_size);
    }
    const int count = static_cast<int>(caption_widths.size());
    const int row_width = count > 0 ? count * layout.button_width + (count - 1) * button_spacing : 0;

    layout.client_width = std::max(content_width, row_width) + 2 * horz_margin;
    layout.client_height = content_height + button_height + vert_spacing + 2 * vert_margin;

    if (has_icon) layout.icon = LayoutRect{horz_margin, vert_margin, icon_size, icon_size};
    const int text_left = has_icon ? horz_margin + icon_size + horz_spacing : horz_margin;
    layout.text = LayoutRect{text_left, vert_margin, text_width, text_height};
    // Half the margin: room for ink, too little for another word to fit and change the wrapping.
    const int ink_room = horz_margin / 2;
    layout.text_area = LayoutRect{text_left, vert_margin, text_width + ink_room, text_height};
    if (right_to_left) {
        layout.text.left = layout.client_width - layout.text.left - layout.text.width;
        layout.text_area.left = layout.text.left - ink_room;
    }

    int x = (layout.client_width - row_width) / 2;
    const int y = content_height + vert_margin + vert_spacing;
    for (int i = 0; i < count; ++i) {
        layout.buttons.push_back(LayoutRect{x, y, layout.button_width, button_height});
        x += layout.button_width + button_spacing;
    }
    return layout;
}

}  // namespace tv
