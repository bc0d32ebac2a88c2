#include "games/accordion/accordion_rules.h"

#include "accordion_decks.h"

#include "core/cards.h"
#include "core/stock.h"
#include "support/card_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace accordionrules;
using accordiontest::Order;

namespace {

int card(std::string_view name) { return gp::cardCode(name, core::SuitOrder::Window); }

AccordionTable dealt(const Order& order, float scale = 1) {
    AccordionTable t;
    t.scale = scale;
    for (int k = 1; k <= kSlots; ++k) t.deckorder[k] = order[k - 1];
    lay(t);
    return t;
}

void clicks(AccordionTable& t, int times) {
    for (int i = 0; i < times; ++i) dealone(t);
}

// The table after `n` clicks on a fresh deal of the k-th card at position k, no move made.
AccordionTable afterClicks(int n) {
    AccordionTable t = dealt(accordiontest::inOrder());
    clicks(t, n);
    return t;
}

// The piles must move through the drop rule: the dragged row image shows its slot's card.
bool dragPile(AccordionTable& t, int from, int onto) { return drop(t, onto, from); }

std::vector<int> cardsAt(const AccordionTable& t, int from, int to) {
    std::vector<int> cards;
    for (int k = from; k <= to; ++k) cards.push_back(t.slot[k].card);
    return cards;
}

std::vector<int> run(int from, int to) {
    std::vector<int> cards;
    for (int k = from; k <= to; ++k) cards.push_back(k);
    return cards;
}

std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Positions from..to that show.
bool allShown(const AccordionTable& t, int from, int to) {
    for (int k = from; k <= to; ++k)
        if (!t.place[k].Visible) return false;
    return true;
}

TEST(AccordionSteps, AreRoundedToTheNearestWholeNumberNotCut) {
    struct Case { float scale; int colstep; int rowstep; };
    for (const Case c : {Case{0.77f, 986, 1432}, Case{0.78f, 998, 1451}, Case{1.0f, 1280, 1860}}) {
        SCOPED_TRACE(c.scale);
        const AccordionTable t = dealt(accordiontest::inOrder(), c.scale);
        EXPECT_EQ(t.colstep, c.colstep);
        EXPECT_EQ(t.rowstep, c.rowstep);
    }
}

TEST(AccordionDeal, PutsEveryCardInTheStockOffTheTableWithItsRankAndSuit) {
    AccordionTable t = dealt(accordiontest::inOrder());
    clicks(t, 5);
    t.place[3].Visible = false;
    t.deckorder[1] = static_cast<std::int16_t>(card("KC"));
    t.deckorder[52] = static_cast<std::int16_t>(card("AS"));
    lay(t);

    EXPECT_EQ(t.dealtcount, 0);
    EXPECT_EQ(t.pilecount, 0);
    EXPECT_EQ(t.laidout, 0);
    EXPECT_EQ(t.identslot, 1);
    EXPECT_EQ(t.slotend, 53);
    EXPECT_EQ(t.movetarget, 0);
    EXPECT_EQ(t.movekind, "");
    for (int k = 1; k <= kSlots; ++k) {
        EXPECT_EQ(t.slot[k].tag, k);
        EXPECT_EQ(t.slot[k].card, t.deckorder[k]);
        EXPECT_EQ(t.place[k].Left, -5000);
        EXPECT_EQ(t.place[k].Top, -5000);
    }
    EXPECT_EQ(t.slot[1].cardsuit, core::Suit::Clubs);
    EXPECT_EQ(t.slot[1].cardrank, 13);
    EXPECT_EQ(t.slot[52].cardsuit, core::Suit::Spades);
    EXPECT_EQ(t.slot[52].cardrank, 1);
    EXPECT_EQ(t.slot[27].cardsuit, core::Suit::Diamonds);
    EXPECT_EQ(t.slot[14].cardsuit, core::Suit::Hearts);
    EXPECT_FALSE(t.place[3].Visible) << "a deal changes no visibility; New Game shows every position";
    showall(t);
    EXPECT_TRUE(allShown(t, 1, 52));
}

TEST(AccordionIdentity, WritesOnlyTheGivenPositionAndNothingForAPositionWithoutAFace) {
    AccordionTable t = dealt(accordiontest::inOrder());
    const AccordionTable before = t;
    t.slot[5].card = 0;
    t.slot[5].cardrank = 7;
    t.slot[5].cardsuit = core::Suit::Hearts;
    suitsvalues(t, 5);
    EXPECT_EQ(t.slot[5].cardrank, 7);
    EXPECT_EQ(t.slot[5].cardsuit, core::Suit::Hearts);

    t.slot[5].card = static_cast<std::int16_t>(card("QD"));
    suitsvalues(t, 5);
    EXPECT_EQ(t.slot[5].cardrank, 12);
    EXPECT_EQ(t.slot[5].cardsuit, core::Suit::Diamonds);
    for (int k = 1; k <= kSlots; ++k) {
        if (k == 5) continue;
        EXPECT_EQ(t.slot[k], before.slot[k]) << k;
    }
}

TEST(AccordionStock, ShowsFullHalfAndThinPilesAndHidesAfterTheLastCard) {
    const std::map<int, std::string_view> bands{
        {1, core::stockfull},  {25, core::stockfull}, {26, core::stockhalf}, {45, core::stockhalf},
        {46, core::stockthin}, {51, core::stockthin}, {52, ""}};
    for (const auto& [dealtcount, picture] : bands) EXPECT_EQ(stockpicture(dealtcount), picture) << dealtcount;
}

TEST(AccordionStock, FirstClickPlacesPositionOneAndEachLaterOneTheNext) {
    AccordionTable t = dealt(accordiontest::inOrder());
    const Dealt first = dealone(t);
    EXPECT_EQ(first.slot, 1);
    EXPECT_FALSE(first.reshown);
    EXPECT_EQ(t.place[1].Left, 2280);
    EXPECT_EQ(t.place[1].Top, 240);
    EXPECT_EQ(t.place[2].Left, -5000);
    EXPECT_EQ(t.dealtcount, 1);
    EXPECT_EQ(t.pilecount, 1);
    EXPECT_EQ(t.laidout, 1);
    EXPECT_EQ(t.identslot, 2);

    clicks(t, 51);
    EXPECT_EQ(t.dealtcount, 52);
    EXPECT_EQ(t.pilecount, 52);
    EXPECT_EQ(t.laidout, 52);
    EXPECT_EQ(t.identslot, 53);
    const AccordionTable spent = t;
    EXPECT_EQ(dealone(t).slot, 0);
    EXPECT_EQ(t, spent) << "nothing is dealt once the stock is spent";
}

TEST(AccordionStock, PlacingAPositionReadsItsCardAgain) {
    AccordionTable t = dealt(accordiontest::inOrder());
    t.slot[1].cardrank = 0;
    t.slot[1].cardsuit.reset();
    dealone(t);
    EXPECT_EQ(t.slot[1].cardrank, 1);
    EXPECT_EQ(t.slot[1].cardsuit, core::Suit::Spades);
}

struct PlaceCase {
    float scale;
    int position;
    double left;
    double top;
};

// Without moves each click places the next position; a Left is the Left before it plus the step.
TEST(AccordionLayout, PlacesTheSixRowsFromThePreviousLeftAndTheWholeStep) {
    const PlaceCase cases[] = {
        {1.0f, 1, 2280, 240},       {1.0f, 2, 3560, 240},       {1.0f, 7, 9960, 240},
        {1.0f, 8, 240, 1800},       {1.0f, 16, 10480, 1800},    {1.0f, 17, 240, 3360},
        {1.0f, 26, 240, 4925},      {1.0f, 27, 1520, 4920},     {1.0f, 34, 10480, 4920},
        {1.0f, 35, 240, 6480},      {1.0f, 44, 240, 8040},      {1.0f, 52, 10480, 8040},
        {0.78f, 1, 1778.4, 187.2},  {0.78f, 7, 7766.4, 187.2},  {0.78f, 8, 187.2, 1404},
        {0.78f, 16, 8171.2, 1404},  {0.78f, 26, 187.2, 3841.7}, {0.78f, 27, 1185.2, 3837.6},
        {0.77f, 1, 1755.6, 184.8},  {0.77f, 7, 7671.6, 184.8},  {0.77f, 8, 184.8, 1386},
        {0.77f, 16, 8072.8, 1386},  {0.77f, 26, 184.8, 3792.05}, {0.77f, 27, 1170.8, 3788.4},
        {0.77f, 52, 8072.8, 6190.8},
    };
    std::map<float, AccordionTable> tables;
    for (const float scale : {1.0f, 0.78f, 0.77f}) {
        tables[scale] = dealt(accordiontest::inOrder(), scale);
        clicks(tables[scale], 52);
    }
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE("scale " + std::to_string(c.scale) + ", position " + std::to_string(c.position));
        const Place& place = tables[c.scale].place[c.position];
        EXPECT_NEAR(place.Left, c.left, 0.001);
        EXPECT_NEAR(place.Top, c.top, 0.001);
    }
}

// A Left follows the slot before it as that slot holds it, not the design table.
TEST(AccordionLayout, LeftFollowsThePreviousSlotAsItIs) {
    EXPECT_DOUBLE_EQ(slotLeft(5, 4843.0, 1.0f, 1280), 6123.0);
    EXPECT_NEAR(slotLeft(16, 184.8 + 7 * 986, 0.77f, 986), 8072.8, 0.001);
    EXPECT_NEAR(slotLeft(17, 9999.0, 0.77f, 986), 184.8, 0.001) << "a row starts afresh";
}

struct DropCase {
    std::string what;
    int onto;
    int from;  // the dragged pile's tag
    std::string ontoCard;
    std::string fromCard;
    std::string_view kind;  // empty: refused
};

// Every position dealt, no move made; the two cards of the case at their positions, the others in
// ascending order.
TEST(AccordionDrop, AcceptsOneOrThreePlacesLeftOnASuitOrRankMatchOnly) {
    const DropCase cases[] = {
        {"one left by suit", 7, 8, "3S", "9S", kLeft},
        {"one left by rank", 7, 8, "3S", "3H", kLeft},
        {"one left without a match", 7, 8, "3S", "9H", ""},
        {"three left by suit", 6, 9, "4D", "JD", kLeftThree},
        {"three left by rank", 6, 9, "4D", "4C", kLeftThree},
        {"three left without a match", 6, 9, "4D", "JC", ""},
        {"two left", 6, 8, "4D", "JD", ""},
        {"four left", 6, 10, "4D", "JD", ""},
        {"ten left", 6, 16, "4D", "4H", ""},
        {"one right", 8, 7, "3S", "9S", ""},
        {"three right", 9, 6, "4D", "JD", ""},
        {"onto itself", 12, 12, "5H", "KD", ""},
        {"the first pile rightwards", 2, 1, "AS", "2S", ""},
        {"the first pile three right", 4, 1, "AS", "2S", ""},
        {"onto position 1", 1, 2, "AS", "2S", kLeft},
        {"onto position 1 from 4", 1, 4, "AS", "2S", kLeftThree},
        {"onto 49 from 52", 49, 52, "7C", "7H", kLeftThree},
        {"onto 50 from 51", 50, 51, "7C", "7H", kLeft},
        {"onto 51 from 52", 51, 52, "7C", "7H", kLeft},
        {"onto 50 from 52", 50, 52, "7C", "8C", ""},
        {"onto 52, which takes no drop", 52, 51, "7C", "8C", ""},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.what);
        const int ontoCard = card(c.ontoCard);
        const int fromCard = card(c.fromCard);
        std::map<int, int> placed{{c.onto, ontoCard}};
        if (c.from != c.onto) placed[c.from] = fromCard;
        AccordionTable t = dealt(gp::completeDeck(placed));
        clicks(t, 52);
        const AccordionTable before = t;
        const bool accepted = dragPile(t, c.from, c.onto);
        EXPECT_EQ(accepted, !c.kind.empty());
        if (!accepted) {
            EXPECT_EQ(t, before) << "a refused drop changes nothing";
            continue;
        }
        EXPECT_EQ(t.movetarget, c.onto);
        EXPECT_EQ(t.movekind, c.kind);
        EXPECT_EQ(t.pilecount, 51);
        EXPECT_EQ(t.slotend, 52);
        EXPECT_EQ(t.slot[c.onto].card, fromCard);
        EXPECT_EQ(t.slot[c.onto].cardrank, core::rankof(fromCard));
        EXPECT_EQ(t.slot[c.onto].cardsuit, core::suitofcode(fromCard, core::SuitOrder::Window));
    }
}

TEST(AccordionDrop, AFailingMoveFromTheNeighbourIsNotTriedFromThreeAway) {
    AccordionTable t = dealt(gp::completeDeck({{7, card("3S")}, {8, card("9H")}, {10, card("3D")}}));
    clicks(t, 12);
    const AccordionTable before = t;
    EXPECT_FALSE(dragPile(t, 8, 7));
    EXPECT_EQ(t, before);
    EXPECT_TRUE(dragPile(t, 10, 7));
    EXPECT_EQ(t.slot[7].card, card("3D"));
}

TEST(AccordionDrop, BothNeighboursMatchingMovesTheDraggedPile) {
    for (const int from : {8, 10}) {
        AccordionTable t = dealt(gp::completeDeck({{7, card("3S")}, {8, card("9S")}, {10, card("3D")}}));
        clicks(t, 12);
        ASSERT_TRUE(dragPile(t, from, 7));
        EXPECT_EQ(t.slot[7].card, card(from == 8 ? "9S" : "3D"));
    }
}

TEST(AccordionDrop, JudgesTheRecordsAsTheyStandAfterEarlierMoves) {
    // 2S lands on AS; 3H then lies next to it and matches neither its suit nor its rank.
    AccordionTable t = dealt(gp::completeDeck({{1, card("AS")}, {2, card("2S")}, {3, card("3H")}, {4, card("3D")}}));
    clicks(t, 4);
    ASSERT_TRUE(dragPile(t, 2, 1));
    EXPECT_EQ(cardsAt(t, 1, 3), (std::vector<int>{card("2S"), card("3H"), card("3D")}));
    EXPECT_FALSE(dragPile(t, 2, 1));
    EXPECT_TRUE(dragPile(t, 3, 2)) << "3D onto 3H by rank";
}

TEST(AccordionDrop, OnlyAPileOnTheTableMoves) {
    AccordionTable t = afterClicks(6);
    const AccordionTable before = t;
    EXPECT_FALSE(dragPile(t, 7, 6)) << "position 7 is still in the stock";
    EXPECT_EQ(t, before);
}

// The examples count in cards of the shuffled stock: #k is the k-th card dealt, here code k.
TEST(AccordionGap, LeftMoveWithCardsInTheStock) {
    AccordionTable t = afterClicks(10);
    ASSERT_TRUE(dragPile(t, 7, 6));
    EXPECT_EQ(t.pilecount, 9);
    EXPECT_EQ(t.slotend, 52);
    EXPECT_EQ(t.dealtcount, 10);
    EXPECT_EQ(cardsAt(t, 1, 9), join({run(1, 5), run(7, 10)}));
    EXPECT_TRUE(allShown(t, 1, 9));
    EXPECT_EQ(t.slot[10].card, 11);
    EXPECT_FALSE(t.place[10].Visible);
    EXPECT_EQ(cardsAt(t, 11, 51), run(12, 52));
    EXPECT_TRUE(allShown(t, 11, 51));
    EXPECT_FALSE(t.place[52].Visible);

    const Place emptied = t.place[10];
    const Dealt next = dealone(t);
    EXPECT_EQ(next.slot, 10);
    EXPECT_TRUE(next.reshown);
    EXPECT_TRUE(t.place[10].Visible);
    EXPECT_EQ(t.place[10].Left, emptied.Left);
    EXPECT_EQ(t.place[10].Top, emptied.Top);
    EXPECT_EQ(t.slot[10].card, 11);
    EXPECT_EQ(t.laidout, 10);
    EXPECT_EQ(t.identslot, 11);
}

TEST(AccordionGap, ThreeLeftMoveWithCardsInTheStock) {
    AccordionTable t = afterClicks(10);
    ASSERT_TRUE(dragPile(t, 9, 6));
    EXPECT_EQ(t.movekind, "leftthree");
    EXPECT_EQ(cardsAt(t, 1, 9), join({run(1, 5), {9, 7, 8, 10}}));
    EXPECT_EQ(t.slot[10].card, 11);
    EXPECT_FALSE(t.place[10].Visible);
    EXPECT_EQ(cardsAt(t, 11, 51), run(12, 52));
    EXPECT_FALSE(t.place[52].Visible);
}

TEST(AccordionGap, ThreeLeftAsTheFirstMoveNearTheEndOfTheRow) {
    AccordionTable t = afterClicks(51);
    ASSERT_TRUE(dragPile(t, 51, 48));
    EXPECT_EQ(t.pilecount, 50);
    EXPECT_EQ(t.slotend, 52);
    EXPECT_EQ(cardsAt(t, 1, 50), join({run(1, 47), {51, 49, 50}}));
    EXPECT_TRUE(allShown(t, 1, 50));
    EXPECT_EQ(t.slot[51].card, 52);
    EXPECT_FALSE(t.place[51].Visible);
    EXPECT_FALSE(t.place[52].Visible);

    EXPECT_EQ(dealone(t).slot, 51);
    EXPECT_EQ(t.dealtcount, 52);
    EXPECT_EQ(cardsAt(t, 1, 51), join({run(1, 47), {51, 49, 50, 52}}));
    EXPECT_TRUE(allShown(t, 1, 51));
}

TEST(AccordionGap, ThreeLeftAsTheSecondMoveWithTwoCardsInTheStock) {
    AccordionTable t = afterClicks(50);
    ASSERT_TRUE(dragPile(t, 2, 1));
    EXPECT_EQ(cardsAt(t, 1, 51), run(2, 52));
    EXPECT_EQ(t.slotend, 52);
    ASSERT_TRUE(dragPile(t, 49, 46));
    EXPECT_EQ(cardsAt(t, 1, 48), join({run(2, 46), {50, 48, 49}}));
    EXPECT_EQ(cardsAt(t, 49, 50), (std::vector<int>{51, 52}));
    EXPECT_FALSE(t.place[49].Visible);
    EXPECT_FALSE(t.place[50].Visible);

    EXPECT_EQ(dealone(t).slot, 49);
    EXPECT_EQ(dealone(t).slot, 50);
    EXPECT_EQ(cardsAt(t, 49, 50), (std::vector<int>{51, 52}));
    EXPECT_TRUE(allShown(t, 1, 50));
    EXPECT_EQ(t.pilecount, 50);
}

TEST(AccordionGap, LastPileOntoItsNeighbourWithEveryCardDealt) {
    AccordionTable t = afterClicks(52);
    ASSERT_TRUE(dragPile(t, 52, 51));
    EXPECT_EQ(t.slot[51].card, 52);
    EXPECT_TRUE(allShown(t, 1, 51));
    EXPECT_FALSE(t.place[52].Visible);
    ASSERT_TRUE(dragPile(t, 51, 50));
    EXPECT_EQ(t.pilecount, 50);
    EXPECT_EQ(t.slotend, 51);
    EXPECT_EQ(t.slot[50].card, 52);
    EXPECT_TRUE(allShown(t, 1, 50));
    EXPECT_FALSE(t.place[51].Visible);
}

TEST(AccordionGap, ThreeLeftOntoFortyNineFromTheLastPosition) {
    AccordionTable t = afterClicks(52);
    ASSERT_TRUE(dragPile(t, 52, 49));
    EXPECT_EQ(cardsAt(t, 1, 51), join({run(1, 48), {52, 50, 51}}));
    EXPECT_TRUE(allShown(t, 1, 51));
    EXPECT_FALSE(t.place[52].Visible);
}

TEST(AccordionGap, EmptiedPositionsShowAgainInOrderBeforeANewOneIsPlaced) {
    AccordionTable t = afterClicks(12);
    ASSERT_TRUE(dragPile(t, 2, 1));
    ASSERT_TRUE(dragPile(t, 5, 4));
    ASSERT_TRUE(dragPile(t, 9, 6));
    EXPECT_EQ(t.pilecount, 9);
    EXPECT_EQ(t.laidout, 12);
    for (const int k : {10, 11, 12}) {
        EXPECT_FALSE(t.place[k].Visible);
        const Place emptied = t.place[k];
        const Dealt d = dealone(t);
        EXPECT_EQ(d.slot, k);
        EXPECT_TRUE(d.reshown);
        EXPECT_EQ(t.place[k].Left, emptied.Left);
        EXPECT_EQ(t.place[k].Top, emptied.Top);
        EXPECT_EQ(t.laidout, 12);
        EXPECT_EQ(t.slot[k].card, k + 3) << "the next card of the stock";
    }
    const Dealt fresh = dealone(t);
    EXPECT_EQ(fresh.slot, 13);
    EXPECT_FALSE(fresh.reshown);
    EXPECT_EQ(t.laidout, 13);
    EXPECT_EQ(t.identslot, 14);
    EXPECT_EQ(t.slot[13].card, 16);
}

// What every click and move keeps true, over random games.
void expectInvariants(const AccordionTable& t) {
    const int moves = t.dealtcount - t.pilecount;
    ASSERT_EQ(53 - t.slotend, moves);
    ASSERT_EQ(t.identslot, t.laidout + 1);
    ASSERT_LE(t.pilecount, t.laidout);
    for (int k = 1; k <= t.pilecount; ++k) ASSERT_TRUE(t.place[k].Visible) << "pile " << k;
    for (int k = t.pilecount + 1; k <= t.laidout; ++k) ASSERT_FALSE(t.place[k].Visible) << "emptied " << k;
    for (int k = t.laidout + 1; k < t.slotend; ++k) {
        ASSERT_TRUE(t.place[k].Visible) << "never placed " << k;
        ASSERT_EQ(t.place[k].Left, kOffTable);
    }
    for (int k = t.slotend; k <= kSlots; ++k) ASSERT_FALSE(t.place[k].Visible) << "empty " << k;
    // The stock still in deal order right after the piles.
    for (int k = t.pilecount + 1; k < t.slotend; ++k)
        ASSERT_EQ(t.slot[k].card, t.deckorder[t.dealtcount + k - t.pilecount]) << "stock " << k;
    std::set<int> seen;
    for (int k = 1; k < t.slotend; ++k) {
        const Record& r = t.slot[k];
        ASSERT_TRUE(seen.insert(r.card).second) << "card " << r.card << " twice";
        ASSERT_EQ(r.cardrank, core::rankof(r.card));
        ASSERT_EQ(r.cardsuit, core::suitofcode(r.card, core::SuitOrder::Window));
    }
}

std::vector<std::pair<int, int>> legalMoves(const AccordionTable& t) {
    std::vector<std::pair<int, int>> moves;
    for (int s = 2; s <= t.pilecount; ++s)
        for (const int n : {s - 1, s - 3})
            if (n >= 1 && matches(t, n, s)) moves.emplace_back(s, n);
    return moves;
}

TEST(AccordionProperty, RandomClicksAndMovesKeepTheTableWhole) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        Order order = accordiontest::inOrder();
        std::shuffle(order.begin(), order.end(), random);
        AccordionTable t = dealt(order, seed % 3 == 0 ? 0.77f : 1.0f);
        for (int step = 0; step < 200; ++step) {
            const auto moves = legalMoves(t);
            const bool stockLeft = t.dealtcount < kSlots;
            if (moves.empty() && !stockLeft) break;
            if (stockLeft && (moves.empty() || random() % 2 == 0)) {
                dealone(t);
            } else {
                const auto [from, onto] = moves[random() % moves.size()];
                ASSERT_TRUE(dragPile(t, from, onto));
            }
            expectInvariants(t);
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
