// The trapezium window's handlers: the table, the vertices, every input, and what an
// upper base not shorter than the lower one does.
#include "corekit.h"
#include "trapezium.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace corekit;
namespace trap = figures::trapezium;

namespace {
std::string at(int A, int B, int a, int g) {
    return std::to_string(A) + " " + std::to_string(B) + " " + std::to_string(a) + " " +
           std::to_string(g);
}
} // namespace

TEST(Trapezium, Table) {
    struct Row {
        int A, B, a, g;
        std::vector<std::string> results; // β, δ, h, Δ, perimeter, area
    };
    const Row rows[] = {
        {45,
         45,
         10,
         0,
         {" 7.07106781186547", " 7.07106781186547", " 4.99999999999999", " 135°",
          " 24.1421356237309", " 25"}},
        {45,
         45,
         2,
         1,
         {" .707106781186547", " .707106781186547", " .499999999999999", " 135°",
          " 4.41421356237309", " .749999999999999"}},
        {45,
         45,
         10,
         9,
         {" .707106781186547", " .707106781186547", " .499999999999999", " 135°",
          " 20.4142135623731", " 4.74999999999999"}},
        {60,
         60,
         10,
         5,
         {" 4.99999999999999", " 4.99999999999999", " 4.33012701892218", " 120°", " 25",
          " 32.4759526419164"}},
        {30,
         60,
         8,
         2,
         {" 3", " 5.19615242270663", " 2.59807621135331", " 150°", " 18.1961524227066",
          " 12.9903810567666"}},
        {90,
         30,
         3,
         1,
         {" 2.3094010767585", " 1.15470053837925", " 1.15470053837925", " 90°", " 7.46410161513775",
          " 2.3094010767585"}},
        {90,
         60,
         10,
         0,
         {" 19.9999999999999", " 17.3205080756887", " 17.3205080756887", " 90°",
          " 47.3205080756886", " 86.6025403784434"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(at(r.A, r.B, r.a, r.g));
        const rt::Update u = trap::hsbpleurag_Scroll(rt::BarValues{
            {"hsbgoniaa", r.A}, {"hsbgoniab", r.B}, {"hsbpleuraa", r.a}, {"hsbpleurag", r.g}});
        std::vector<std::string> shown;
        for (const char* box : {"txtpleurab", "txtpleurad", "txtyphsos", "txtgoniad", "per", "emb"})
            shown.push_back(textOf(u, box));
        EXPECT_EQ(shown, r.results);
        EXPECT_EQ(textOf(u, "txtgoniaa"), " " + std::to_string(r.A) + "°");
        EXPECT_EQ(textOf(u, "txtpleurag"), " " + std::to_string(r.g));
        // The input boxes, then Cls, then the results in their order.
        std::vector<std::string> order;
        for (const auto& s : u.steps())
            if (s.kind == rt::Step::SetText)
                order.push_back(s.name);
            else if (s.kind == rt::Step::Cls)
                order.push_back("Cls");
        EXPECT_EQ(order, (std::vector<std::string>{"txtgoniaa", "txtgoniab", "txtpleuraa",
                                                   "txtpleurag", "Cls", "per", "emb", "txtgoniad",
                                                   "txtpleurab", "txtpleurad", "txtyphsos"}));
    }
}

TEST(Trapezium, Vertices) {
    struct Row {
        trap::Bars bars;
        double gx, gy, dx, dy;
    };
    const Row rows[] = {
        {{45, 45, 10, 0}, 3550, 1650, 3550, 1650},               // apex
        {{90, 30, 3, 1}, 2150, 2995.8547, 1800, 2995.8547},      // upright
        {{100, 45, 3, 1}, 2000.15, 2550.15, 1650.15, 2550.15},   // leaning out
        {{80, 60, 10, 0}, 2618.84, -1243.90, 2618.84, -1243.90}, // tall
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(at(r.bars.A, r.bars.B, r.bars.a, r.bars.g));
        const auto it = drawnInOrder(trap::RefreshFigure(r.bars));
        // side ΑΒ, A, side ΒΓ, B, side ΓΔ, Γ, side ΔΑ, Δ
        EXPECT_TRUE(near(it[4].x1, r.gx) && near(it[4].y1, r.gy)) << it[4].x1 << " " << it[4].y1;
        EXPECT_TRUE(near(it[6].x1, r.dx) && near(it[6].y1, r.dy)) << it[6].x1 << " " << it[6].y1;
        if (r.bars.A == 45) {
            EXPECT_TRUE(it[5].x1 == 3650 && it[5].y1 == 1550);
            EXPECT_TRUE(it[7].x1 == 3420 && it[7].y1 == 1550);
        }
    }
}

TEST(Trapezium, FarOutside) {
    const auto it = drawnInOrder(trap::RefreshFigure({100, 79, 10, 9}));
    EXPECT_LT(std::abs(it[4].y1 - (-15987)), 1);
    EXPECT_LT(std::abs(it[6].x1 - (-1618)), 1);
}

// α ≤ γ: the input boxes, a beep and the notice; no Cls, no result, no drawing.
TEST(Trapezium, RefusedInput) {
    const rt::Update u = trap::RefreshFigure({45, 45, 3, 3});
    ASSERT_EQ(u.steps().size(), 6u);
    EXPECT_EQ(u.steps()[4].kind, rt::Step::Beep);
    EXPECT_EQ(u.steps()[5].kind, rt::Step::Show);
    EXPECT_EQ(u.steps()[5].name, "Formm");
    EXPECT_EQ(u.steps()[5].text, ""); // modeless, opened anywhere
}

// Every input: refused exactly when α ≤ γ; otherwise finite, well-formed texts,
// h = δ sin Α = β sin Β, h, β and δ positive, and a closed outline.
TEST(Trapezium, EveryInput) {
    int accepted = 0;
    const double toRadians = std::numbers::pi / 180;
    for (int A = 1; A <= 100; ++A)
        for (int B = 1; B <= 79; ++B)
            for (int a = 1; a <= 10; ++a)
                for (int g = 0; g <= 9; ++g) {
                    if (a <= g) {
                        ASSERT_EQ(trap::RefreshFigure({A, B, a, g}).textOf("per"), nullptr);
                        continue;
                    }
                    ++accepted;
                    const trap::Solution x = trap::solve({A, B, a, g});
                    const double hA = x.delta * std::sin(A * toRadians);
                    const double hB = x.beta * std::sin(B * toRadians);
                    ASSERT_TRUE(x.h > 0 && x.beta > 0 && x.delta > 0 &&
                                std::abs(hA - x.h) <= 1e-9 * x.h &&
                                std::abs(hB - x.h) <= 1e-9 * x.h)
                        << at(A, B, a, g);
                    const rt::Update u = trap::RefreshFigure({A, B, a, g});
                    for (const char* box : {"txtpleurab", "txtpleurad", "txtyphsos", "per", "emb"})
                        ASSERT_TRUE(wellFormedStr(textOf(u, box))) << textOf(u, box);
                    const auto it = drawnInOrder(u);
                    // side ΑΒ, A, side ΒΓ, B, side ΓΔ, Γ, side ΔΑ, Δ
                    ASSERT_TRUE(
                        closedOutline(it) && it[1].x1 == 1670 && it[1].y1 == 3300 &&
                        it[3].x1 == it[2].x1 + 120 && it[3].y1 == 3300 &&
                        near(it[5].x1, it[4].x1 + 100.0) && near(it[5].y1, it[4].y1 - 100.0) &&
                        near(it[7].x1, it[6].x1 - 130.0) && near(it[7].y1, it[4].y1 - 100.0))
                        << "drawing at " << at(A, B, a, g);
                }
    EXPECT_EQ(accepted, 434500);
}
