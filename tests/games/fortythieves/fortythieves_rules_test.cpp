#include "games/fortythieves/fortythieves_rules.h"

#include "fortythieves_decks.h"
#include "fortythieves_piles.h"

#include "core/cards.h"
#include "core/chance.h"
#include "core/stock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace fortythievesrules;
using fortythievestest::at;
using fortythievestest::wholeTableFault;
using fortythievestest::code;
using fortythievestest::second;

// A table dealt from a chosen order, as the window's New Game deals it.
FortyThievesTable dealt(const std::map<int, int>& placed, float scale = 1) {
    FortyThievesTable t;
    t.scale = scale;
    const fortythievestest::Order o = fortythievestest::order(placed);
    for (int k = 1; k <= kCards; ++k) givecard(t, k, o[k - 1]);
    startvalues(t);
    park(t);
    deal(t);
    return t;
}

std::set<int> draggables(const FortyThievesTable& t) {
    std::set<int> cards;
    for (int k = 1; k <= kCards; ++k)
        if (t.card[k].draggable) cards.insert(k);
    return cards;
}

std::vector<int> tags(const FortyThievesTable& t, const std::vector<int>& cards) {
    std::vector<int> result;
    for (int k : cards) result.push_back(t.card[k].tag);
    return result;
}

TEST(FortyThievesShuffle, CodesGiveTheirFaceRankAndSuitInFileOrderInBothDecks) {
    const struct {
        int code;
        const char* file;
        int rank;
        std::string_view suit;
    } cases[] = {
        {1, "\\Images\\acespades.gif", 1, core::kSpades},     {53, "\\Images\\acespades.gif", 1, core::kSpades},
        {13, "\\Images\\kingspades.gif", 13, core::kSpades},  {14, "\\Images\\aceclubs.gif", 1, core::kClubs},
        {66, "\\Images\\aceclubs.gif", 1, core::kClubs},      {26, "\\Images\\kingclubs.gif", 13, core::kClubs},
        {27, "\\Images\\acediamonds.gif", 1, core::kDiamonds}, {39, "\\Images\\kingdiamonds.gif", 13, core::kDiamonds},
        {91, "\\Images\\kingdiamonds.gif", 13, core::kDiamonds}, {40, "\\Images\\acehearts.gif", 1, core::kHearts},
        {52, "\\Images\\kinghearts.gif", 13, core::kHearts},  {104, "\\Images\\kinghearts.gif", 13, core::kHearts},
        {15, "\\Images\\twoclubs.gif", 2, core::kClubs},      {64, "\\Images\\queenspades.gif", 12, core::kSpades},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        FortyThievesTable t;
        givecard(t, 7, c.code);
        EXPECT_EQ(t.deckorder[7], c.code);
        EXPECT_EQ(t.card[7].cardrank, c.rank);
        EXPECT_EQ(t.card[7].cardsuit, core::suitnamed(c.suit));
        EXPECT_EQ(core::facefile(t.deckorder[7]), c.file);
    }
}

TEST(FortyThievesShuffle, EachDeckIsAPermutationOfItsOwnCodesAndFillsOnlyItsOwnCards) {
    core::Randomize(20);
    FortyThievesTable t;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        clearmarks(t);
        t.deckorder.fill(0);
        makecards(t);
        std::set<int> one(t.deckorder.begin() + 1, t.deckorder.begin() + 53);
        EXPECT_EQ(one.size(), 52u);
        EXPECT_EQ(*one.begin(), 1);
        EXPECT_EQ(*one.rbegin(), 52);
        for (int k = 53; k <= kCards; ++k) EXPECT_EQ(t.deckorder[k], 0) << "deck two's cards are untouched";
        for (int c = 1; c <= kCards; ++c) EXPECT_EQ(t.cardused[c], c <= 52 ? -1 : 0) << c;

        makecards2(t);
        std::set<int> two(t.deckorder.begin() + 53, t.deckorder.end());
        EXPECT_EQ(two.size(), 52u);
        EXPECT_EQ(*two.begin(), 53);
        EXPECT_EQ(*two.rbegin(), 104);
        std::map<std::string, int> faces;
        for (int k = 1; k <= kCards; ++k) {
            ++faces[core::facefile(t.deckorder[k])];
            EXPECT_EQ(t.card[k].cardrank, (t.deckorder[k] - 1) % 13 + 1);
            EXPECT_EQ(t.card[k].cardsuit, core::suitofcode(t.deckorder[k]));
        }
        EXPECT_EQ(faces.size(), 52u);
        for (const auto& [face, count] : faces) EXPECT_EQ(count, 2) << face;
        // Each round starts from cleared marks, as the load and New Game clear them.
        EXPECT_TRUE(std::ranges::all_of(t.cardused.begin() + 1, t.cardused.end(), [](int m) { return m == -1; }));
    }
}

struct DealCase {
    float scale;
    double columnStep;
    double rowStep;  // r: 300 x scale, rounded
};

TEST(FortyThievesDeal, LaysFourRowsTheWasteAndTheStockAtEachScale) {
    const DealCase cases[] = {{1.0f, 1200, 300}, {0.87f, 1044, 261}, {0.7f, 840, 210}};
    for (const DealCase& c : cases) {
        SCOPED_TRACE(c.scale);
        const FortyThievesTable t = dealt({}, c.scale);
        for (int k = 1; k <= kTableauCards; ++k) {
            SCOPED_TRACE(k);
            const int column = (k - 1) % 10 + 1;
            const int row = (k - 1) / 10 + 1;
            const Card& card = t.card[k];
            EXPECT_EQ(card.tag, (5 - row) * 100 + column);
            EXPECT_TRUE(card.Visible);
            EXPECT_DOUBLE_EQ(card.Left, c.columnStep * column);
            EXPECT_DOUBLE_EQ(card.Top, (2760 + (row - 1) * c.rowStep) * double(c.scale));
            if (row == 1) {
                // Under the first card of its column, to a thousandth of a twip at 0.87.
                EXPECT_NEAR(card.Left, placeholderplace(column, c.scale).Left, 0.001);
                EXPECT_DOUBLE_EQ(card.Top, placeholderplace(column, c.scale).Top);
            }
        }
        EXPECT_EQ(tags(t, {1, 10, 11, 20, 21, 30, 31, 40}), (std::vector<int>{401, 410, 301, 310, 201, 210, 101, 110}));
        const Card& waste = t.card[kFirstWasteCard];
        EXPECT_EQ(waste.tag, 4001);
        EXPECT_TRUE(waste.Visible);
        EXPECT_EQ((Place{waste.Left, waste.Top}), (Place{2040 * double(c.scale), 480 * double(c.scale)}));
        for (int k = 42; k <= kCards; ++k) {
            EXPECT_EQ(t.card[k].tag, 2001 + k - 42);
            EXPECT_FALSE(t.card[k].Visible);
            EXPECT_EQ((Place{t.card[k].Left, t.card[k].Top}), parkingplace(c.scale));
        }
        std::set<int> free;
        for (int k = 31; k <= 41; ++k) free.insert(k);
        EXPECT_EQ(draggables(t), free);
        EXPECT_EQ(t.stockleft, 63);
        EXPECT_EQ(t.wastetop, 41);
        for (int f = 1; f <= kFoundations; ++f) EXPECT_EQ(t.nextrank[f], 1);
        // Each card is brought forward as it is laid, so a row lies in front of the row above it.
        for (int k = 1; k < kFirstWasteCard; ++k) EXPECT_LT(t.card[k].raised, t.card[k + 1].raised);
    }
}

TEST(FortyThievesDeal, FoundationsAndPlaceholdersSitAtTheirScaledPlaces) {
    EXPECT_EQ(foundationplace(1, 1), (Place{3600, 480}));
    EXPECT_EQ(foundationplace(8, 1), (Place{12000, 480}));
    EXPECT_EQ(foundationplace(8, 0.7f), (Place{12000 * double(0.7f), 480 * double(0.7f)}));
    EXPECT_EQ(placeholderplace(10, 0.87f), (Place{12000 * double(0.87f), 2760 * double(0.87f)}));
    EXPECT_EQ(parkingplace(1), (Place{5040, -1560}));
    EXPECT_EQ(step(1200, 0.87f), 1044);
    EXPECT_EQ(step(300, 0.7f), 210);
    EXPECT_EQ(step(2.5, 1), 2) << "a half goes to the even neighbour";
    EXPECT_EQ(step(3.5, 1), 4);
}

TEST(FortyThievesStock, FirstTurnMovesCard42OntoTheWaste) {
    FortyThievesTable t = dealt({});
    EXPECT_EQ(turn(t), 42);
    EXPECT_EQ(t.card[42].tag, 4001);
    EXPECT_EQ(t.card[41].tag, 4002);
    EXPECT_TRUE(t.card[42].Visible);
    EXPECT_TRUE(t.card[42].draggable);
    EXPECT_TRUE(t.card[41].draggable) << "the card beneath keeps its drag mode, hidden behind the new one";
    EXPECT_GT(t.card[42].raised, t.card[41].raised);
    EXPECT_EQ((Place{t.card[42].Left, t.card[42].Top}), wasteplace(1));
    for (int k = 43; k <= kCards; ++k) EXPECT_EQ(t.card[k].tag, 2001 + k - 43);
    EXPECT_EQ(t.stockleft, 62);
    EXPECT_EQ(t.wastetop, 42);
    EXPECT_EQ(tags(t, {1, 31, 40}), (std::vector<int>{401, 101, 110})) << "the tableau is untouched";
}

TEST(FortyThievesStock, ThePileThinsOutInBandsAndGoesAfterTheLastTurn) {
    const struct {
        int turns;
        std::optional<std::string_view> picture;
    } cases[] = {
        {1, std::nullopt},         {32, std::nullopt},        {33, core::stockhalf}, {55, core::stockhalf},
        {56, core::stockthin},   {62, core::stockthin},   {63, std::string_view{}},
    };
    FortyThievesTable t = dealt({});
    int done = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.turns);
        while (done < c.turns) {
            EXPECT_EQ(turn(t), 42 + done);
            ++done;
        }
        EXPECT_EQ(t.stockleft, 63 - c.turns);
        EXPECT_EQ(stockchange(t.stockleft), c.picture);
    }
    const FortyThievesTable spent = t;
    EXPECT_EQ(turn(t), 0) << "a spent stock turns nothing";
    EXPECT_EQ(t, spent);
    // The whole stock lies on the waste, the last card turned on top.
    for (int k = 41; k <= kCards; ++k) EXPECT_EQ(t.card[k].tag, 4001 + kCards - k);
}

TEST(FortyThievesStock, AnEmptiedWasteStaysEmptyUntilTheNextTurn) {
    FortyThievesTable t = dealt({{kFirstWasteCard, code("AH")}, {42, code("3C")}, {43, code("2S")}});
    ASSERT_TRUE(droponfoundation(t, 41, 3));
    for (int k = 1; k <= kCards; ++k) {
        if (!t.card[k].onfoundation) {
            EXPECT_NE(t.card[k].tag, 4001) << k;
        }
    }
    EXPECT_EQ(t.wastetop, 41) << "an emptied waste keeps naming the card that left";
    EXPECT_EQ(turn(t), 42);
    EXPECT_EQ(t.wastetop, 42);
    EXPECT_EQ(turn(t), 43);
    EXPECT_EQ(tags(t, {43, 42}), (std::vector<int>{4001, 4002}));

    // Cards played from the waste one after the other each bring the next one forward.
    ASSERT_TRUE(droponfoundation(t, 43, 3));
    EXPECT_EQ(t.wastetop, 42);
    EXPECT_EQ(t.card[42].tag, 4001);
    EXPECT_TRUE(t.card[42].Visible);
    EXPECT_TRUE(t.card[42].draggable);
    EXPECT_GT(t.card[42].raised, t.card[43].raised);
    ASSERT_TRUE(droponfoundation(t, 42, 3));
    EXPECT_EQ(t.nextrank[3], 4);
    EXPECT_EQ(t.stockleft, 61) << "the stock is untouched";
    for (int k : {41, 42, 43}) {
        EXPECT_TRUE(t.card[k].onfoundation);
        EXPECT_FALSE(t.card[k].draggable);
    }
    EXPECT_EQ(turn(t), 44);
    EXPECT_EQ(t.card[44].tag, 4001);
}

// The tableau rule on one deal: each case starts from it afresh.
TEST(FortyThievesTableau, ACardGoesOnTheNextHigherCardOfItsSuitAnywhereInAColumn) {
    const std::map<int, int> deal = {
        {at(1, 4), code("5H")},  {at(2, 4), code("6H")},   {at(3, 4), code("6D")}, {at(4, 4), code("7H")},
        {at(5, 4), code("KS")},  {at(6, 4), second("5H")}, {at(7, 4), code("AS")}, {at(8, 4), code("2S")},
        {at(8, 2), code("3S")},  {at(9, 4), code("5C")},   {at(10, 2), code("6C")}, {at(10, 4), code("QS")},
        {kFirstWasteCard, second("6H")},
    };
    const struct {
        const char* what;
        int d;
        int target;
        bool accepted;
    } cases[] = {
        {"same suit, one rank lower", at(1, 4), at(2, 4), true},
        {"another suit", at(1, 4), at(3, 4), false},
        {"two ranks lower", at(1, 4), at(4, 4), false},
        {"one rank higher", at(2, 4), at(1, 4), false},
        {"the other deck's same face", at(6, 4), at(1, 4), false},
        {"a card on itself", at(1, 4), at(1, 4), false},
        {"an ace on the two of its suit", at(7, 4), at(8, 4), true},
        {"a king on a queen", at(5, 4), at(10, 4), false},
        {"the waste's top card", kFirstWasteCard, at(4, 4), true},
        {"onto the waste's top card", at(1, 4), kFirstWasteCard, false},
        {"onto a stock card", at(1, 4), 42, false},
        {"a covered card of another column", at(9, 4), at(10, 2), true},
        {"a covered card of its own column", at(8, 4), at(8, 2), true},
        {"a covered card may not be dragged", at(8, 2), at(4, 4), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FortyThievesTable t = dealt(deal);
        const FortyThievesTable before = t;
        EXPECT_EQ(droponcard(t, c.d, c.target), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(t, before) << "a refused drop changes nothing";
            continue;
        }
        const Card& d = t.card[c.d];
        const Card& target = before.card[c.target];
        EXPECT_EQ(d.tag, 100 + columnof(target.tag));
        EXPECT_DOUBLE_EQ(d.Left, target.Left);
        EXPECT_DOUBLE_EQ(d.Top, target.Top + 300);
        EXPECT_TRUE(d.draggable);
        EXPECT_EQ(d.raised, t.raisecount);
        EXPECT_FALSE(t.card[c.target].draggable);
    }
}

TEST(FortyThievesTableau, NoKingEverGoesOnACard) {
    FortyThievesTable t = dealt({{at(5, 4), code("KS")}, {at(1, 4), second("KS")}});
    const FortyThievesTable before = t;
    for (int target = 1; target <= kCards; ++target) EXPECT_FALSE(droponcard(t, at(5, 4), target)) << target;
    for (int c = 1; c <= kColumns; ++c) EXPECT_FALSE(droponcolumn(t, at(5, 4), c)) << c;
    EXPECT_EQ(t, before);
}

TEST(FortyThievesTableau, ACoveredTargetTakesTheCardInFrontAndItsColumnGoesOneDeeper) {
    // Column 10's second card is the six of clubs; the five of clubs comes from column 9.
    FortyThievesTable t = dealt({{at(9, 4), code("5C")}, {at(9, 3), code("9D")}, {at(10, 2), code("6C")}});
    ASSERT_TRUE(droponcard(t, at(9, 4), at(10, 2)));
    EXPECT_EQ(tags(t, {at(10, 1), at(10, 2), at(10, 3), at(10, 4), at(9, 4)}),
              (std::vector<int>{510, 410, 310, 210, 110}));
    EXPECT_EQ(columncards(t, 10), (std::vector<int>{at(10, 1), at(10, 2), at(10, 3), at(10, 4), at(9, 4)}));
    EXPECT_FALSE(t.card[at(10, 4)].draggable) << "the former top card is covered now";
    EXPECT_DOUBLE_EQ(t.card[at(9, 4)].Top, t.card[at(10, 2)].Top + 300);
    EXPECT_GT(t.card[at(9, 4)].raised, t.card[at(10, 3)].raised) << "in front of the card that covered the target";
    // Column 9 renumbered: its next card is the top now and drags.
    EXPECT_EQ(t.card[at(9, 3)].tag, 109);
    EXPECT_TRUE(t.card[at(9, 3)].draggable);

    // When the card leaves again, the column's former top card is the top again.
    FortyThievesTable back = dealt({{at(9, 4), code("5C")}, {at(10, 2), code("6C")}, {at(1, 4), code("6C") + 52}});
    ASSERT_TRUE(droponcard(back, at(9, 4), at(10, 2)));
    ASSERT_TRUE(droponcard(back, at(9, 4), at(1, 4)));
    EXPECT_EQ(tags(back, {at(10, 1), at(10, 2), at(10, 3), at(10, 4)}), (std::vector<int>{410, 310, 210, 110}));
    EXPECT_TRUE(back.card[at(10, 4)].draggable);
}

TEST(FortyThievesTableau, ATopCardMovedUpItsOwnColumnStaysItsTopAndTheOthersKeepTheirTags) {
    FortyThievesTable t = dealt({{at(8, 4), code("2S")}, {at(8, 2), code("3S")}});
    ASSERT_TRUE(droponcard(t, at(8, 4), at(8, 2)));
    EXPECT_EQ(tags(t, {at(8, 1), at(8, 2), at(8, 3), at(8, 4)}), (std::vector<int>{408, 308, 208, 108}));
    EXPECT_TRUE(t.card[at(8, 4)].draggable);
    EXPECT_FALSE(t.card[at(8, 3)].draggable);
    EXPECT_DOUBLE_EQ(t.card[at(8, 4)].Top, t.card[at(8, 2)].Top + 300);
}

TEST(FortyThievesTableau, Column10EndsInZero) {
    FortyThievesTable t = dealt({{at(10, 4), code("5S")}, {at(9, 4), code("6S")}, {at(10, 3), code("7D")},
                                 {at(3, 4), code("6D")}});
    ASSERT_TRUE(droponcard(t, at(10, 4), at(9, 4)));
    EXPECT_EQ(t.card[at(10, 4)].tag, 109);
    EXPECT_EQ(tags(t, {at(10, 1), at(10, 2), at(10, 3)}), (std::vector<int>{310, 210, 110}));
    EXPECT_TRUE(t.card[at(10, 3)].draggable);
    EXPECT_EQ(topcard(t, 10), at(10, 3));
    // A drop on column 10's area takes its top card as the target and tags the card "110".
    ASSERT_TRUE(droponcolumn(t, at(3, 4), 10));
    EXPECT_EQ(t.card[at(3, 4)].tag, 110);
    EXPECT_EQ(tags(t, {at(10, 1), at(10, 2), at(10, 3)}), (std::vector<int>{410, 310, 210}));
    EXPECT_EQ(t.card[at(3, 3)].tag, 103);
}

TEST(FortyThievesTableau, AColumnsAreaActsAsItsTopCardAndAnEmptyOneRefuses) {
    const std::map<int, int> deal = {
        {at(1, 1), code("AS")}, {at(1, 2), code("AC")}, {at(1, 3), code("AD")}, {at(1, 4), code("AH")},
        {at(2, 4), code("6H")}, {at(3, 4), code("5H")}, {at(4, 4), code("KS")},
    };
    FortyThievesTable t = dealt(deal);
    const FortyThievesTable before = t;
    EXPECT_FALSE(droponcolumn(t, at(2, 4), 3)) << "higher onto lower";
    EXPECT_FALSE(droponcolumn(t, at(3, 4), 3)) << "its own area";
    EXPECT_EQ(t, before);
    EXPECT_TRUE(droponcolumn(t, at(3, 4), 2));
    EXPECT_EQ(t.card[at(3, 4)].tag, 102);

    for (int r = 4; r >= 1; --r) ASSERT_TRUE(droponfoundation(t, at(1, r), 5 - r));
    EXPECT_EQ(topcard(t, 1), 0);
    EXPECT_TRUE(columncards(t, 1).empty());
    const FortyThievesTable empty = t;
    EXPECT_FALSE(droponcolumn(t, at(4, 4), 1));
    EXPECT_EQ(t, empty);
}

TEST(FortyThievesPlaceholder, AnEmptyColumnTakesAnyCardKingOrWasteTop) {
    const std::map<int, int> deal = {
        {at(1, 1), code("AS")},   {at(1, 2), code("AC")},   {at(1, 3), code("AD")},   {at(1, 4), code("AH")},
        {at(2, 1), second("AS")}, {at(2, 2), second("AC")}, {at(2, 3), second("AD")}, {at(2, 4), second("AH")},
        {at(5, 4), code("KS")},   {kFirstWasteCard, code("7D")}, {42, code("QS")},
    };
    FortyThievesTable t = dealt(deal);
    for (int r = 4; r >= 1; --r) {
        ASSERT_TRUE(droponfoundation(t, at(1, r), 5 - r));
        ASSERT_TRUE(droponfoundation(t, at(2, r), 9 - r));
    }
    EXPECT_FALSE(droponplaceholder(t, at(5, 4), 3)) << "a column that holds cards covers its placeholder";

    ASSERT_TRUE(droponplaceholder(t, at(5, 4), 1));
    EXPECT_EQ(t.card[at(5, 4)].tag, 101);
    EXPECT_EQ((Place{t.card[at(5, 4)].Left, t.card[at(5, 4)].Top}), placeholderplace(1, 1));
    EXPECT_EQ(columncards(t, 1), std::vector<int>{at(5, 4)});
    EXPECT_EQ(t.card[at(5, 3)].tag, 105);
    EXPECT_TRUE(t.card[at(5, 3)].draggable);

    ASSERT_TRUE(droponplaceholder(t, kFirstWasteCard, 2));
    EXPECT_EQ(t.card[kFirstWasteCard].tag, 102);
    EXPECT_TRUE(t.card[kFirstWasteCard].draggable);
    EXPECT_EQ(t.wastetop, kFirstWasteCard) << "the waste is empty now";
    EXPECT_EQ(turn(t), 42);
    // The queen goes on the king that started column 1.
    EXPECT_TRUE(droponcolumn(t, 42, 1));
    EXPECT_EQ(tags(t, {at(5, 4), 42}), (std::vector<int>{201, 101}));
}

TEST(FortyThievesFoundations, BuildByRankAloneFromTheAceToTheKing) {
    FortyThievesTable t = dealt({{at(1, 4), code("AS")}, {at(2, 4), second("AS")}, {at(3, 4), code("2H")},
                                 {at(4, 4), code("3D")}, {at(5, 4), code("KC")}, {at(6, 4), second("KC")}});
    const FortyThievesTable before = t;
    EXPECT_FALSE(droponfoundation(t, at(3, 4), 1)) << "a two on an empty foundation";
    EXPECT_EQ(t, before);
    ASSERT_TRUE(droponfoundation(t, at(1, 4), 1));
    ASSERT_TRUE(droponfoundation(t, at(2, 4), 2)) << "the second ace of spades starts a foundation too";
    EXPECT_FALSE(droponfoundation(t, at(4, 4), 1)) << "a three on an ace";
    ASSERT_TRUE(droponfoundation(t, at(3, 4), 1)) << "the two of hearts on the ace of spades";
    EXPECT_EQ(t.nextrank[1], 3);
    EXPECT_EQ(t.nextrank[2], 2);
    EXPECT_EQ(t.slotcard[1], at(3, 4));
    EXPECT_EQ(t.slotcard[2], at(2, 4));
    const Card& two = t.card[at(3, 4)];
    EXPECT_EQ((Place{two.Left, two.Top}), foundationplace(1, 1));
    EXPECT_TRUE(two.onfoundation);
    EXPECT_FALSE(two.draggable);
    EXPECT_GT(t.slotraised[1], two.raised) << "the foundation covers its card";
    EXPECT_EQ(t.card[at(3, 3)].tag, 103);
    EXPECT_TRUE(t.card[at(3, 3)].draggable);

    // A king closes a foundation, which then refuses every card.
    t.nextrank[3] = 13;
    ASSERT_TRUE(droponfoundation(t, at(5, 4), 3));
    EXPECT_EQ(t.nextrank[3], 14);
    const FortyThievesTable closed = t;
    EXPECT_FALSE(droponfoundation(t, at(6, 4), 3));
    EXPECT_EQ(t, closed);
}

// A card on a foundation keeps its tag, never drags and is never found again, whatever is turned or
// played after it; the next deal clears the marks.
TEST(FortyThievesFoundations, AFoundationCardLeavesPlayUntilTheNextDeal) {
    FortyThievesTable t = dealt({{kFirstWasteCard, code("AH")}, {at(1, 4), code("AS")}, {at(1, 3), code("5D")},
                                 {at(2, 4), code("4D")}, {at(3, 4), code("3D")}, {at(4, 4), second("4D")},
                                 {42, code("8C")}});
    ASSERT_TRUE(droponfoundation(t, kFirstWasteCard, 1));
    ASSERT_TRUE(droponfoundation(t, at(1, 4), 2));
    const Card wasteAce = t.card[kFirstWasteCard];
    const Card columnAce = t.card[at(1, 4)];
    EXPECT_EQ(columnAce.tag, 1) << "renumbered with its column before it left play";

    // Turns renumber the waste; drops push column 1 deeper and bring it back up.
    for (int i = 0; i < 5; ++i) ASSERT_NE(turn(t), 0);
    ASSERT_TRUE(droponcard(t, at(2, 4), at(1, 3)));
    ASSERT_TRUE(droponcard(t, at(3, 4), at(2, 4)));
    ASSERT_TRUE(droponcard(t, at(3, 4), at(4, 4)));
    EXPECT_EQ(columncards(t, 1), (std::vector<int>{at(1, 1), at(1, 2), at(1, 3), at(2, 4)}));
    for (const auto& [k, was] : {std::pair{kFirstWasteCard, wasteAce}, std::pair{at(1, 4), columnAce}}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(t.card[k].tag, was.tag);
        EXPECT_FALSE(t.card[k].draggable);
        EXPECT_EQ(t.card[k].raised, was.raised);
        EXPECT_TRUE(t.card[k].onfoundation);
    }
    EXPECT_NE(topcard(t, 1), at(1, 4));
    EXPECT_NE(t.wastetop, kFirstWasteCard);
    EXPECT_FALSE(movable(t, kFirstWasteCard));

    startvalues(t);
    park(t);
    deal(t);
    for (int k = 1; k <= kCards; ++k) EXPECT_FALSE(t.card[k].onfoundation) << k;
    EXPECT_EQ(t.slotcard, (decltype(t.slotcard){}));
    EXPECT_EQ(t.card[kFirstWasteCard].tag, 4001);
    EXPECT_EQ(t.card[at(1, 4)].tag, 101);
}

// Column c holding cards 1..19 (card 1 the deepest, card 19 the six of hearts on top, card 5 the
// seven of hearts, card 18 the six of spades); the waste's five of hearts (card 20) and another
// column's five of spades (card 21).
FortyThievesTable nineteen(int c) {
    FortyThievesTable t;
    for (int k = 1; k <= 19; ++k) {
        givecard(t, k, code("KC"));
        t.card[k].tag = static_cast<std::int16_t>((20 - k) * 100 + c);
        t.card[k].Visible = true;
    }
    givecard(t, 5, code("7H"));
    givecard(t, 18, code("6S"));
    givecard(t, 19, code("6H"));
    t.card[19].draggable = true;
    givecard(t, 20, code("5H"));
    t.card[20].tag = 4001;
    t.card[20].draggable = true;
    givecard(t, 21, code("5S"));
    t.card[21].tag = static_cast<std::int16_t>(100 + (c == 1 ? 2 : 1));
    t.card[21].draggable = true;
    return t;
}

// A twentieth card would take the tag 2000 + its column, a stock card's.
TEST(FortyThievesTableau, AColumnOfNineteenRefusesAnotherCard) {
    for (int c : {1, 10}) {
        SCOPED_TRACE(c);
        FortyThievesTable t = nineteen(c);
        const FortyThievesTable full = t;
        EXPECT_FALSE(droponcard(t, 20, 19));
        EXPECT_FALSE(droponcolumn(t, 20, c));
        EXPECT_FALSE(droponcard(t, 21, 18)) << "nor on a covered card";
        EXPECT_EQ(t, full);

        // Its own top card may still move up within it.
        EXPECT_TRUE(droponcard(t, 19, 5));
        EXPECT_EQ(t.card[19].tag, 100 + c);
        EXPECT_EQ(t.card[1].tag, 1900 + c);

        // A column of eighteen takes one more.
        t = full;
        t.card[1].tag = 2001;
        EXPECT_TRUE(droponcard(t, 20, 19));
        EXPECT_EQ(t.card[2].tag, 1900 + c);
        EXPECT_EQ(t.card[20].tag, 100 + c);
    }
}

// A drop as the random play makes it: onto a card, a column's area, a placeholder or a foundation.
enum class Onto { Card, Column, Placeholder, Foundation };
struct Drop {
    int d;
    Onto onto;
    int target;
};

bool apply(FortyThievesTable& t, const Drop& m) {
    switch (m.onto) {
    case Onto::Card: return droponcard(t, m.d, m.target);
    case Onto::Column: return droponcolumn(t, m.d, m.target);
    case Onto::Placeholder: return droponplaceholder(t, m.d, m.target);
    case Onto::Foundation: return droponfoundation(t, m.d, m.target);
    }
    return false;
}

using Columns = std::array<std::vector<int>, kColumns + 1>;

Columns columnsOf(const FortyThievesTable& t) {
    Columns columns;
    for (int c = 1; c <= kColumns; ++c) columns[c] = columncards(t, c);
    return columns;
}

// The rules of the game as a player reads them, apart from the code under test.
bool legal(const FortyThievesTable& t, const Columns& columns, const Drop& m) {
    const Card& d = t.card[m.d];
    auto onCard = [&](int k) {
        const Card& under = t.card[k];
        if (under.onfoundation || under.tag <= 0 || under.tag >= 2000) return false;
        const std::vector<int>& column = columns[columnof(under.tag)];
        const auto others = std::ranges::count_if(column, [&](int x) { return x != m.d; });
        return under.cardsuit == d.cardsuit && under.cardrank == d.cardrank + 1 && others < 19;
    };
    switch (m.onto) {
    case Onto::Card: return onCard(m.target);
    case Onto::Column: return !columns[m.target].empty() && onCard(columns[m.target].back());
    case Onto::Placeholder: return columns[m.target].empty();
    case Onto::Foundation: return d.cardrank == t.nextrank[m.target];
    }
    return false;
}

std::vector<Drop> candidates(const FortyThievesTable& t) {
    std::vector<Drop> drops;
    for (int d = 1; d <= kCards; ++d) {
        if (!movable(t, d)) continue;
        for (int k = 1; k <= kCards; ++k) drops.push_back({d, Onto::Card, k});
        for (int c = 1; c <= kColumns; ++c) {
            drops.push_back({d, Onto::Column, c});
            drops.push_back({d, Onto::Placeholder, c});
        }
        for (int f = 1; f <= kFoundations; ++f) drops.push_back({d, Onto::Foundation, f});
    }
    return drops;
}

// Seeded random play, mostly legal moves and turns, now and then any drop at all: a drop is
// accepted exactly when it is legal, a refused one changes nothing, and after every step each card
// lies in exactly one pile and no foundation card has been touched again.
TEST(FortyThievesRandomPlay, EveryCardStaysInExactlyOnePileAndNoFoundationCardIsRenumbered) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        core::Randomize(seed);
        FortyThievesTable t;
        startvalues(t);
        clearmarks(t);
        makecards(t);
        makecards2(t);
        park(t);
        deal(t);
        std::mt19937 pick(seed);
        std::map<int, Card> onFoundation;
        int accepted = 0;
        for (int step = 0; step < 800 && !testing::Test::HasFailure(); ++step) {
            const std::vector<Drop> all = candidates(t);
            const Columns columns = columnsOf(t);
            std::vector<Drop> good;
            std::ranges::copy_if(all, std::back_inserter(good), [&](const Drop& m) { return legal(t, columns, m); });
            if (good.empty() && t.stockleft == 0) break;
            if (good.empty() || pick() % 6 == 0) {
                turn(t);
                EXPECT_EQ(wholeTableFault(t, onFoundation), "");
                continue;
            }
            const Drop m = pick() % 4 == 0 ? all[pick() % all.size()] : good[pick() % good.size()];
            const bool fair = legal(t, columns, m);
            const FortyThievesTable before = t;
            EXPECT_EQ(apply(t, m), fair) << m.d << " onto " << int(m.onto) << " " << m.target;
            if (!fair) {
                EXPECT_EQ(t, before) << "a refused drop changes nothing";
                continue;
            }
            ++accepted;
            if (t.card[m.d].onfoundation) onFoundation[m.d] = t.card[m.d];
            EXPECT_EQ(wholeTableFault(t, onFoundation), "");
        }
        EXPECT_GT(accepted, 40);
        EXPECT_GT(onFoundation.size(), 4u);
    }
}

}  // namespace
