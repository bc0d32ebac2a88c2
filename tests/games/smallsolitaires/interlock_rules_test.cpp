#include "games/smallsolitaires/interlock_rules.h"

#include "core/chance.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace interlockrules;

namespace {

using Faces = std::array<std::int16_t, kCards>;
constexpr Faces kInOrder{1, 2, 3, 4, 5, 6, 7, 8};

InterlockTable dealt(int blank, const Faces& faces) {
    InterlockTable t;
    deal(t, blank, faces);
    return t;
}

void expectConsistent(const InterlockTable& t) {
    std::set<int> cells{t.blankcell};
    for (int k = 1; k <= kCards; ++k) {
        cells.insert(t.tag[k]);
        EXPECT_EQ(t.cardcell[t.deckorder[k]], t.tag[k]) << "card image " << k;
    }
    EXPECT_EQ(cells, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(InterlockRules, CardsTakeTheCellsOtherThanTheBlankInOrder) {
    struct Case { int blank; std::array<int, 8> cells; };
    const Case cases[] = {
        {1, {2, 3, 4, 5, 6, 7, 8, 9}},
        {5, {1, 2, 3, 4, 6, 7, 8, 9}},
        {9, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto& c : cases) {
        const InterlockTable t = dealt(c.blank, {3, 1, 4, 8, 5, 2, 6, 7});
        for (int k = 1; k <= kCards; ++k) {
            EXPECT_EQ(cellof(k, c.blank), c.cells[k - 1]);
            EXPECT_EQ(t.tag[k], c.cells[k - 1]);
        }
        expectConsistent(t);
    }
}

TEST(InterlockRules, EveryDealUsesEachFaceOnceAndEveryBlankComesUp) {
    std::set<int> blanks;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        core::Randomize(seed);
        InterlockTable t;
        makecards(t);
        EXPECT_EQ(std::set<int>(t.deckorder.begin() + 1, t.deckorder.end()), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        expectConsistent(t);
        blanks.insert(t.blankcell);
    }
    EXPECT_EQ(blanks.size(), 9u);
}

TEST(InterlockRules, AChosenDealShowsEveryFaceOnceOnOneOfTheNineCells) {
    InterlockTable t;
    EXPECT_THROW(deal(t, 0, kInOrder), std::invalid_argument);
    EXPECT_THROW(deal(t, 10, kInOrder), std::invalid_argument);
    EXPECT_THROW(deal(t, 9, {1, 2, 3, 4, 5, 6, 7, 7}), std::invalid_argument);
    EXPECT_THROW(deal(t, 9, {1, 2, 3, 4, 5, 6, 7, 9}), std::invalid_argument);
}

// Grid:  1 2 3 / 4 5 6 / 7 8 9.
TEST(InterlockRules, ACardSlidesIntoABlankBesideItInItsRowOrAboveOrBelowIt) {
    struct Case { int card; int blank; bool slides; };
    const Case cases[] = {
        {2, 1, true},  {1, 2, true},  {5, 6, true},  {9, 8, true},   // in a row
        {1, 4, true},  {4, 1, true},  {5, 8, true},  {9, 6, true},   // in a column
        {3, 4, false}, {4, 3, false}, {6, 7, false}, {7, 6, false},  // a row does not wrap
        {1, 3, false}, {1, 7, false}, {1, 5, false}, {3, 7, false},  // too far, or diagonal
        {5, 5, false}, {2, 6, false}, {8, 4, false},
    };
    for (const auto& c : cases) EXPECT_EQ(slides(c.card, c.blank), c.slides) << c.card << " into " << c.blank;

    // Corners reach two cells, edges three and the centre four.
    const int neighbours[] = {0, 2, 3, 2, 3, 4, 3, 2, 3, 2};
    for (int cell = 1; cell <= kCells; ++cell) {
        int count = 0;
        for (int blank = 1; blank <= kCells; ++blank) {
            count += slides(cell, blank);
            EXPECT_EQ(slides(cell, blank), slides(blank, cell));
        }
        EXPECT_EQ(count, neighbours[cell]) << "cell " << cell;
    }
}

TEST(InterlockRules, AClickSlidesTheCardAndMovesTheBlankToWhereItWas) {
    InterlockTable t = dealt(9, kInOrder);
    EXPECT_TRUE(solved(t));
    EXPECT_TRUE(click(t, 8));
    EXPECT_EQ(t.tag[8], 9);
    EXPECT_EQ(t.cardcell[8], 9);
    EXPECT_EQ(t.blankcell, 8);
    EXPECT_FALSE(solved(t));
    expectConsistent(t);

    const InterlockTable before = t;
    EXPECT_FALSE(click(t, 1)) << "cell 1 lies nowhere near the blank";
    EXPECT_FALSE(click(t, 0));
    EXPECT_EQ(t, before);

    EXPECT_TRUE(click(t, 8));
    EXPECT_TRUE(solved(t));
}

TEST(InterlockRules, OnlyTheAceToTheEightInOrderIsSolved) {
    EXPECT_TRUE(solved(dealt(9, kInOrder)));
    EXPECT_FALSE(solved(dealt(1, kInOrder))) << "every card one cell on";
    EXPECT_FALSE(solved(dealt(9, {2, 1, 3, 4, 5, 6, 7, 8})));
}

TEST(InterlockRules, CellsLieInThreeRowsOfThree) {
    struct Case { int cell; double left; double top; };
    const Case cases[] = {{1, 1200, 480}, {3, 3600, 480}, {4, 1200, 2160}, {5, 2400, 2160}, {9, 3600, 3840}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(cellPlace(c.cell).Left, c.left) << c.cell;
        EXPECT_DOUBLE_EQ(cellPlace(c.cell).Top, c.top) << c.cell;
    }
}

}  // namespace
