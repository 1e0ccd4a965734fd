#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rt {

namespace {

// Collects the pen's squares, merging each with the run before it when they continue a
// row or a column.
class Pen {
  public:
    Pen(int pen, int width, int height, std::vector<PixelRect>& out)
        : pen_(pen), width_(width), height_(height), out_(out), first_(out.size()) {}

    void dot(long x, long y) {
        const long x0 = x - (pen_ - 1) / 2, y0 = y - (pen_ - 1) / 2;
        const long l = std::max(0L, x0), t = std::max(0L, y0);
        const long r = std::min<long>(width_, x0 + pen_), b = std::min<long>(height_, y0 + pen_);
        if (l >= r || t >= b) return;
        PixelRect p{int(l), int(t), int(r - l), int(b - t)};
        if (out_.size() > first_) {
            // A wider pen's squares overlap along a row or a column: one run holds both.
            PixelRect& last = out_.back();
            if (last.y == p.y && last.h == p.h && p.x <= last.x + last.w && last.x <= p.x + p.w) {
                const int right = std::max(last.x + last.w, p.x + p.w);
                last.x = std::min(last.x, p.x);
                last.w = right - last.x;
                return;
            }
            if (last.x == p.x && last.w == p.w && p.y <= last.y + last.h && last.y <= p.y + p.h) {
                const int bottom = std::max(last.y + last.h, p.y + p.h);
                last.y = std::min(last.y, p.y);
                last.h = bottom - last.y;
                return;
            }
            // On a diagonal step the squares still overlap: painted twice, same colour.
        }
        out_.push_back(p);
    }

  private:
    int pen_, width_, height_;
    std::vector<PixelRect>& out_;
    std::size_t first_;
};

} // namespace

int penWidth(double scale) {
    return std::max(1, static_cast<int>(std::lround(scale)));
}

void rasterLine(double x1, double y1, double x2, double y2, int pen, int width, int height,
                std::vector<PixelRect>& out) {
    // Clip to the area and a pen's margin first: a figure can reach far outside the window.
    const double m = pen + 1;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double edges[4][2] = {
        {-dx, x1 + m}, {dx, width + m - x1}, {-dy, y1 + m}, {dy, height + m - y1}};
    for (const auto& [p, q] : edges) {
        if (p == 0) {
            if (q < 0) return;
        } else if (const double t = q / p; p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return;
    long ax = std::lround(std::floor(x1 + t0 * dx)), ay = std::lround(std::floor(y1 + t0 * dy));
    const long bx = std::lround(std::floor(x1 + t1 * dx));
    const long by = std::lround(std::floor(y1 + t1 * dy));
    const long sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    const long ex = std::labs(bx - ax), ey = -std::labs(by - ay);
    long err = ex + ey;
    Pen brush(pen, width, height, out);
    for (;;) {
        brush.dot(ax, ay);
        if (ax == bx && ay == by) break;
        const long e2 = 2 * err;
        if (e2 >= ey) {
            err += ey;
            ax += sx;
        }
        if (e2 <= ex) {
            err += ex;
            ay += sy;
        }
    }
}

void rasterCircle(double cx, double cy, double r, int pen, int width, int height,
                  std::vector<PixelRect>& out) {
    const long x0 = std::lround(std::floor(cx)), y0 = std::lround(std::floor(cy));
    long x = std::lround(r), y = 0, err = 1 - x;
    // Off the area altogether: nothing to set.
    if (x0 + x + pen < 0 || y0 + x + pen < 0 || x0 - x - pen > width || y0 - x - pen > height)
        return;
    // ...or all around it, every corner of the area inside the ring.
    const double farX = std::max(std::abs(cx), std::abs(cx - width));
    const double farY = std::max(std::abs(cy), std::abs(cy - height));
    if (r - pen > 0 && (r - pen) * (r - pen) > farX * farX + farY * farY) return;
    // One octant at a time, so that neighbouring points merge into runs.
    std::vector<std::pair<long, long>> octant;
    while (x >= y) {
        octant.emplace_back(x, y);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
    Pen brush(pen, width, height, out);
    const int signs[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (const auto& [sx, sy] : signs) {
        for (const auto& [px, py] : octant)
            brush.dot(x0 + sx * px, y0 + sy * py);
        for (const auto& [px, py] : octant)
            brush.dot(x0 + sx * py, y0 + sy * px);
    }
}

} // namespace rt
