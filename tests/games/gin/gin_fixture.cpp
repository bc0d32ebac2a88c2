#include "gin_fixture.h"

#include "games/gin/gin_moves.h"

#include "core/cards.h"

using namespace ginrules;

gin& GinTest::openWith(std::string_view computer, std::string_view user, std::string_view discard,
                       std::string_view stock, int knockmood, int first) {
    gin& g = openGame<gin>();
    g.dealKnown(gintest::deal(computer, user, discard, stock), knockmood, first);
    return g;
}

bool GinTest::faceUp(const gin& g, int slot) {
    return showsFile(g.Image1[slot], core::facefile(g.table.deckorder[slot]));
}

void GinTest::drawAndDiscard(gin& g, std::string_view name) {
    click(g.Image2);
    const int drawn = slotOfTag(g.table, drawnTag(kUser));
    ASSERT_NE(drawn, 0) << "nothing drawn";
    click(g.Image1[name.empty() ? drawn : slotOf(g, name)]);
}

void GinTest::emptyStock(gin& g) {
    while (drawStock(g.table, kUser)) discard(g.table, kUser, drawnTag(kUser));
}
