#include "surface.h"

#include "raster.h"
#include "text.h"

#include <algorithm>
#include <cmath>

namespace win {

namespace {

constexpr int kLetterMargin = 2; // device pixels round a letter's box: its antialiased edge

std::vector<rt::PixelRect> rasterOf(const rt::Drawn& d, const Placement& at) {
    std::vector<rt::PixelRect> rects;
    const double k = at.perTwip;
    const double x1 = at.origin.x + d.x1 * k, y1 = at.origin.y + d.y1 * k;
    if (d.kind == rt::Drawn::Line)
        rt::rasterLine(x1, y1, at.origin.x + d.x2 * k, at.origin.y + d.y2 * k, at.pen, at.width,
                       at.height, rects);
    else
        rt::rasterCircle(x1, y1, d.x2 * k, at.pen, at.width, at.height, rects);
    return rects;
}

POINT letterAt(const rt::Drawn& d, const Placement& at) {
    return {static_cast<LONG>(std::lround(at.origin.x + d.x1 * at.perTwip)),
            static_cast<LONG>(std::lround(at.origin.y + d.y1 * at.perTwip))};
}

} // namespace

void paintDrawing(HDC dc, const std::vector<rt::Drawn>& drawing, const Placement& at,
                  COLORREF letters) {
    const HGDIOBJ old = SelectObject(dc, at.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, letters);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    for (const rt::Drawn& d : drawing) {
        if (d.kind == rt::Drawn::Text) {
            const POINT p = letterAt(d, at);
            const std::wstring text = wide(d.text);
            TextOutW(dc, p.x, p.y, text.c_str(), static_cast<int>(text.size()));
            continue;
        }
        const HBRUSH brush = CreateSolidBrush(colorref(d.colour));
        for (const rt::PixelRect& r : rasterOf(d, at)) {
            const RECT rect{r.x, r.y, r.x + r.w, r.y + r.h};
            FillRect(dc, &rect, brush);
        }
        DeleteObject(brush);
    }
    SelectObject(dc, old);
}

RECT footprint(HDC dc, const std::vector<rt::Drawn>& drawing, const Placement& at) {
    RECT box{0, 0, 0, 0};
    const auto grow = [&box](RECT r) {
        if (r.left >= r.right || r.top >= r.bottom) return;
        if (IsRectEmpty(&box))
            box = r;
        else
            UnionRect(&box, &box, &r);
    };
    const HGDIOBJ old = SelectObject(dc, at.font);
    for (const rt::Drawn& d : drawing) {
        if (d.kind == rt::Drawn::Text) {
            const std::wstring text = wide(d.text);
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            const POINT p = letterAt(d, at);
            grow({p.x - kLetterMargin, p.y - kLetterMargin, p.x + size.cx + kLetterMargin,
                  p.y + size.cy + kLetterMargin});
        } else {
            for (const rt::PixelRect& r : rasterOf(d, at))
                grow({r.x, r.y, r.x + r.w, r.y + r.h});
        }
    }
    SelectObject(dc, old);
    return box;
}

} // namespace win
