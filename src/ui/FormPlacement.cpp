#include "ui/FormPlacement.h"

#include "ui/Label.h"

namespace tv {

void PlaceControl(HWND control, const LayoutRect& rect, HFONT font) {
    if (!control) return;
    if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void ApplyFormLayout(HWND form, const FormLayout& layout, const FormFonts& fonts) {
    SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[0]), FALSE);
    for (const PlacedLabel& placed : layout.labels) {
        HWND label = GetDlgItem(form, placed.id);
        if (!label) continue;
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[placed.font]), FALSE);
        PlaceLabel(label, placed.x, placed.y);
    }
    for (const PlacedControl& placed : layout.controls)
        PlaceControl(GetDlgItem(form, placed.id), placed.rect, fonts[placed.font]);
}

FormLayout LayOutFormAt(HWND form, const FormDesign& design, Dpi dpi, FormFonts& fonts) {
    const FormLayout layout = LayOutForm(design, dpi);
    if (fonts.MadeFor(dpi)) {
        ApplyFormLayout(form, layout, fonts);
        return layout;
    }
    FormFonts made = FormFonts::For(design.fonts, dpi);
    ApplyFormLayout(form, layout, made);
    fonts = std::move(made);  // the old fonts go once no control holds them
    return layout;
}

}  // namespace tv
