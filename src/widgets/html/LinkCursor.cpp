#include "widgets/html/LinkCursor.h"

namespace tv {

HCURSOR GetVtCursor(int number) {
    if (number != crVtLink) return nullptr;
    // Loaded once; shared cursors from resources are never destroyed.
    static const HCURSOR cursor = [] {
        HCURSOR loaded = LoadCursorA(GetModuleHandleA(nullptr), "URLCURSOR");
        return loaded ? loaded : LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
    }();
    return cursor;
}

}  // namespace tv
