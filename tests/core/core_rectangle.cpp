// The rectangle window's handlers: texts and vertices, and every input.
#include "corekit.h"
#include "rectangle.h"

#include <gtest/gtest.h>

using namespace corekit;
namespace rectangle = figures::rectangle;

TEST(Rectangle, Table) {
    struct Row {
        int a, b;
        const char *emb, *per;
        float gx, gy, lx, ly; // Γ and its letter
    };
    const Row rows[] = {
        {1, 1, " 1", " 4", 1500, 3200, 1500, 3000},
        {7, 3, " 21", " 20", 3300, 2600, 3300, 2400},
        {10, 10, " 100", " 40", 4200, 500, 4200, 300},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.a) + " " + std::to_string(r.b));
        const rt::Update u =
            rectangle::hsbpleyraa_Scroll(rt::BarValues{{"hsbpleyraa", r.a}, {"hsbpleyrab", r.b}});
        EXPECT_EQ(textOf(u, "txtpleyraa"), " " + std::to_string(r.a));
        EXPECT_EQ(textOf(u, "txtpleyrab"), " " + std::to_string(r.b));
        EXPECT_EQ(textOf(u, "emb"), r.emb);
        EXPECT_EQ(textOf(u, "per"), r.per);
        const auto items = drawnInOrder(u);
        ASSERT_EQ(items.size(), 8u);
        EXPECT_EQ(items[3].x2, r.gx); // Β to Γ
        EXPECT_EQ(items[3].y2, r.gy);
        EXPECT_EQ(items[4].x1, r.lx);
        EXPECT_EQ(items[4].y1, r.ly);
        EXPECT_EQ(items[6].text, "Δ");
        EXPECT_EQ(items[6].x1, 1200.f);
        EXPECT_EQ(items[6].y1, r.ly);
    }
}

TEST(Rectangle, EveryInput) {
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b) {
            SCOPED_TRACE(std::to_string(a) + " " + std::to_string(b));
            const auto items = drawnInOrder(rectangle::DrawRectangle(a, b));
            const float Bx = 1200.f + 300 * a, top = 3500.f - 300 * b;
            const std::vector<Item> expected{
                {Item::Text, 1200, 3500, 0, 0, 0, "Α"},
                {Item::Line, 1200, 3500, Bx, 3500, 0xFFFFFF, {}},
                {Item::Text, Bx, 3500, 0, 0, 0, "Β"},
                {Item::Line, Bx, 3500, Bx, top, 0xFFFFFF, {}},
                {Item::Text, Bx, top - 200, 0, 0, 0, "Γ"},
                {Item::Line, 1200, 3500, 1200, top, 0xFFFFFF, {}},
                {Item::Text, 1200, top - 200, 0, 0, 0, "Δ"},
                {Item::Line, 1200, top, Bx, top, 0xFFFFFF, {}},
            };
            EXPECT_EQ(items, expected);
            EXPECT_TRUE(closedOutline(items));
            for (const auto& item : items) // inside the client area
                EXPECT_TRUE(item.x1 >= 0 && item.x1 <= 6030 && item.y1 >= 0 && item.y1 <= 4590);
        }
}
