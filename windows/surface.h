#pragma once
// A window's drawing on the screen: lines and circles set on the device-pixel grid by the
// core's raster, a pen of the rounded scale, pure colour; letters in the program's font;
// everything in the drawing's order, which puts the letters on top. (Paper takes the
// core's picture as ink instead: see worksheet.cpp.)
#include "picture.h"

#include <vector>
#include <windows.h>

namespace win {

struct Placement {
    double perTwip;    // device pixels a twip
    POINT origin;      // where the twips' (0, 0) falls
    int width, height; // the device area drawn on
    int pen;           // the width of lines and circles in device pixels
    HFONT font;        // the letters' font at this scale
};

// Draws the items, the letters in `letters`.
void paintDrawing(HDC dc, const std::vector<rt::Drawn>& drawing, const Placement& at,
                  COLORREF letters);

// The device pixels the items cover, a letter's antialiased edge included: what a repaint
// must cover to clear or draw them. Empty when nothing is drawn.
RECT footprint(HDC dc, const std::vector<rt::Drawn>& drawing, const Placement& at);

} // namespace win
