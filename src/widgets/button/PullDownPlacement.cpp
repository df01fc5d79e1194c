#include "widgets/button/PullDownPlacement.h"

namespace tv {

LayoutPoint PullDownPoint(TVtPopupPlace place, const ContentRect& button, int item_count, int menu_bar_height,
                          int edge_width) {
    switch (place) {
        case ppRight:
            return {button.left + button.Width(), button.top - 1};
        case ppTop:
            return {button.left - 1, button.top - menu_bar_height * item_count - edge_width};
        case ppDown:
        default:
            return {button.left - 1, button.top + button.Height()};
    }
}

}  // namespace tv
