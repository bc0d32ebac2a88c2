#include "games/smallsolitaires/calculation_rules.h"

#include "solitaire_decks.h"

#include "core/chance.h"
#include "core/stock.h"
#include "support/card_names.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace calculationrules;

namespace {

int code(std::string_view name) { return gp::cardCode(name, core::SuitOrder::File); }

CalculationTable dealt(const solitairetest::Order& order) {
    CalculationTable t;
    startmeup(t, order);
    return t;
}

// The deal whose stock turns the given codes first; the other codes follow in ascending order.
CalculationTable stockStarting(std::initializer_list<std::string_view> names) {
    std::map<int, int> placed{{1, 1}, {2, 15}, {3, 29}, {4, 43}};
    int position = kFirstStock;
    for (std::string_view name : names) placed[position++] = code(name);
    return dealt(gp::completeDeck(placed));
}

std::set<int> draggables(const CalculationTable& t) {
    std::set<int> positions;
    for (int i = 1; i <= kCards; ++i)
        if (t.draggable[i]) positions.insert(i);
    return positions;
}

TEST(CalculationRules, EveryDealStartsTheFoundationsAndShufflesTheOtherCardsIntoTheStock) {
    std::set<std::vector<int>> stocks;
    for (std::uint32_t seed : {1u, 2u, 3u, 77u}) {
        core::Randomize(seed);
        CalculationTable t;
        startmeup(t);
        EXPECT_EQ(t.deckorder[1], code("AS"));
        EXPECT_EQ(t.deckorder[2], code("2C"));
        EXPECT_EQ(t.deckorder[3], code("3D"));
        EXPECT_EQ(t.deckorder[4], code("4H"));
        std::vector<int> stock(t.deckorder.begin() + kFirstStock, t.deckorder.end());
        std::set<int> codes(stock.begin(), stock.end());
        codes.insert(t.deckorder.begin() + 1, t.deckorder.begin() + kFirstStock);
        EXPECT_EQ(codes.size(), 52u);
        EXPECT_EQ(*codes.begin(), 1);
        EXPECT_EQ(*codes.rbegin(), 52);
        stocks.insert(stock);
        for (int i = 1; i <= kCards; ++i) {
            EXPECT_EQ(t.tag[i], i <= 4 ? i : 1000 + i - 4) << i;
            EXPECT_EQ(t.cardrank[i], (t.deckorder[i] - 1) % 13 + 1) << i;
        }
        EXPECT_EQ(t.foundneed, (PerFoundation{0, 2, 4, 6, 8}));
        EXPECT_TRUE(draggables(t).empty());
    }
    EXPECT_EQ(stocks.size(), 4u) << "each seed shuffles the stock its own way";
}

TEST(CalculationRules, AChosenDealMustStartWithTheFourStartersAndHoldEveryCodeOnce) {
    CalculationTable t;
    EXPECT_THROW(startmeup(t, solitairetest::ascending()), std::invalid_argument);
    auto twice = solitairetest::calculationDeal().order;
    twice[10] = twice[11];
    EXPECT_THROW(startmeup(t, twice), std::invalid_argument);
    EXPECT_NO_THROW(startmeup(t, solitairetest::calculationDeal().order));
}

// Each foundation built from its starter to its king, the stock turned straight onto it: before
// each card it needs exactly that rank, and no other foundation takes the card unless it needs
// that rank too.
TEST(CalculationRules, EachFoundationBuildsByItsStepWrappingPastTheKingAndClosesWithIt) {
    CalculationTable t = dealt(solitairetest::calculationDeal(true).order);
    for (int f = 1; f <= kFoundations; ++f) {
        for (std::size_t k = 0; k < solitairetest::kBuilds[f - 1].size(); ++k) {
            const int rank = solitairetest::kBuilds[f - 1][k];
            SCOPED_TRACE("foundation " + std::to_string(f) + ", card " + std::to_string(k + 1));
            EXPECT_EQ(t.foundneed[f], rank);
            EXPECT_FALSE(t.closed[f]);
            const int d = turnstock(t);
            ASSERT_EQ(t.cardrank[d], rank);
            for (int g = 1; g <= kFoundations; ++g)
                EXPECT_EQ(takes(t, d, g), g == f || (!t.closed[g] && t.foundneed[g] == rank)) << "foundation " << g;
            EXPECT_TRUE(ontofoundation(t, d, f));
            EXPECT_EQ(t.tag[d], f);
            EXPECT_FALSE(t.draggable[d]);
        }
        EXPECT_TRUE(t.closed[f]);
        EXPECT_EQ(won(t), f == kFoundations);
    }
}

TEST(CalculationRules, AClosedFoundationRefusesEvenTheRankThatWouldFollow) {
    CalculationTable t = stockStarting({"2S", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "JS", "QS", "KS", "AD"});
    for (int turn = 0; turn < 12; ++turn) ASSERT_TRUE(ontofoundation(t, turnstock(t), 1));
    EXPECT_TRUE(t.closed[1]);
    EXPECT_EQ(t.foundneed[1], 1) << "past the king the foundation would want an ace";
    const int ace = turnstock(t);
    const CalculationTable before = t;
    EXPECT_FALSE(takes(t, ace, 1));
    EXPECT_FALSE(ontofoundation(t, ace, 1));
    EXPECT_EQ(t, before);
}

TEST(CalculationRules, TheStockTurnsPositionFiveFirstAndFiftyTwoLast) {
    CalculationTable t = dealt(solitairetest::calculationDeal().order);
    EXPECT_EQ(turnstock(t), 5);
    EXPECT_EQ(t.tag[5], 1001);
    EXPECT_TRUE(t.draggable[5]);
    for (int turn = 2; turn < 48; ++turn) turnstock(t);
    EXPECT_EQ(turnstock(t), 52);
    EXPECT_EQ(t.tag[52], 1048);
    EXPECT_EQ(t.turned, 48);
    EXPECT_EQ(turnstock(t), 0) << "a spent stock turns nothing";
    EXPECT_EQ(t.turned, 48);
}

TEST(CalculationRules, StockPictureFollowsTheCardsLeft) {
    const std::pair<int, std::string_view> cases[] = {
        {0, core::stockfull},  {14, core::stockfull}, {15, core::stockhalf}, {34, core::stockhalf},
        {35, core::stockthin}, {47, core::stockthin}, {48, ""},
    };
    for (const auto& [turned, picture] : cases) EXPECT_EQ(stockview(turned), picture) << turned << " turned";
}

TEST(CalculationRules, TurnedCardsWaitUnderOneAnotherAndAllMayBeDragged) {
    CalculationTable t = stockStarting({"9S", "8S", "7S"});
    for (int turn = 0; turn < 3; ++turn) turnstock(t);
    EXPECT_EQ(draggables(t), (std::set<int>{5, 6, 7}));
    ASSERT_TRUE(ontopile(t, 7, 1));
    EXPECT_EQ(draggables(t), (std::set<int>{5, 6, 7})) << "the pile's top and the two still waiting";
    ASSERT_TRUE(ontopile(t, 6, 1));
    EXPECT_EQ(draggables(t), (std::set<int>{5, 6}));
    EXPECT_EQ(t.tag[5], 1001) << "a waiting card keeps its stock tag";
}

TEST(CalculationRules, APileTagsItsCardsFromTheTopAndOnlyTheTopMoves) {
    CalculationTable t = stockStarting({"KS", "QS", "2D"});
    for (int turn = 0; turn < 3; ++turn) ASSERT_TRUE(ontopile(t, turnstock(t), 3));
    EXPECT_EQ(t.tag[5], 303);
    EXPECT_EQ(t.tag[6], 302);
    EXPECT_EQ(t.tag[7], 301);
    EXPECT_EQ(t.pilecount[3], 3);
    EXPECT_EQ(piletop(t, 3), 7);
    EXPECT_EQ(draggables(t), std::set<int>{7});

    ASSERT_TRUE(ontofoundation(t, 7, 1)) << "the two of diamonds on the ace of spades";
    EXPECT_EQ(t.tag[7], 1);
    EXPECT_EQ(t.tag[6], 301);
    EXPECT_EQ(t.tag[5], 302);
    EXPECT_EQ(t.pilecount[3], 2);
    EXPECT_EQ(draggables(t), std::set<int>{6});
}

TEST(CalculationRules, APileEmptiesWhenItsOnlyCardGoesUp) {
    CalculationTable t = stockStarting({"2H", "9C"});
    ASSERT_TRUE(ontopile(t, turnstock(t), 4));
    ASSERT_TRUE(ontofoundation(t, 5, 1));
    EXPECT_EQ(t.pilecount[4], 0);
    EXPECT_EQ(piletop(t, 4), 0);
    ASSERT_TRUE(ontocard(t, turnstock(t), 5).pile == 0) << "the card on a foundation names no pile";
    EXPECT_EQ(t.tag[6], 1002);
}

// Which drops a waste card and a stock card find, and when the flick sounds.
TEST(CalculationRules, OnlyTurnedStockCardsJoinAPile) {
    CalculationTable t = stockStarting({"KS", "QS", "JS", "10S"});
    ASSERT_TRUE(ontopile(t, turnstock(t), 1));  // 5 on pile 1
    ASSERT_TRUE(ontopile(t, turnstock(t), 2));  // 6 on pile 2
    const int under = turnstock(t);             // 7 waits at the turn position
    const int top = turnstock(t);               // 8 in front of it
    const CalculationTable before = t;

    EXPECT_FALSE(ontopile(t, 5, 2)) << "a waste card onto another pile's slot";
    EXPECT_EQ(t, before);
    EXPECT_FALSE(ontopile(t, 5, 1)) << "a waste card onto its own slot";
    EXPECT_EQ(t, before);

    const CardDrop onCard = ontocard(t, 5, 6);
    EXPECT_TRUE(onCard.flick) << "a drop on a pile's card sounds even when refused";
    EXPECT_EQ(onCard.pile, 0);
    EXPECT_EQ(t, before);

    const CardDrop onWaiting = ontocard(t, top, under);
    EXPECT_FALSE(onWaiting.flick);
    EXPECT_EQ(onWaiting.pile, 0);
    EXPECT_EQ(t, before) << "a stock card on another turned card stays";
    EXPECT_EQ(ontocard(t, top, top).pile, 0);
    EXPECT_EQ(t, before);

    const CardDrop joined = ontocard(t, top, 6);
    EXPECT_TRUE(joined.flick);
    EXPECT_EQ(joined.pile, 2);
    EXPECT_EQ(t.tag[top], 201);
    EXPECT_EQ(t.tag[6], 202);
    EXPECT_EQ(t.pilecount[2], 2);
}

TEST(CalculationRules, SetdragsFreesOnlyPileTopsAndLeavesTheStockAlone) {
    CalculationTable t = dealt(solitairetest::calculationDeal().order);
    struct Case { int tag; bool before; bool after; };
    const Case cases[] = {
        {1, true, false},     {4, false, false},  {101, false, true},  {102, true, false},
        {201, false, true},   {248, true, false}, {301, false, true},  {401, false, true},
        {1001, true, true},   {1002, false, false},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        t.tag[k + 1] = static_cast<std::int16_t>(cases[k].tag);
        t.draggable[k + 1] = cases[k].before;
    }
    setdrags(t);
    for (std::size_t k = 0; k < std::size(cases); ++k)
        EXPECT_EQ(t.draggable[k + 1], cases[k].after) << "tag " << cases[k].tag;
}

TEST(CalculationRules, APileFansAtTheDesignStepThenCloserDownToTheLowestTop) {
    struct Case { int count; double step; };
    const Case cases[] = {{0, 200}, {1, 200}, {2, 200}, {23, 200}, {24, 4440.0 / 23}, {47, 4440.0 / 46}, {48, 4440.0 / 47}};
    for (const auto& c : cases) {
        const double step = pileStep(2400, c.count, 6840);
        EXPECT_DOUBLE_EQ(step, c.step) << c.count << " cards";
        if (c.count > 1) {
            EXPECT_LE(2400 + step * (c.count - 1), 6840) << c.count << " cards: the top card stays whole";
        }
    }
    EXPECT_EQ(pileStep(2400, 5, 2000), 0) << "no room at all: the pile never fans upward";
}

// The deal's own play: every card turned goes to its foundation or waits on that foundation's pile.
TEST(CalculationRules, TheChosenDealPlaysOutToTheWin) {
    const auto deal = solitairetest::calculationDeal();
    CalculationTable t = dealt(deal.order);
    int longest = 0;
    while (const int d = turnstock(t)) {
        const int f = deal.foundation[d];
        if (!ontofoundation(t, d, f)) {
            ASSERT_TRUE(ontopile(t, d, f));
        }
        while (piletop(t, f) != 0 && ontofoundation(t, piletop(t, f), f)) {
        }
        longest = std::max<int>(longest, t.pilecount[f]);
    }
    EXPECT_TRUE(won(t));
    EXPECT_EQ(longest, 2);
    EXPECT_EQ(t.pilecount, (PerFoundation{0, 0, 0, 0, 0}));
    for (int i = 1; i <= kCards; ++i) EXPECT_LE(t.tag[i], 4) << i;
}

}  // namespace
