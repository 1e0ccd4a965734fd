// The square window's handler: its texts for every side and its drawing.
#include "corekit.h"
#include "square.h"

#include <gtest/gtest.h>

using namespace corekit;
namespace square = figures::square;

TEST(Square, TextsForEverySide) {
    const char* per[] = {" 4", " 8", " 12", " 16", " 20", " 24", " 28", " 32", " 36", " 40"};
    const char* emb[] = {" 1", " 4", " 9", " 16", " 25", " 36", " 49", " 64", " 81", " 100"};
    for (int s = 1; s <= 10; ++s) {
        SCOPED_TRACE(s);
        const rt::Update u = square::hsbpleyra_Change(rt::BarValues{{"hsbpleyra", s}});
        EXPECT_EQ(textOf(u, "txtpleyra"), " " + std::to_string(s));
        EXPECT_EQ(textOf(u, "per"), per[s - 1]);
        EXPECT_EQ(textOf(u, "emb"), emb[s - 1]);
        // The boxes are written first, then the surface is cleared, then the figure drawn.
        EXPECT_EQ(u.steps()[3].kind, rt::Step::Cls);
    }
}

TEST(Square, Drawing) {
    struct Row {
        int side;
        float right, top, letterTop;
    };
    for (const Row& r : {Row{1, 1500, 3200, 3000}, Row{10, 4200, 500, 300}}) {
        SCOPED_TRACE(r.side);
        const std::uint32_t white = 0xFFFFFF, grey = 0xE0E0E0;
        const std::vector<Item> expected{
            {Item::Text, 1100, 3500, 0, 0, grey, "A"},
            {Item::Line, 1200, 3500, r.right, 3500, white, {}},
            {Item::Text, r.right, 3500, 0, 0, grey, "B"},
            {Item::Line, r.right, 3500, r.right, r.top, white, {}},
            {Item::Text, r.right, r.letterTop, 0, 0, grey, "Γ"},
            {Item::Line, 1200, 3500, 1200, r.top, white, {}},
            {Item::Line, 1200, r.top, r.right, r.top, white, {}},
            {Item::Text, 1100, r.letterTop, 0, 0, grey, "Δ"},
        };
        EXPECT_EQ(drawnInOrder(square::update(r.side), grey), expected);
        EXPECT_TRUE(closedOutline(expected));
    }
}
