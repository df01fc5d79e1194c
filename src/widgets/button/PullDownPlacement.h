#pragma once
// Where a popup button's pull-down menu opens, from the button's place on the screen.
#include "widgets/button/ArrangeContent.h"

namespace tv {

enum TVtPopupPlace { ppDown, ppRight, ppTop };

// The menu's top-left corner: below the button, right of it, or above it as high as a menu of
// item_count items of menu_bar_height each plus one edge.
LayoutPoint PullDownPoint(TVtPopupPlace place, const ContentRect& button_on_screen, int item_count, int menu_bar_height,
                          int edge_width);

}  // namespace tv
