// The oblique parallelogram window's handlers: the table, the vertices, every input.
#include "corekit.h"
#include "parallelogram.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace corekit;
namespace paral = figures::parallelogram;

TEST(Parallelogram, Table) {
    struct Row {
        int a, b, phi;
        const char *txth, *emb, *txtper, *txtgon;
    };
    const Row rows[] = {
        {1, 1, 0, " 0", " 0", " 4", " 0°"},
        {1, 1, 30, " .5", " .5", " 4", " 30°"},
        {1, 1, 45, " .707106781186547", " .707106781186547", " 4", " 45°"},
        {3, 5, 60, " 4.33012701892219", " 12.9903810567666", " 16", " 60°"},
        {2, 3, 1, " .0523572193118505", " .104714438623701", " 10", " 1°"},
        {10, 10, 90, " 10", " 100", " 40", " 90°"},
        {10, 10, 93, " 9.98629534754574", " 99.8629534754574", " 40", " 93°"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.a) + " " + std::to_string(r.b) + " " + std::to_string(r.phi));
        const rt::Update u = paral::hsbgonia1_Scroll(
            rt::BarValues{{"hsbpleurac", r.a}, {"hsbpleurad", r.b}, {"hsbgonia1", r.phi}});
        EXPECT_EQ(textOf(u, "txth"), r.txth);
        EXPECT_EQ(textOf(u, "emb"), r.emb);
        EXPECT_EQ(textOf(u, "txtper"), r.txtper);
        EXPECT_EQ(textOf(u, "txtgon"), r.txtgon);
        EXPECT_EQ(textOf(u, "txtpleyrac"), " " + std::to_string(r.a));
        EXPECT_EQ(textOf(u, "txtpleyrad"), " " + std::to_string(r.b));
    }
}

TEST(Parallelogram, Vertices) {
    struct Row {
        int phi;
        double gx, gy, dx, dy;
    };
    for (const Row& r : {Row{90, 4800, 200, 1500, 200}, Row{93, 4627.29, 204.52, 1327.29, 204.52},
                         Row{0, 8100, 3500, 4800, 3500}}) {
        SCOPED_TRACE(r.phi);
        const auto items = drawnInOrder(paral::RefreshFigure({10, 10, r.phi}));
        // Α, side, Β, side, Γ, side, Δ, side
        EXPECT_TRUE(near(items[3].x2, r.gx) && near(items[3].y2, r.gy));
        EXPECT_TRUE(near(items[7].x1, r.dx) && near(items[7].y1, r.dy));
        if (r.phi == 90) {
            EXPECT_EQ(items[4].x1, 4750.f);
            EXPECT_EQ(items[4].y1, 0.f);
            EXPECT_EQ(items[6].x1, 1450.f);
            EXPECT_EQ(items[6].y1, 0.f);
        }
    }
}

// Every input: closed outline, letters at their offsets, texts well formed.
TEST(Parallelogram, EveryInput) {
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int phi = 0; phi <= 93; ++phi) {
                SCOPED_TRACE(std::to_string(a) + " " + std::to_string(b) + " " +
                             std::to_string(phi));
                const rt::Update u = paral::RefreshFigure({a, b, phi});
                for (const char* box : {"txth", "emb", "txtper"})
                    ASSERT_TRUE(wellFormedStr(textOf(u, box))) << textOf(u, box);
                const auto it = drawnInOrder(u);
                ASSERT_EQ(it.size(), 8u);
                ASSERT_TRUE(closedOutline(it));
                ASSERT_TRUE(it[1].x1 == 1500 && it[1].y1 == 3500 && it[1].x2 == 1500 + 330 * a);
                ASSERT_TRUE(it[0].x1 == 1450 && it[0].y1 == 3550);                            // Α
                ASSERT_TRUE(it[2].x1 == it[1].x2 + 50 && it[2].y1 == 3550);                   // Β
                ASSERT_TRUE(near(it[4].x1, it[3].x2 - 50) && near(it[4].y1, it[3].y2 - 200)); // Γ
                ASSERT_TRUE(near(it[6].x1, it[7].x1 - 50) && near(it[6].y1, it[7].y1 - 200)); // Δ
                ASSERT_TRUE(near(it[3].y2, it[5].y2)); // ΔΓ parallel to the base
                const double h = std::stod(textOf(u, "txth"));
                const double sine = std::sin(phi * std::numbers::pi / 180);
                ASSERT_LT(std::abs((3500 - it[3].y2) - 330 * b * sine), 0.01);
                ASSERT_LT(std::abs(h - b * sine), 1e-12);
            }
}
