#include "fortythieves_fixture.h"

#include "core/cards.h"
#include "platform/input.h"

#include <string>

fortythieves& FortyThievesTest::openWith(const std::map<int, int>& placed) {
    fortythieves& w = openGame<fortythieves>();
    w.dealKnown(fortythievestest::order(placed));
    return w;
}

void FortyThievesTest::turn(fortythieves& w, int clicks) {
    for (int i = 0; i < clicks; ++i) click(w.deckpic);
}

void FortyThievesTest::dropOnStrip(platform::Control& source, platform::Image& covered) {
    drag(source, covered, covered.Width / 2, covered.Height / 20);
}

std::string FortyThievesTest::tagOf(const fortythieves& w, const platform::Image& card) {
    return std::to_string(w.table.card[card.Index()].tag);
}

std::set<int> FortyThievesTest::draggable(const fortythieves& w) {
    std::set<int> cards;
    for (const auto& [k, card] : w.Image1)
        if (card->DragMode == platform::vbAutomatic) cards.insert(k);
    return cards;
}

void FortyThievesTest::expectMirrorsTable(const fortythieves& w, bool faces) {
    for (const auto& [k, image] : w.Image1) {
        SCOPED_TRACE("card " + std::to_string(k));
        const fortythievesrules::Card& card = w.table.card[k];
        EXPECT_EQ(image->Left, card.Left);
        EXPECT_EQ(image->Top, card.Top);
        EXPECT_EQ(image->Visible, card.Visible);
        EXPECT_EQ(image->DragMode == platform::vbAutomatic, card.draggable);
        if (faces) {
            EXPECT_TRUE(showsFile(*image, core::facefile(w.table.deckorder[k])));
        }
    }
}

bool FortyThievesTest::onTop(fortythieves& w, const platform::Control& c) {
    return platform::input::hitTest(w, c.windowX() + c.Width / 2, c.windowY() + c.Height / 2) == &c;
}
