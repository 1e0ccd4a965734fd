#pragma once
// Lines and circles set pixel by pixel on a device-pixel grid, so that a figure drawn at
// any scale is a whole number of device pixels wide, the same all along, in pure colour.
// The pen is a square `pen` pixels wide whose middle sits on the pixel under each point
// of the path (Bresenham's line, the midpoint circle). What it covers comes out as
// rectangles, runs of pixels merged along the path, clipped to a width × height area.
#include <vector>

namespace rt {

struct PixelRect {
    int x, y, w, h;
    bool operator==(const PixelRect&) const = default;
};

// The pen a drawing at `scale` device pixels a logical pixel uses: never thinner than one.
int penWidth(double scale);

void rasterLine(double x1, double y1, double x2, double y2, int pen, int width, int height,
                std::vector<PixelRect>& out);
void rasterCircle(double cx, double cy, double r, int pen, int width, int height,
                  std::vector<PixelRect>& out);

} // namespace rt
