#include "ui/HandCursor.h"

namespace tv {

namespace {

// The program's one cursor table entry: the hand-point cursor.
HCURSOR& HandPointSlot() {
    static HCURSOR cursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    return cursor;
}

}  // namespace

HCURSOR HandPointCursor() { return HandPointSlot(); }

void InstallSystemHandCursor() {
    // System cursors are shared: nothing to free later.
    if (HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND))) HandPointSlot() = hand;
}

}  // namespace tv
