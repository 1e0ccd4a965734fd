#include "controls.h"

#include "interaction.h"
#include "program.h"
#include "text.h"

#include <cmath>
#include <string>

namespace win {

void paintFocusRing(HWND control, double scale) {
    const HDC dc = GetDC(control);
    RECT r{};
    GetClientRect(control, &r);
    const int width = rt::focusRingWidth(scale);
    const HBRUSH amber = CreateSolidBrush(colorref(rt::kFocusRingColour));
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &r, amber);
        InflateRect(&r, -1, -1);
    }
    DeleteObject(amber);
    ReleaseDC(control, dc);
}

void drawButton(const DRAWITEMSTRUCT& item, const rt::ControlDesign& design, Program& program,
                double scale) {
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    // The stored picture where a design pixel is one device pixel; its larger versions,
    // brought down to size, above that.
    const std::string file(design.picture);
    const std::string stem = file.substr(0, file.rfind('.'));
    HBITMAP picture = program.picture(file);
    if (scale > 1.01)
        if (HBITMAP large = program.picture(stem + (scale > 2.01 ? "@3x.png" : "@2x.png")))
            picture = large;
    BITMAP b{};
    if (picture && GetObjectW(picture, sizeof b, &b)) {
        BITMAP small{};
        GetObjectW(program.picture(file), sizeof small, &small);
        const int w = static_cast<int>(std::lround(small.bmWidth * scale));
        const int h = static_cast<int>(std::lround(small.bmHeight * scale));
        const int shift = pressed ? 1 : 0;
        const int x = (r.left + r.right - w) / 2 + shift, y = (r.top + r.bottom - h) / 2 + shift;
        const HDC memory = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(memory, picture);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, x, y, w, h, memory, 0, 0, b.bmWidth, b.bmHeight, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    if (item.itemState & ODS_FOCUS) paintFocusRing(item.hwndItem, scale);
}

} // namespace win
