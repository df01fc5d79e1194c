#pragma once
// Dialog units of a font, the measure the Message box and the Input prompt are laid out in: a
// horizontal unit is a quarter of the average character width, a vertical unit an eighth of the
// character height, each converted to pixels by multiplying and dividing with rounding.
namespace tv {

struct DialogUnits {
    int char_width = 0;
    int char_height = 0;
};

// Average character width from the width of the 52 letters "A".."Z", "a".."z" on one line.
int AverageCharWidth(int letters_width);
int HorzUnits(const DialogUnits& du, int units);
int VertUnits(const DialogUnits& du, int units);

}  // namespace tv
