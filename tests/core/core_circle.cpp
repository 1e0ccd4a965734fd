// The circle window's handler: the table of texts for every radius, and the drawing.
#include "circle.h"
#include "corekit.h"

#include <gtest/gtest.h>

using namespace corekit;
namespace circle = figures::circle;

TEST(Circle, EveryRadius) {
    struct Row {
        const char *per, *emb;
    };
    const Row rows[] = {
        {" 6.28318530717958", " 3.14159265358979"}, {" 12.5663706143592", " 12.5663706143592"},
        {" 18.8495559215387", " 28.2743338823081"}, {" 25.1327412287183", " 50.2654824574366"},
        {" 31.4159265358979", " 78.5398163397447"}, {" 37.6991118430775", " 113.097335529232"},
        {" 43.9822971502571", " 153.9380400259"},   {" 50.2654824574366", " 201.061929829747"},
        {" 56.5486677646162", " 254.469004940773"}, {" 62.8318530717958", " 314.159265358979"},
    };
    for (int R = 1; R <= 10; ++R) {
        SCOPED_TRACE(R);
        const rt::Update u = circle::hsbR_Change(rt::BarValues{{"hsbR", R}});
        EXPECT_EQ(textOf(u, "txtR"), " " + std::to_string(R));
        EXPECT_EQ(textOf(u, "per"), rows[R - 1].per);
        EXPECT_EQ(textOf(u, "emb"), rows[R - 1].emb);
        EXPECT_TRUE(wellFormedStr(textOf(u, "per")));
        EXPECT_TRUE(wellFormedStr(textOf(u, "emb")));
        const std::vector<Item> expected{
            {Item::Text, 3000, 1800, 0, 0, 0xE0E0E0, "K"},
            {Item::Circle, 3000, 2000, 10, 0, 0xFFFFFF, {}},
            {Item::Circle, 3000, 2000, 120.f * R, 0, 0xFFFFFF, {}},
        };
        EXPECT_EQ(drawnInOrder(u, 0xE0E0E0), expected);
        EXPECT_EQ(u.steps()[3].kind, rt::Step::Cls);
    }
}
