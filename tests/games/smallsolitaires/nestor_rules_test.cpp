#include "games/smallsolitaires/nestor_rules.h"

#include "solitaire_decks.h"

#include "core/chance.h"
#include "core/rndnum.h"
#include "support/card_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace nestorrules;

namespace {

int code(std::string_view name) { return gp::cardCode(name, core::SuitOrder::File); }

NestorTable dealt(const solitairetest::Order& order) {
    NestorTable t;
    setdeal(t, order);
    lay(t);
    return t;
}

std::set<int> draggables(const NestorTable& t) {
    std::set<int> positions;
    for (int p = 1; p <= kCards; ++p)
        if (draggable(t, p)) positions.insert(p);
    return positions;
}

const std::set<int> kFreeAtTheDeal{6, 12, 18, 24, 30, 36, 42, 48, 49, 50, 51, 52};

// A script of draws; running past its end fails the test.
struct Script {
    std::vector<int> draws;
    std::size_t next = 0;
    Draw draw() {
        return [this](int n) {
            EXPECT_EQ(n, 52);
            if (next >= draws.size()) throw std::out_of_range("the deal drew past its script");
            return draws[next++];
        };
    }
};

void expectColumnsHoldEachRankOnce(const NestorTable& t) {
    for (int c = 1; c <= kColumns; ++c) {
        std::set<int> ranks;
        for (int r = 1; r <= kRows; ++r) ranks.insert(t.cardrank[(c - 1) * kRows + r]);
        EXPECT_EQ(ranks.size(), 6u) << "column " << c;
    }
}

TEST(NestorRules, EveryDealKeepsEachRankOnceInAColumnAndFreesTwelveCards) {
    bool reserveRepeated = false;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        core::Randomize(seed);
        NestorTable t;
        setcards(t, [](int n) { return core::rndnum(n); });
        lay(t);
        std::set<int> codes(t.deckorder.begin() + 1, t.deckorder.end());
        EXPECT_EQ(codes.size(), 52u);
        EXPECT_EQ(*codes.begin(), 1);
        expectColumnsHoldEachRankOnce(t);
        EXPECT_EQ(draggables(t), kFreeAtTheDeal);
        EXPECT_EQ(t.columncount, (std::array<std::int16_t, 10>{0, 6, 6, 6, 6, 6, 6, 6, 6, 4}));
        for (int p = 1; p <= kCards; ++p) {
            EXPECT_EQ(t.cardrank[p], (t.deckorder[p] - 1) % 13 + 1);
            EXPECT_EQ(t.cardcolumn[p], p <= 48 ? (p - 1) / 6 + 1 : 9);
            EXPECT_EQ(t.depth[p], p <= 48 ? 6 - (p - 1) % 6 : 1);
        }
        std::set<int> reserve;
        for (int p = kFirstReserve; p <= kCards; ++p) reserve.insert(t.cardrank[p]);
        reserveRepeated = reserveRepeated || reserve.size() < 4;
    }
    EXPECT_TRUE(reserveRepeated) << "the reserve may hold one rank twice";
}

// One draw per attempt: a code already dealt and a rank already in the column are drawn again for
// the same position, while the reserve takes a rank it already holds.
// Ascending codes but for column 4, which takes the queen of hearts, so that the ten of clubs joins
// the ten of hearts in the reserve: 49 10H, 50 10C, 51 JH, 52 KH.
solitairetest::Order tensInReserve() {
    return solitairetest::swapped(solitairetest::ascending(), {{23, 51}, {50, 51}});
}

TEST(NestorRules, AScriptedDealRejectsRepeatsAndDrawsAgainForTheSamePosition) {
    const auto order = tensInReserve();
    ASSERT_EQ(order[49], code("10C"));
    ASSERT_EQ(order[48], code("10H"));
    Script script;
    script.draws.assign(order.begin(), order.end());
    // Position 2: the ace of spades again, then the ace of clubs, whose rank column 1 holds.
    script.draws.insert(script.draws.begin() + 1, {code("AS"), code("AC")});
    // Position 52: a code of the reserve already dealt.
    script.draws.insert(script.draws.end() - 1, code("10C"));
    NestorTable t;
    setcards(t, script.draw());
    EXPECT_EQ(script.next, script.draws.size()) << "every scripted draw was used, one per attempt";
    EXPECT_TRUE(std::equal(order.begin(), order.end(), t.deckorder.begin() + 1));
    EXPECT_EQ(t.pairflag, 0);
}

// Columns 1 to 7 deal every card of the four to the king and two threes, so the ten cards left for
// column 8 hold three ranks: no column of six can be made of them, and the deal starts again.
TEST(NestorRules, ADealThatCannotFinishItsColumnsStartsAgain) {
    const std::array<std::array<int, 6>, 7> ranks{{
        {3, 4, 5, 6, 7, 8}, {3, 9, 10, 11, 12, 13}, {4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 4, 5},
        {6, 7, 8, 9, 10, 11}, {12, 13, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13},
    }};
    std::array<bool, 53> used{};
    Script script;
    for (const auto& column : ranks)
        for (int rank : column) {
            int c = rank;
            while (used[c]) c += 13;
            used[c] = true;
            script.draws.push_back(c);
        }
    const std::size_t stuck = script.draws.size();
    const auto order = solitairetest::ascending();
    script.draws.insert(script.draws.end(), order.begin(), order.end());
    NestorTable t;
    setcards(t, script.draw());
    EXPECT_EQ(script.next, stuck + 52) << "the second pass starts at position 1 with the next draw";
    EXPECT_TRUE(std::equal(order.begin(), order.end(), t.deckorder.begin() + 1));
    EXPECT_EQ(std::count(t.cardused.begin() + 1, t.cardused.end(), -1), 52) << "the first pass's marks are gone";
}

TEST(NestorRules, RanksLeftCountsTheRanksOfTheCodesNotYetDealt) {
    NestorTable t;
    EXPECT_EQ(ranksleft(t), 13);
    for (int c = 1; c <= 52; ++c)
        if (core::rankof(c) > 5) t.cardused[c] = -1;
    EXPECT_EQ(ranksleft(t), 5);
    t.cardused[code("AS")] = t.cardused[code("AC")] = t.cardused[code("AD")] = -1;
    EXPECT_EQ(ranksleft(t), 5) << "one ace left still counts";
    t.cardused[code("AH")] = -1;
    EXPECT_EQ(ranksleft(t), 4);
}

TEST(NestorRules, AChosenDealMustKeepEachRankOnceInAColumn) {
    NestorTable t;
    EXPECT_THROW(setdeal(t, solitairetest::swapped(solitairetest::ascending(), {{2, 14}})), std::invalid_argument);
    auto twice = solitairetest::ascending();
    twice[51] = twice[0];
    EXPECT_THROW(setdeal(t, twice), std::invalid_argument);
    EXPECT_NO_THROW(setdeal(t, solitairetest::nestorDeal()));
}

// Ascending codes, with column 2's free card the six of clubs so that columns 1 and 2 end in sixes.
// Free cards then: 6 6S, 12 6C, 18 5C, 24 JC, 30 4D, 36 10D, 42 3H, 48 9H; reserve 10H JH QH KH.
solitairetest::Order pairsDeal() { return solitairetest::swapped(solitairetest::ascending(), {{12, 19}}); }

struct Removal { std::string what; int dragged; int target; bool removed; };

TEST(NestorRules, APairOfFreeCardsOfOneRankLeavesTheTable) {
    const Removal cases[] = {
        {"two columns", 6, 12, true},
        {"a column onto the reserve", 36, 49, true},
        {"the reserve onto a column", 50, 24, true},
        {"onto itself", 6, 6, false},
        {"onto another rank", 6, 18, false},
        {"onto a covered card of its rank", 18, 5, false},
        {"a covered card onto a free one", 5, 18, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        NestorTable t = dealt(pairsDeal());
        const NestorTable before = t;
        EXPECT_EQ(removepair(t, c.dragged, c.target), c.removed);
        if (!c.removed) {
            EXPECT_EQ(t, before);
            continue;
        }
        EXPECT_FALSE(t.shown[c.dragged]);
        EXPECT_FALSE(t.shown[c.target]);
        std::set<int> expected = kFreeAtTheDeal;
        for (int gone : {c.dragged, c.target}) {
            expected.erase(gone);
            if (gone <= 48) expected.insert(gone - 1);
            EXPECT_EQ(t.columncount[t.cardcolumn[gone]], t.cardcolumn[gone] == 9 ? 3 : 5);
        }
        EXPECT_EQ(draggables(t), expected);
    }
}

TEST(NestorRules, TwoReserveCardsMakeAPairAndLeaveTheOthersFree) {
    NestorTable t = dealt(tensInReserve());
    ASSERT_TRUE(removepair(t, 50, 49));
    EXPECT_EQ(t.columncount[9], 2);
    EXPECT_EQ(t.depth[51], 1);
    EXPECT_EQ(t.depth[52], 1);
    EXPECT_TRUE(draggable(t, 51));
    EXPECT_TRUE(draggable(t, 52));
    EXPECT_FALSE(draggable(t, 49));
    ASSERT_EQ(t.cardrank[36], 10);
    EXPECT_FALSE(removepair(t, 36, 49)) << "a removed card takes no drop";
}

// Columns 1 and 2 of the chosen deal both hold the ace to the six from the top down.
TEST(NestorRules, AColumnEmptiesAfterItsSixthRemoval) {
    NestorTable t = dealt(solitairetest::nestorDeal());
    for (int row = 6; row >= 1; --row) {
        SCOPED_TRACE("row " + std::to_string(row));
        ASSERT_TRUE(removepair(t, row, 6 + row));
        EXPECT_EQ(t.columncount[1], row - 1);
        EXPECT_EQ(t.columncount[2], row - 1);
        if (row > 1) {
            EXPECT_TRUE(draggable(t, row - 1));
        }
    }
    for (int p = 1; p <= 12; ++p) EXPECT_FALSE(draggable(t, p)) << p;
    EXPECT_FALSE(won(t));
}

TEST(NestorRules, TheChosenDealClearsWhenPairsAreTakenAsTheyCome) {
    NestorTable t = dealt(solitairetest::nestorDeal());
    int pairs = 0;
    for (bool found = true; found;) {
        found = false;
        for (int d = 1; d <= kCards && !found; ++d)
            for (int target = 1; target <= kCards && !found; ++target)
                found = removepair(t, d, target);
        pairs += found;
        EXPECT_EQ(won(t), pairs == 26);
    }
    EXPECT_EQ(pairs, 26);
    EXPECT_TRUE(won(t));
}

struct PlaceCase { float scale; int p; double left; double top; };

TEST(NestorRules, CardsLieAtTheRoundedPlacesOfEachScale) {
    const PlaceCase cases[] = {
        {1.0f, 1, 400, 1080},   {1.0f, 6, 400, 2580},   {1.0f, 7, 1800, 1080}, {1.0f, 48, 10200, 2580},
        {1.0f, 49, 3200, 5160}, {1.0f, 52, 7400, 5160},
        {0.9f, 1, 360, 972},    {0.9f, 6, 360, 2322},   {0.9f, 48, 9180, 2322}, {0.9f, 49, 2880, 4644},
        {0.78f, 1, 312, 842},   {0.78f, 2, 312, 1076},  {0.78f, 6, 312, 2012}, {0.78f, 7, 1404, 842},
        {0.78f, 48, 7956, 2012}, {0.78f, 52, 5772, 4024.8},
    };
    for (const auto& c : cases) {
        const Place at = place(c.p, c.scale);
        EXPECT_DOUBLE_EQ(at.Left, c.left) << c.p << " at " << c.scale;
        EXPECT_NEAR(at.Top, c.top, 1e-3) << c.p << " at " << c.scale;
    }
}

}  // namespace
