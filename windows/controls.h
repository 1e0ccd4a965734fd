#pragma once
// What the standard controls do not draw as the program wants: a picture button (the
// sharpest picture for its size, pressed and focused looks) and the focus ring that bars,
// boxes and buttons wear, visible on the blue windows.
#include "design.h"

#include <windows.h>

namespace win {

class Program;

// A control's id: this plus its index in the form's design (tools outside find it by that).
constexpr int kFirstControlId = 100;

void drawButton(const DRAWITEMSTRUCT& item, const rt::ControlDesign& design, Program& program,
                double scale);
// Two device pixels of amber at scale 1, wider as the window is zoomed.
void paintFocusRing(HWND control, double scale);

} // namespace win
