#include "ui/DialogUnits.h"

#include "platform/Rounding.h"

namespace tv {

int AverageCharWidth(int letters_width) { return MulDivRound(letters_width, 1, 52); }

int HorzUnits(const DialogUnits& du, int units) { return MulDivRound(units, du.char_width, 4); }

int VertUnits(const DialogUnits& du, int units) { return MulDivRound(units, du.char_height, 8); }

}  // namespace tv
