#include "e2e/dpi/DpiLayoutChecks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/Rounding.h"

namespace tv::e2e {

Dpi ExpectedDpi() {
    if (const char* value = std::getenv("TV_TEST_DPI"); value && std::atoi(value) > 0) return Dpi(std::atoi(value));
    DWORD pixels = 0;
    DWORD size = sizeof(pixels);
    if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", RRF_RT_REG_DWORD, nullptr, &pixels,
                     &size) == ERROR_SUCCESS)
        return Dpi(static_cast<int>(pixels));
    return Dpi(kDesignDpi);
}

UniqueFont DesignedFontAt(const FontDesign& design, Dpi dpi) {
    // The point rule worked out here, not taken from the program: -points * dpi / 72, rounded.
    const int height = -MulDivRound(design.points, dpi.Value(), 72);
    return UniqueFont(CreateFontA(height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE, design.underline, FALSE,
                                  design.ansi_charset ? ANSI_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, design.face));
}

UniqueFont MessageFontAt(Dpi dpi) {
    using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    const auto for_dpi = reinterpret_cast<ForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SystemParametersInfoForDpi")));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!for_dpi || !for_dpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi.Value())))
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

SIZE LineExtent(HFONT font, const std::string& text) {
    const UniqueMemDc dc(CreateCompatibleDC(nullptr));
    const SelectGuard select(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    return {size.cx, tm.tmHeight};
}

LayoutRect RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE ClientSizeOf(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return {r.right, r.bottom};
}

namespace {

bool Overlap(const LayoutRect& a, const LayoutRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::string TextOf(HWND wnd) {
    char text[512] = {};
    SendMessageA(wnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

// The room a box has to its right on its own lines: to the nearest box there, or the client edge.
int RoomToTheRight(const Box& box, const std::vector<Box>& boxes, int client_width) {
    int limit = client_width;
    const int right = box.rect.left + box.rect.width;
    for (const Box& other : boxes) {
        const bool same_lines =
            other.rect.top < box.rect.top + box.rect.height && box.rect.top < other.rect.top + other.rect.height;
        if (&other != &box && same_lines && other.rect.left >= right) limit = std::min(limit, other.rect.left);
    }
    return limit - right;
}

}  // namespace

std::vector<std::string> TextCollisions(const std::vector<Box>& boxes, SIZE client) {
    std::vector<std::string> found;
    for (const Box& text : boxes) {
        if (!text.is_text) continue;
        const LayoutRect& r = text.rect;
        if (r.left < 0 || r.top < 0 || r.left + r.width > client.cx || r.top + r.height > client.cy)
            found.push_back('"' + text.name + "\" leaves the client area");
        for (const Box& other : boxes)
            if (&other != &text && Overlap(r, other.rect))
                found.push_back('"' + text.name + "\" runs into \"" + other.name + '"');
    }
    return found;
}

std::vector<Box> ExpectFormLaidOut(HWND form, const FormDesign& design, Dpi dpi, const char* form_name) {
    const FormLayout layout = LayOutForm(design, dpi);
    const SIZE client = ClientSizeOf(form);
    EXPECT_EQ(client.cx, layout.client_width) << form_name;
    EXPECT_EQ(client.cy, layout.client_height) << form_name;
    std::vector<UniqueFont> fonts;
    for (const FontDesign& font : design.fonts) fonts.push_back(DesignedFontAt(font, dpi));

    std::vector<Box> boxes;
    for (const PlacedLabel& placed : layout.labels) {
        HWND label = GetDlgItem(form, placed.id);
        if (!label) {
            ADD_FAILURE() << form_name << ": no label " << placed.id;
            continue;
        }
        const std::string text = TextOf(label);
        // A label is as large as its text in its font (which the width tells apart from any other).
        const SIZE extent = LineExtent(fonts[static_cast<std::size_t>(placed.font)].get(), text);
        const LayoutRect expected = LabelRect(placed.x, placed.y, placed.anchor, extent.cx, extent.cy);
        EXPECT_EQ(RectInParent(label), expected) << form_name << ": \"" << text << '"';
        boxes.push_back({text, expected, true});
    }
    for (const PlacedControl& placed : layout.controls) {
        HWND control = GetDlgItem(form, placed.id);
        if (!control) {
            ADD_FAILURE() << form_name << ": no control " << placed.id;
            continue;
        }
        EXPECT_EQ(RectInParent(control), placed.rect) << form_name << ": " << TextOf(control);
        boxes.push_back({TextOf(control), placed.rect, false});
    }
    for (const std::string& collision : TextCollisions(boxes, client)) ADD_FAILURE() << form_name << ": " << collision;
    for (const Box& box : boxes) {
        if (!box.is_text) continue;
        std::printf("%s at %d dpi: \"%s\" %d wide, %d to spare on its right\n", form_name, dpi.Value(),
                    box.name.c_str(), box.rect.width, RoomToTheRight(box, boxes, client.cx));
    }
    return boxes;
}

}  // namespace tv::e2e
