// The triangle window's handlers: the worked examples, the right triangle at Α = 90°,
// and the law of sines over every input.
#include "corekit.h"
#include "triangle.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace corekit;
namespace tri = figures::triangle;

namespace {
double num(const rt::Update& u, const char* box) {
    return std::stod(textOf(u, box));
}
double sinDeg(int d) {
    return std::sin(d * std::numbers::pi / 180);
}
std::string at(int A, int G, int b) {
    return std::to_string(A) + " " + std::to_string(G) + " " + std::to_string(b);
}
} // namespace

TEST(Triangle, WorkedExamples) {
    struct Row {
        const char* name;
        int A, G, b;
        const char* B;
        double h, alpha, gamma, per, emb, apexX, apexY, tolerance;
    };
    const Row rows[] = {
        {"equilateral", 60, 60, 6, " 60°", 5.196, 6.0, 6.0, 18.0, 15.588, 2100, 1941, 1.0},
        {"right at B", 30, 60, 4, " 90°", 1.732, 2.0, 3.464, 9.464, 3.464, 2100, 2980, 1.0},
        {"flat", 1, 1, 1, " 178°", 0.00873, 0.5, 0.5, 2.0, 0.004365, 1350, 3497, 1.0},
        {"tall", 90, 89, 10, " 1°", 572.9, 572.987, 572.9, 1155.9, 2864.9, 1200, -168687, 10.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const rt::Update u = tri::hsbgoniaa_Scroll(
            rt::BarValues{{"hsbgoniaa", r.A}, {"hsbgoniag", r.G}, {"hsbpleurab", r.b}});
        EXPECT_EQ(textOf(u, "txtgoniab"), r.B);
        const double rel = 1e-3;
        EXPECT_LE(std::abs(num(u, "txtk") - r.h), rel * r.h + 1e-6);
        EXPECT_LE(std::abs(num(u, "txtpleuraa") - r.alpha), rel * r.alpha + 1e-3);
        EXPECT_LE(std::abs(num(u, "txtpleurag") - r.gamma), rel * r.gamma + 1e-3);
        EXPECT_LE(std::abs(num(u, "per") - r.per), rel * r.per + 1e-3);
        EXPECT_LE(std::abs(num(u, "emb") - r.emb), rel * r.emb + 1e-4);
        // Β's position from the drawing: the end of the first side ΑΒ.
        const auto items = drawnInOrder(u);
        EXPECT_LE(std::abs(items[0].x2 - r.apexX), r.tolerance) << items[0].x2;
        EXPECT_LE(std::abs(items[0].y2 - r.apexY), r.tolerance * 100) << items[0].y2;
    }
}

TEST(Triangle, BoxesOfTheRightTriangle) {
    // Α = 90°, Γ = 1°, β = 1: the height is tan 1°, not 0.
    const rt::Update u = tri::RefreshFigure({90, 1, 1});
    EXPECT_EQ(textOf(u, "txtk"), " .0174550649282176");
    EXPECT_EQ(textOf(u, "txtpleurag"), " .0174550649282176");
    EXPECT_EQ(textOf(u, "txtpleuraa"), " 1.00015232804391");
    EXPECT_EQ(textOf(u, "per"), " 2.01760739297212");
    EXPECT_EQ(textOf(u, "emb"), " .00872753246410878");
    EXPECT_EQ(textOf(u, "txtgoniab"), " 89°");
}

// At Α = 90° the triangle is right-angled at Α: h = β tan Γ, γ = h, α = β / cos Γ.
TEST(Triangle, RightTriangleEverywhere) {
    const auto close12 = [](double x, double y) { return std::abs(x - y) <= 1e-12 * std::abs(y); };
    for (int G = 1; G <= 89; ++G)
        for (int b = 1; b <= 10; ++b) {
            SCOPED_TRACE(at(90, G, b));
            const rt::Update u = tri::RefreshFigure({90, G, b});
            const double t = std::tan(G * std::numbers::pi / 180);
            const double c = std::cos(G * std::numbers::pi / 180);
            EXPECT_TRUE(close12(num(u, "txtk"), b * t));
            EXPECT_TRUE(close12(num(u, "txtpleurag"), b * t));
            EXPECT_TRUE(close12(num(u, "txtpleuraa"), b / c));
        }
}

// Every input: well-formed texts, the law of sines, the drawing closes on Β.
TEST(Triangle, EveryInput) {
    for (int A = 1; A <= 90; ++A)
        for (int G = 1; G <= 89; ++G)
            for (int b = 1; b <= 10; ++b) {
                const rt::Update u = tri::RefreshFigure({A, G, b});
                for (const char* box : {"txtk", "txtpleurag", "txtpleuraa", "per", "emb"})
                    ASSERT_TRUE(wellFormedStr(textOf(u, box))) << at(A, G, b) << textOf(u, box);
                const int B = 180 - A - G;
                const double k = b / sinDeg(B);
                const double ka = num(u, "txtpleuraa") / sinDeg(A);
                const double kg = num(u, "txtpleurag") / sinDeg(G);
                ASSERT_TRUE(std::abs(ka - k) <= 1e-9 * k && std::abs(kg - k) <= 1e-9 * k)
                    << "law of sines at " << at(A, G, b);
                const auto it = drawnInOrder(u);
                // ΑΒ, A, ΑΓ, Γ, ΓΒ, Β
                ASSERT_TRUE(it[0].x2 == it[4].x2 && it[0].y2 == it[4].y2 && it[2].x2 == it[4].x1 &&
                            it[0].x1 == 1200 && it[0].y1 == 3500 && it[2].x2 == 1200 + 300 * b &&
                            it[1].x1 == 1000 && it[1].y1 == 3400 && it[3].x1 == 1300 + 300 * b &&
                            it[3].y1 == 3400 && near(it[5].x1, it[0].x2 + 100.0, 0.5) &&
                            near(it[5].y1, it[0].y2 - 200.0, 0.5))
                    << "drawing at " << at(A, G, b);
            }
}
