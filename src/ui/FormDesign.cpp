#include "ui/FormDesign.h"

namespace tv {

FormLayout LayOutForm(const FormDesign& design, Dpi dpi) {
    FormLayout layout;
    layout.client_width = dpi.Scale(design.client_width);
    layout.client_height = dpi.Scale(design.client_height);
    for (const FontDesign& font : design.fonts) layout.font_heights.push_back(dpi.FontHeight(font.points));
    for (const LabelDesign& label : design.labels)
        layout.labels.push_back({label.id, dpi.Scale(label.x), dpi.Scale(label.y), label.anchor, label.font});
    for (const ControlDesign& control : design.controls) {
        const DesignRect r = ScaleRect(control.rect, dpi);
        layout.controls.push_back({control.id, LayoutRect{r.x, r.y, r.width, r.height}, control.font});
    }
    return layout;
}

LayoutRect LabelRect(int x, int y, LabelAnchor anchor, int text_width, int text_height) {
    const int left = anchor == LabelAnchor::Right ? x - text_width : x;
    return {left, y, text_width, text_height};
}

const LabelDesign* FindLabel(const FormDesign& design, int id) {
    for (const LabelDesign& label : design.labels)
        if (label.id == id) return &label;
    return nullptr;
}

const ControlDesign* FindControl(const FormDesign& design, int id) {
    for (const ControlDesign& control : design.controls)
        if (control.id == id) return &control;
    return nullptr;
}

}  // namespace tv
