#include "accordion_fixture.h"

#include "core/cards.h"
#include "core/stock.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>

namespace {

using platform::vbAutomatic;
using platform::vbManual;

struct DragCase {
    std::string what;
    int from;
    int onto;
};

TEST_F(AccordionTest, RefusedDropsChangeNothingAndPlayNoSound) {
    auto& a = openWith(gp::completeDeck(
        {{6, card("4D")}, {7, card("3S")}, {8, card("9D")}, {9, card("JD")}, {10, card("3C")}}));
    deal(a, 12);
    const DragCase refused[] = {
        {"one left, neither suit nor rank", 8, 7},
        {"two left, the same suit", 8, 6},
        {"one right, the same suit", 8, 9},
        {"onto itself", 9, 9},
        {"four left, the same rank", 11, 7},
    };
    sounds.clear();
    for (const DragCase& c : refused) {
        SCOPED_TRACE(c.what);
        const View before = view(a);
        drag(a.Image[c.from], a.Image[c.onto]);
        EXPECT_TRUE(view(a) == before);
    }
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(AccordionTest, AcceptedMovesFlickAndCloseTheRow) {
    auto& a = openWith(gp::completeDeck(
        {{6, card("4D")}, {7, card("3S")}, {8, card("9S")}, {9, card("JD")}, {10, card("3C")}}));
    deal(a, 12);
    ASSERT_EQ(row(a, 11, 12), (std::vector<int>{card("7S"), card("8S")})) << "the other cards in ascending order";
    sounds.clear();

    drag(a.Image[10], a.Image[7]);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_EQ(a.table.movetarget, 7);
    EXPECT_EQ(a.table.movekind, "leftthree");
    EXPECT_EQ(row(a, 6, 10), (std::vector<int>{card("4D"), card("3C"), card("9S"), card("JD"), card("7S")}));
    EXPECT_TRUE(inSight(a, 11)) << "position 11 takes the twelfth card";
    EXPECT_FALSE(a.Image[12].Visible);
    EXPECT_EQ(a.table.pilecount, 11);

    drag(a.Image[8], a.Image[7]);
    EXPECT_EQ(sounds.played().size(), 1u) << "9S onto 3C is refused silently";
    drag(a.Image[11], a.Image[10]);
    EXPECT_EQ(sounds.played().size(), 2u);
    EXPECT_EQ(a.table.movekind, "left");
    EXPECT_EQ(row(a, 9, 10), (std::vector<int>{card("JD"), card("8S")})) << "8S onto 7S";
    EXPECT_FALSE(a.Image[11].Visible);
    expectRowMirrorsSlots(a);
}

TEST_F(AccordionTest, ADropMovesTheCardTheTableHoldsWhateverTheDraggedImageShows) {
    auto& a = openWith(gp::completeDeck(
        {{6, card("4D")}, {7, card("3S")}, {8, card("9S")}, {9, card("JD")}, {10, card("3C")}}));
    deal(a, 12);
    a.Image[10].Picture = a.faces.face(card("KH"));
    drag(a.Image[10], a.Image[7]);
    EXPECT_EQ(a.table.movetarget, 7);
    EXPECT_EQ(a.table.slot[7].card, card("3C"));
    EXPECT_EQ(row(a, 6, 10), (std::vector<int>{card("4D"), card("3C"), card("9S"), card("JD"), card("7S")}));
    expectRowMirrorsSlots(a);
}

TEST_F(AccordionTest, DropsOnTheLastPositionTheStockOrTheTableDoNothing) {
    auto& a = openWith(accordiontest::inOrder());
    deal(a, 10);
    sounds.clear();
    View before = view(a);
    drag(a.Image[2], a.deck);
    EXPECT_TRUE(view(a) == before) << "the stock takes no drop";
    dragTo(a.Image[2], 5000, 1620);
    EXPECT_TRUE(view(a) == before) << "nor does the table between the rows";

    deal(a, 42);
    sounds.clear();
    before = view(a);
    drag(a.Image[51], a.Image[52]);
    EXPECT_TRUE(view(a) == before) << "nor does the last position";
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(AccordionTest, FirstPileDragsOnlyAfterTheFirstMoveAndNeverMoves) {
    auto& a = openWith(accordiontest::inOrder());
    deal(a, 5);
    EXPECT_EQ(a.Image[1].DragMode, vbManual);
    drag(a.Image[3], a.Image[2]);
    for (int k = 1; k <= 52; ++k) EXPECT_EQ(a.Image[k].DragMode, vbAutomatic) << k;

    sounds.clear();
    const View before = view(a);
    drag(a.Image[1], a.Image[2]);
    drag(a.Image[1], a.Image[4]);
    EXPECT_TRUE(view(a) == before);
    EXPECT_TRUE(sounds.played().empty());

    chooseMenu(a.newgame);
    EXPECT_EQ(a.Image[1].DragMode, vbAutomatic) << "New Game leaves the first row image draggable";
}

TEST_F(AccordionTest, NewGameMidDealStartsAFreshDealWithEverythingOutOfSight) {
    auto& a = openWith(accordiontest::inOrder());
    deal(a, 10);
    drag(a.Image[2], a.Image[1]);
    drag(a.Image[5], a.Image[4]);
    ASSERT_FALSE(a.Image[9].Visible);
    ASSERT_FALSE(a.Image[52].Visible);
    sounds.clear();

    chooseMenu(a.newgame);
    EXPECT_TRUE(sounds.played().empty());
    const std::set<int> codes(a.table.deckorder.begin() + 1, a.table.deckorder.end());
    EXPECT_EQ(codes.size(), 52u);
    accordionrules::Codes abandoned{};
    for (int k = 1; k <= 52; ++k) abandoned[k] = static_cast<std::int16_t>(k);
    EXPECT_NE(a.table.deckorder, abandoned) << "a new shuffle";
    EXPECT_EQ(a.table.dealtcount, 0);
    EXPECT_EQ(a.table.pilecount, 0);
    EXPECT_EQ(a.table.slotend, 53);
    EXPECT_TRUE(a.deck.Visible);
    EXPECT_TRUE(showsFile(a.deck, core::stockfull));
    for (int k = 1; k <= 52; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(a.cardpic[k].Visible);
        EXPECT_TRUE(a.Image[k].Visible);
        EXPECT_FALSE(inSight(a, k));
        EXPECT_EQ(a.table.slot[k].tag, k);
        EXPECT_EQ(shown(a, a.Image[k]), a.table.deckorder[k]);
    }
    expectRowMirrorsSlots(a);

    click(a.deck);
    EXPECT_TRUE(inSight(a, 1));
    EXPECT_EQ(shown(a, a.Image[1]), a.table.deckorder[1]);
    EXPECT_FALSE(inSight(a, 2));
}

TEST_F(AccordionTest, NewGameAfterTheWholeStockShowsTheFullStockAgain) {
    auto& a = openGame<Accordian>();
    deal(a, 52);
    ASSERT_FALSE(a.deck.Visible);
    chooseMenu(a.newgame);
    EXPECT_TRUE(a.deck.Visible);
    EXPECT_TRUE(showsFile(a.deck, core::stockfull));
    for (int k = 1; k <= 52; ++k) EXPECT_FALSE(inSight(a, k)) << k;
    click(a.deck);
    EXPECT_TRUE(inSight(a, 1));
    EXPECT_EQ(shown(a, a.Image[1]), a.table.deckorder[1]);
    EXPECT_EQ(a.table.dealtcount, 1);
}

// Every card matches the one before it: 52 clicks deal them, 51 drags of the second pile onto the
// first fold them into one pile.
TEST_F(AccordionTest, WholeGameFoldsTheDealIntoOnePile) {
    const accordiontest::Order order = accordiontest::everyCardMatches();
    auto& a = openWith(order);
    sounds.clear();
    deal(a, 52);
    for (int move = 1; move <= 51; ++move) {
        SCOPED_TRACE("move " + std::to_string(move));
        drag(a.Image[2], a.Image[1]);
        ASSERT_EQ(a.table.pilecount, 52 - move);
        EXPECT_EQ(shown(a, a.Image[1]), order[move]);
    }
    EXPECT_TRUE(inSight(a, 1));
    EXPECT_EQ(shown(a, a.Image[1]), card("AC"));
    for (int k = 2; k <= 52; ++k) EXPECT_FALSE(a.Image[k].Visible) << k;
    EXPECT_FALSE(a.deck.Visible);
    EXPECT_EQ(a.table.slotend, 2);
    EXPECT_EQ(sounds.played().size(), 52u + 51u);
}

class AccordionRandomPlay : public AccordionTest {
protected:
    // The legal moves (from, onto) as the pictures of the piles on the table show them.
    std::vector<std::pair<int, int>> legalMoves(const Accordian& a) {
        std::vector<std::pair<int, int>> moves;
        const auto same = [&](int n, int s) {
            const int x = shown(a, a.Image[n]);
            const int y = shown(a, a.Image[s]);
            return core::suitblock(x) == core::suitblock(y) || core::rankof(x) == core::rankof(y);
        };
        for (int s = 2; s <= 52 && inSight(a, s); ++s)
            for (const int n : {s - 1, s - 3})
                if (n >= 1 && same(n, s)) moves.emplace_back(s, n);
        return moves;
    }

    void expectWhole(Accordian& a) {
        const auto& t = a.table;
        const int moves = t.dealtcount - t.pilecount;
        ASSERT_EQ(53 - t.slotend, moves);
        std::set<int> seen;
        for (int k = 1; k < t.slotend; ++k) {
            const int code = shown(a, a.cardpic[k]);
            ASSERT_TRUE(seen.insert(code).second) << "card " << code << " twice";
            ASSERT_EQ(inSight(a, k), k <= t.pilecount) << "position " << k;
            if (k > t.pilecount) {
                ASSERT_EQ(code, t.deckorder[t.dealtcount + k - t.pilecount]) << "stock " << k;
            }
        }
        for (int k = t.slotend; k <= 52; ++k) ASSERT_FALSE(a.Image[k].Visible) << "empty " << k;
        expectRowMirrorsSlots(a);
    }
};

TEST_F(AccordionRandomPlay, ClicksAndMovesKeepTheRowWhole) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        accordiontest::Order order = accordiontest::inOrder();
        std::shuffle(order.begin(), order.end(), random);
        auto& a = openWith(order);
        sounds.clear();
        int made = 0;
        for (int step = 0; step < 150; ++step) {
            const auto moves = legalMoves(a);
            const bool stockLeft = a.deck.Visible;
            if (moves.empty() && !stockLeft) break;
            if (stockLeft && (moves.empty() || random() % 2 == 0)) {
                click(a.deck);
            } else {
                const auto [from, onto] = moves[random() % moves.size()];
                const int pilesBefore = a.table.pilecount;
                drag(a.Image[from], a.Image[onto]);
                ASSERT_EQ(a.table.pilecount, pilesBefore - 1);
                ++made;
            }
            expectWhole(a);
            if (HasFatalFailure() || HasFailure()) return;
        }
        EXPECT_GT(made, 0);
        EXPECT_EQ(sounds.played().size(), std::size_t(a.table.dealtcount + made));
        a.Unload();
        settle();
    }
}

}  // namespace
