#include "golf_fixture.h"

golf& GolfTest::openWith(const std::map<int, int>& placed) {
    golf& g = openGame<golf>();
    g.dealKnown(gp::completeDeck(placed));
    return g;
}

std::set<int> GolfTest::draggable(const golf& g) {
    std::set<int> cards;
    for (int i = 1; i <= 35; ++i)
        if (g.cardpic[i].Visible && g.cardpic[i].DragMode == platform::vbAutomatic) cards.insert(i);
    return cards;
}

void GolfTest::expectRanksFromPictures(const golf& g) {
    for (int k = 1; k <= 51; ++k) EXPECT_EQ(g.number[k], core::rankof(g.table.deckorder[k])) << k;
    EXPECT_EQ(g.number[52], core::rankof(g.table.waste)) << "the waste";
    EXPECT_EQ(shown(g, g.Image1), g.table.waste);
    EXPECT_EQ(g.Image1.Picture, g.cardpic[52].Picture);
}
