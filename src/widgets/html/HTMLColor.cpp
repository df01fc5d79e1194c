#include "widgets/html/HTMLColor.h"

#include <array>
#include <cstdint>
#include <string>

#include "widgets/html/HTMLText.h"

namespace tv {

namespace {

struct NamedColor {
    std::string_view Name;
    TVtColor Value;
};

constexpr std::array<NamedColor, 42> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
}};

// The digits after "#": surrounding spaces, a sign and a "$" are accepted.
std::optional<std::uint32_t> HexNumber(std::string_view digits) {
    digits = TrimBlanks(digits);
    std::string text;
    std::size_t i = 0;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) text += digits[i++];
    if (i < digits.size() && digits[i] == '$') ++i;
    if (i >= digits.size()) return std::nullopt;
    text += '$';
    text += digits.substr(i);
    const auto value = TextToInt(text);
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

}  // namespace

std::optional<TVtColor> ColorFromName(std::string_view name) {
    for (const auto& color : kNamedColors)
        if (EqualsIgnoringAsciiCase(color.Name, name)) return color.Value;
    return std::nullopt;
}

TVtColor ParseHTMLColor(std::string_view value, TVtColor fallback, TVtColor current) {
    if (!value.empty() && value.front() == '#') {
        const auto number = HexNumber(value.substr(1));
        if (!number) return fallback;
        const std::uint32_t red = (*number >> 16) & 0xFF;
        const std::uint32_t green = (*number >> 8) & 0xFF;
        const std::uint32_t blue = *number & 0xFF;
        return (blue << 16) | (green << 8) | red;
    }
    std::string name(value);
    if (name.rfind("cl", 0) != 0) name = "cl" + name;
    return ColorFromName(name).value_or(current);
}

}  // namespace tv
