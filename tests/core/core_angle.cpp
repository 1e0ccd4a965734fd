// The angle window's handler: the second arm for every angle, and the text.
#include "angle.h"
#include "corekit.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace corekit;
namespace angle = figures::angle;

TEST(Angle, SecondArm) {
    struct Row {
        int V;
        double x, y;
    };
    for (const Row& r : {Row{1, 4499.543, 3447.643}, Row{90, 1500.0, 500.0}, Row{120, 0.0, 901.924},
                         Row{124, -177.579, 1012.887}}) {
        const auto items = drawnInOrder(angle::update(r.V));
        ASSERT_EQ(items.size(), 3u);
        EXPECT_TRUE(near(items[2].x2, r.x)) << r.V << ": " << items[2].x2;
        EXPECT_TRUE(near(items[2].y2, r.y)) << r.V << ": " << items[2].y2;
    }
}

// Every angle: the text, both arms from the vertex and 3000 twips long, the letter.
TEST(Angle, EveryAngle) {
    for (int V = 1; V <= 124; ++V) {
        SCOPED_TRACE(V);
        const rt::Update u = angle::hsbgonia_Change(rt::BarValues{{"hsbgonia", V}});
        EXPECT_EQ(textOf(u, "txtgonia"), " " + std::to_string(V) + "°");
        EXPECT_EQ(u.steps()[1].kind, rt::Step::Cls);
        const auto items = drawnInOrder(u);
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0], (Item{Item::Line, 1500, 3500, 4500, 3500, 0xFFFFFF, {}}));
        EXPECT_EQ(items[1], (Item{Item::Text, 1300, 3500, 0, 0, 0, "A"}));
        EXPECT_EQ(items[2].x1, 1500.f);
        EXPECT_EQ(items[2].y1, 3500.f);
        const double arm = std::hypot(items[2].x2 - 1500.0, items[2].y2 - 3500.0);
        EXPECT_LT(std::abs(arm - 3000), 0.01);
        // Turned anticlockwise on the screen by V degrees.
        const double turned = std::atan2(3500.0 - items[2].y2, items[2].x2 - 1500.0);
        EXPECT_LT(std::abs(turned * 180 / std::numbers::pi - V), 1e-4);
    }
}
