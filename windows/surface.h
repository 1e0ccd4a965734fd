#pragma once
// A window's drawing on a device context: lines and circles set on the device-pixel grid
// by the core's raster, a pen of the rounded scale, pure colour; letters in the program's
// font. The same for the screen, a picture at 300 dpi and a printed page.
#include "picture.h"

#include <optional>
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

// Draws the items; `ink` (when given) takes the place of every line's, circle's and
// letter's own colour, as for paper.
void paintDrawing(HDC dc, const std::vector<rt::Drawn>& drawing, const Placement& at,
                  COLORREF letters, std::optional<COLORREF> ink = std::nullopt);

// The device pixels the items cover, a letter's antialiased edge included: what a repaint
// must cover to clear or draw them. Empty when nothing is drawn.
RECT footprint(HDC dc, const std::vector<rt::Drawn>& drawing, const Placement& at);

} // namespace win
