// Lines and circles on the device-pixel grid: a whole pen wide, merged into runs, clipped.
#include "raster.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels pixelsOf(const std::vector<rt::PixelRect>& rects) {
    Pixels p;
    for (const rt::PixelRect& r : rects)
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                p.insert({x, y});
    return p;
}

TEST(Raster, PenIsTheRoundedScale) {
    const std::pair<double, int> rows[] = {{0.5, 1}, {1, 1},   {1.25, 1}, {1.5, 2},
                                           {2, 2},   {2.5, 3}, {3, 3},    {4.5, 5}};
    for (const auto& [scale, pen] : rows)
        EXPECT_EQ(rt::penWidth(scale), pen) << scale;
}

struct LineRow {
    double x1, y1, x2, y2;
    int pen;
    std::vector<rt::PixelRect> rects;
};

TEST(Raster, StraightLinesAreOneRectangle) {
    const LineRow rows[] = {
        {2, 5, 9, 5, 1, {{2, 5, 8, 1}}},         // across, one pixel
        {9.7, 5.2, 2.1, 5.9, 1, {{2, 5, 8, 1}}}, // backwards, pixels under the ends
        {4, 1, 4, 6, 3, {{3, 0, 3, 8}}},         // down, three wide about the path
        {2, 5, 9, 5, 2, {{2, 5, 9, 2}}},         // an even pen leans down and right
    };
    for (const LineRow& r : rows) {
        std::vector<rt::PixelRect> out;
        rt::rasterLine(r.x1, r.y1, r.x2, r.y2, r.pen, 100, 100, out);
        EXPECT_EQ(out, r.rects) << r.x1 << "," << r.y1 << " pen " << r.pen;
    }
}

// A diagonal is one pen square a step, touching its neighbour: no gap, no blob.
TEST(Raster, DiagonalHasNoGaps) {
    for (int pen = 1; pen <= 4; ++pen) {
        std::vector<rt::PixelRect> out;
        rt::rasterLine(10, 10, 40, 25, pen, 100, 100, out);
        const Pixels p = pixelsOf(out);
        for (int x = 10; x <= 40; ++x) {
            int run = 0;
            for (int y = 0; y < 100; ++y)
                run += p.count({x, y});
            EXPECT_GE(run, pen) << "x " << x << " pen " << pen;
            EXPECT_LE(run, 2 * pen) << "x " << x << " pen " << pen;
        }
    }
}

// A figure can reach far outside the window: only the visible part is walked and kept.
TEST(Raster, ClippedToTheArea) {
    std::vector<rt::PixelRect> out;
    rt::rasterLine(-1e9, 7, 1e9, 7, 2, 50, 40, out);
    ASSERT_EQ(out.size(), 1U);
    EXPECT_EQ(out[0], (rt::PixelRect{0, 7, 50, 2}));
    out.clear();
    rt::rasterLine(-100, -100, -10, 300, 3, 50, 40, out);
    EXPECT_TRUE(out.empty());
    out.clear();
    rt::rasterCircle(25, 20, 1e6, 1, 50, 40, out);
    EXPECT_TRUE(out.empty());
}

// The circle: every pixel within half a pen of the radius, the same all around.
TEST(Raster, CircleIsEvenAllAround) {
    for (int pen = 1; pen <= 3; ++pen) {
        std::vector<rt::PixelRect> out;
        rt::rasterCircle(50, 50, 30, pen, 100, 100, out);
        const Pixels p = pixelsOf(out);
        for (const auto& [dx, dy] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}}) {
            int run = 0;
            for (int i = 0; i < 50; ++i)
                run += p.count({50 + dx * i, 50 + dy * i});
            EXPECT_EQ(run, pen) << dx << "," << dy << " pen " << pen;
        }
    }
}

} // namespace
