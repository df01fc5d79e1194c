#pragma once
// A designed window read from outside at one DPI: where its controls are, whether each label is as
// large as its text in the font its design names, and whether any text runs into a neighbour.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "ui/FormDesign.h"

namespace tv::e2e {

// The DPI this run expects the program at: TV_TEST_DPI, else the prefix's LogPixels, else 96.
Dpi ExpectedDpi();

// A font as a design names it, made in this process at dpi.
UniqueFont DesignedFontAt(const FontDesign& design, Dpi dpi);
// The system's message font at dpi, as the Message box uses it.
UniqueFont MessageFontAt(Dpi dpi);
// A line of text in a font: its width and the font's line height.
SIZE LineExtent(HFONT font, const std::string& text);

// A control's rectangle in its parent's client area.
LayoutRect RectInParent(HWND control);
SIZE ClientSizeOf(HWND wnd);

// Something on a window that text must not run into: a label's text or a control.
struct Box {
    std::string name;
    LayoutRect rect;
    bool is_text = false;
};

// Each text that overlaps another box or leaves the client area, as "a runs into b".
std::vector<std::string> TextCollisions(const std::vector<Box>& boxes, SIZE client);

// Every check of a designed form at dpi (client area, labels, controls, collisions); prints each
// label's width and the room it has to its right. Returns the boxes it found.
std::vector<Box> ExpectFormLaidOut(HWND form, const FormDesign& design, Dpi dpi, const char* form_name);

}  // namespace tv::e2e
