#include "fortythieves_fixture.h"
#include "fortythieves_piles.h"

#include "games/fortythieves/fortythieves_rules.h"

#include "platform/input.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

namespace ft = fortythievesrules;

// Seeded runs of random gestures through the real routing: the stock clicked, free and covered
// cards dragged to any point of the table (onto whatever lies in front there), the pointer moved
// over cards, every menu item, and the window closed and opened again. After each step the window
// mirrors its table, every pile holds its cards once, a foundation's cards stay as it took them,
// every free card can be reached, and the main window is locked exactly while the game is open.
class FortyThievesRandomPlay : public FortyThievesTest {
protected:
    gp::RandomPlay play;
    std::map<int, ft::Card> onFoundation;

    int pick(int n) { return play.pick(n); }

    fortythieves& openAgain() {
        onFoundation.clear();
        fortythieves& w = openGame<fortythieves>();
        // Nothing here looks at pixels but the faces at the end: the table is not painted, so the
        // run stays quick.
        w.topLevel()->setUpdatesEnabled(false);
        return w;
    }

    static std::vector<int> visibleCards(const fortythieves& w) {
        std::vector<int> cards;
        for (const auto& [k, card] : w.Image1)
            if (card->Visible) cards.push_back(k);
        return cards;
    }

    // The cards the pointer can reach: at their centre, or on the strip a covering card leaves.
    static std::vector<int> reachableCards(fortythieves& w) {
        std::vector<int> cards;
        for (int k : visibleCards(w)) {
            const platform::Image& card = w.Image1[k];
            if (onTop(w, card) ||
                platform::input::hitTest(w, card.windowX() + card.Width / 2, card.windowY() + 10) == &card)
                cards.push_back(k);
        }
        return cards;
    }

    int any(const std::vector<int>& cards) { return cards[static_cast<std::size_t>(pick(static_cast<int>(cards.size())))]; }

    // A drag of a card, mostly a free one, released at a random point of a random card, drop area,
    // placeholder or foundation, onto whatever lies in front there.
    void dragSomewhere(fortythieves& w) {
        const std::vector<int> cards = reachableCards(w);
        std::vector<int> free;
        for (int k : cards)
            if (w.Image1[k].DragMode == platform::vbAutomatic) free.push_back(k);
        if (cards.empty()) return;
        platform::Image& source = w.Image1[any(pick(5) && !free.empty() ? free : cards)];

        platform::Control* aim = nullptr;
        switch (pick(4)) {
        case 0: aim = &w.Image1[any(cards)]; break;
        case 1: aim = &w.Image2[1 + pick(ft::kColumns)]; break;
        case 2: aim = &w.blankslot[1 + pick(ft::kColumns)]; break;
        default: aim = &w.slot[1 + pick(ft::kFoundations)]; break;
        }
        // A drop area reaches past the client area on the right and below: the point stays inside.
        const double x = std::min(aim->windowX() + aim->Width * pick(100) / 100.0, w.ScaleWidth() - 1);
        const double y = std::min(aim->windowY() + aim->Height * pick(100) / 100.0, w.ScaleHeight() - 1);
        if (platform::Control* front = platform::input::hitTest(w, x, y))
            drag(source, *front, x - front->windowX(), y - front->windowY());
        else
            dragTo(source, x, y);
    }

    void step(fortythieves*& w) {
        const int roll = pick(100);
        if (roll < 30) {
            if (w->deckpic.Visible) click(w->deckpic);
        } else if (roll < 85) {
            dragSomewhere(*w);
        } else if (roll < 93) {
            const std::vector<int> cards = reachableCards(*w);
            if (!cards.empty()) mouseMove(w->Image1[any(cards)]);
        } else if (roll < 96) {
            platform::Menu* items[] = {&w->onsound, &w->off, &w->rules};
            chooseMenu(*items[pick(3)]);
        } else if (roll < 99) {
            onFoundation.clear();
            chooseMenu(w->newgame);
        } else {
            pick(2) ? chooseMenu(w->exit) : close(*w);
            EXPECT_EQ(platform::loaded<fortythieves>(), nullptr);
            EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled) << "released when the game closes";
            w = &openAgain();
        }
    }

    void check(fortythieves& w) {
        const ft::FortyThievesTable& t = w.table;
        for (int k = 1; k <= ft::kCards; ++k)
            if (t.card[k].onfoundation && !onFoundation.count(k)) onFoundation[k] = t.card[k];
        fortythievestest::expectWholeTable(t, onFoundation);
        expectMirrorsTable(w, false);
        EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled) << "locked while the game is open";
        EXPECT_TRUE(w.newgame.Enabled);
        EXPECT_FALSE(w.deal.Enabled);
        EXPECT_EQ(w.deckpic.Visible, t.stockleft > 0);
        EXPECT_EQ(w.deckpic.Enabled, t.stockleft > 0);
        // Every free card and every foundation that holds a card is in front where the user sees it.
        for (int c = 1; c <= ft::kColumns; ++c)
            if (const int top = ft::topcard(t, c)) {
                EXPECT_TRUE(onTop(w, w.Image1[top])) << "column " << c << "'s top card " << top;
            }
        if (t.card[t.wastetop].tag == ft::kTopOfWaste) {
            EXPECT_TRUE(onTop(w, w.Image1[t.wastetop])) << "the waste's top card";
        }
        for (int f = 1; f <= ft::kFoundations; ++f)
            if (t.nextrank[f] > 1) {
                EXPECT_TRUE(onTop(w, w.slot[f])) << "foundation " << f;
                EXPECT_EQ(w.slot[f].Picture, w.Image1[t.slotcard[f]].Picture) << "foundation " << f;
            }
    }
};

TEST_F(FortyThievesRandomPlay, EveryPileKeepsItsCardsAndEveryFreeCardStaysInReach) {
    for (std::uint32_t seed : {11u, 12u, 13u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        fortythieves* w = &openAgain();
        int changes = 0;
        for (int i = 0; i < 600 && !HasFailure(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            const ft::FortyThievesTable before = w->table;
            step(w);
            changes += w->table != before;
            check(*w);
        }
        expectMirrorsTable(*w);
        EXPECT_GT(changes, 100) << "turns and accepted drops";
        w->Unload();
        settle();
    }
}

}  // namespace
