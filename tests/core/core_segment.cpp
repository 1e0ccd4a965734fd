// The line segment window's handlers: the four notations of its direction with "." and
// "," as the decimal separator, every length and direction, the end points.
#include "corekit.h"
#include "segment.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace corekit;
namespace seg = figures::segment;

namespace {
const std::string kC = ".", kGreek = ",";

rt::Update both(int length, int direction, const std::string& sep) {
    // The length box comes from the length bar's update, the rest from the direction bar's.
    const rt::BarValues bars({{"hsbmhkos", length}, {"hsbdief", direction}}, sep);
    rt::Update u = seg::hsbdief_Scroll(bars);
    u.setText("txtmhkos", textOf(seg::hsbmhkos_Scroll(bars), "txtmhkos"));
    return u;
}

std::string replaced(std::string s, const std::string& sep) {
    for (auto p = s.find('.'); p != std::string::npos; p = s.find('.', p + sep.size()))
        s.replace(p, 1, sep);
    return s;
}

std::string zeros(int value, int width) {
    std::string s = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, width - int(s.size()))), '0') + s;
}

std::string strBefore(const std::string& text, const char* suffix) {
    return text.substr(0, text.find(suffix));
}
} // namespace

TEST(Segment, Table) {
    struct Row {
        int length, direction;
        const char *txtmhkos, *txtdief, *txtdief3, *txtdief4;
    };
    const Row rows[] = {
        {1, 1, "000.01", "000.01°", " 5.55555555555556E-05 π rad", " .0111111111111111 βαθμοί"},
        {100, 3, "001.00", "000.03°", " .000166666666666667 π rad", " .0333333333333333 βαθμοί"},
        {5000, 4550, "050.00", "045.50°", " .252777777777778 π rad", " 50.5555555555556 βαθμοί"},
        {2550, 9000, "025.50", "090.00°", " .5 π rad", " 100 βαθμοί"},
        {777, 12345, "007.77", "123.45°", " .685833333333333 π rad", " 137.166666666667 βαθμοί"},
        {10000, 18000, "100.00", "180.00°", " 1 π rad", " 200 βαθμοί"},
        {0, 0, "000.00", "000.00°", " 0 π rad", " 0 βαθμοί"},
    };
    for (const Row& r : rows)
        for (const std::string& sep : {kC, kGreek}) {
            SCOPED_TRACE(std::to_string(r.length) + " " + std::to_string(r.direction) + sep);
            const rt::Update u = both(r.length, r.direction, sep);
            EXPECT_EQ(textOf(u, "txtmhkos"), replaced(r.txtmhkos, sep));
            EXPECT_EQ(textOf(u, "txtdief"), replaced(r.txtdief, sep));
            EXPECT_EQ(textOf(u, "txtdief3"), r.txtdief3); // Str always writes "."
            EXPECT_EQ(textOf(u, "txtdief4"), r.txtdief4);
        }
}

TEST(Segment, DegreesMinutesSeconds) {
    struct Row {
        int direction;
        const char* dms;
    };
    const Row rows[] = {
        {1, "000° 00' 36"},     {3, "000° 01' 48"},   {4550, "045° 30' 00"}, {12345, "123° 27' 00"},
        {18000, "180° 00' 00"}, {115, "001° 09' 00"}, // a second a hair short of whole, at 59
        {113, "001° 07' 48"},                         // a second a hair short of whole, below 59
        {7, "000° 04' 12"},                           // a crumb of a second dropped
    };
    for (const Row& r : rows) {
        EXPECT_EQ(textOf(both(0, r.direction, kC), "txtdief2"), std::string(r.dms) + "\"/.0");
        EXPECT_EQ(textOf(both(0, r.direction, kGreek), "txtdief2"), std::string(r.dms) + "\"/,0");
    }
}

// The three rules each have work to do: without them these values come out wrong.
TEST(Segment, RulesAreNeeded) {
    const auto raw = [](double phi) {
        const double D = std::floor(phi), t = (phi - D) * 3600, M = std::floor(t / 60);
        const double s = t - 60 * M;
        return std::make_tuple(M, std::floor(s), s - std::floor(s));
    };
    auto [M115, S115, F115] = raw(1.15);
    EXPECT_EQ(S115, 59.0);
    EXPECT_GE(F115, 0.9);
    auto [M113, S113, F113] = raw(1.13);
    EXPECT_EQ(S113, 47.0);
    EXPECT_GE(F113, 0.9);
    auto [M007, S007, F007] = raw(0.07);
    EXPECT_TRUE(F007 > 0 && F007 <= 0.00001);
    const seg::Dms d = seg::degreesMinutesSeconds(1.15);
    EXPECT_EQ(d.M, 9.0);
    EXPECT_EQ(d.S, 0.0);
    EXPECT_EQ(d.F, 0.0);
}

// Every direction: exactly its whole degrees, minutes and seconds (36 seconds a step),
// and the tail is the quotation mark, "/" and Format(Str(F), ".0").
TEST(Segment, EveryDirection) {
    for (const std::string& sep : {kC, kGreek}) {
        const std::string tail = "\"/" + sep + "0";
        for (int v = 0; v <= 18000; ++v) {
            const int seconds = v * 36;
            const std::string expected = zeros(seconds / 3600, 3) + "° " +
                                         zeros(seconds / 60 % 60, 2) + "' " +
                                         zeros(seconds % 60, 2) + tail;
            rt::Update u;
            seg::DrawSegment({5000, v}, sep, u);
            ASSERT_EQ(textOf(u, "txtdief2"), expected) << v;
            ASSERT_TRUE(wellFormedStr(strBefore(textOf(u, "txtdief3"), " π"))) << v;
            ASSERT_TRUE(wellFormedStr(strBefore(textOf(u, "txtdief4"), " β"))) << v;
        }
    }
}

TEST(Segment, EveryLength) {
    for (int v = 0; v <= 10000; ++v) {
        const std::string expected = zeros(v / 100, 3) + "." + zeros(v % 100, 2);
        ASSERT_EQ(textOf(seg::hsbmhkos_Scroll({v, 0}, kC), "txtmhkos"), expected) << v;
    }
}

TEST(Segment, EndPoints) {
    struct Row {
        const char* name;
        int length, direction;
        double bx, by, ax, ay, lbx, lby, lax, lay;
    };
    const Row rows[] = {
        {"100 at 0°", 10000, 0, 4800, 1990, 1200, 1990, 4900, 1780, 990, 1780},
        {"100 at 90°", 10000, 9000, 3000, 190, 3000, 3790, 3100, -20, 2790, 3580},
        {"100 at 180°", 10000, 18000, 1200, 1990, 4800, 1990, 1300, 1780, 4590, 1780},
        {"0", 0, 4550, 3000, 1990, 3000, 1990, 3100, 1780, 2790, 1780},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto it = drawnInOrder(both(r.length, r.direction, kC));
        ASSERT_EQ(it.size(), 5u);
        EXPECT_TRUE(it[0].kind == Item::Text && it[0].text == "B");
        EXPECT_TRUE(near(it[0].x1, r.lbx) && near(it[0].y1, r.lby));
        EXPECT_TRUE(it[1].kind == Item::Line && near(it[1].x1, r.bx) && near(it[1].y1, r.by) &&
                    near(it[1].x2, r.ax) && near(it[1].y2, r.ay));
        EXPECT_TRUE(it[2].kind == Item::Circle && it[2].x1 == it[1].x1 && it[2].y1 == it[1].y1 &&
                    it[2].x2 == 25);
        EXPECT_TRUE(it[3].kind == Item::Circle && it[3].x1 == it[1].x2 && it[3].y1 == it[1].y2 &&
                    it[3].x2 == 25);
        EXPECT_EQ(it[3].colour, 0xFFFFFFu);
        EXPECT_TRUE(it[4].kind == Item::Text && it[4].text == "A");
        EXPECT_TRUE(near(it[4].x1, r.lax) && near(it[4].y1, r.lay));
    }
}

// Every length at four directions and every direction at four lengths: the end circles
// sit on the segment's ends, the letters at their offsets, the segment is centred and as
// long as it says, and the texts are well formed.
TEST(Segment, GeometryEverywhere) {
    std::vector<std::pair<int, int>> inputs;
    for (int direction : {0, 4550, 9000, 18000})
        for (int length = 0; length <= 10000; ++length)
            inputs.emplace_back(length, direction);
    for (int length : {0, 1, 5000, 10000})
        for (int direction = 0; direction <= 18000; ++direction)
            inputs.emplace_back(length, direction);
    for (const auto& [length, direction] : inputs) {
        const rt::Update u = both(length, direction, kC);
        const auto it = drawnInOrder(u);
        ASSERT_EQ(it.size(), 5u);
        const double half = length / 100.0 / 2 * 36;
        const double midX = (it[1].x1 + it[1].x2) / 2.0, midY = (it[1].y1 + it[1].y2) / 2.0;
        const double span = std::hypot(it[1].x1 - it[1].x2, it[1].y1 - it[1].y2);
        ASSERT_TRUE(it[2].x1 == it[1].x1 && it[2].y1 == it[1].y1 && it[3].x1 == it[1].x2 &&
                    it[3].y1 == it[1].y2 && it[2].x2 == 25 && it[3].x2 == 25 &&
                    near(it[0].x1, it[1].x1 + 100.0) && near(it[0].y1, it[1].y1 - 210.0) &&
                    near(it[4].x1, it[1].x2 - 210.0) && near(it[4].y1, it[1].y2 - 210.0) &&
                    std::abs(midX - 3000) < 0.01 && std::abs(midY - 1990) < 0.01 &&
                    std::abs(span - 2 * half) < 0.01 &&
                    wellFormedStr(strBefore(textOf(u, "txtdief3"), " π")) &&
                    wellFormedStr(strBefore(textOf(u, "txtdief4"), " β")))
            << "length " << length << ", direction " << direction;
    }
}

// The segment never reaches the boxes, whose tops are at y = 3840.
TEST(Segment, StaysAboveTheBoxes) {
    for (int length = 0; length <= 10000; length += 250)
        for (int direction = 0; direction <= 18000; direction += 25) {
            rt::Update u;
            seg::DrawSegment({length, direction}, kC, u);
            const auto it = drawnInOrder(u);
            const float lowest = std::max(it[1].y1, it[1].y2) + it[2].x2;
            ASSERT_LT(lowest, 3840) << length << " " << direction;
        }
}
