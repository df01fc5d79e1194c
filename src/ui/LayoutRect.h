#pragma once
// A rectangle of a layout in client pixels: where a form's layout step puts a control.
namespace tv {

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

}  // namespace tv
