#include "games/smallsolitaires/interlock_rules.h"

#include "core/chance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <queue>
#include <set>
#include <string>
#include <unordered_map>

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

// A layout as the face on each cell 1..9 (at [0]..[8]), 0 on the blank; packed into one number.
using Layout = std::array<int, kCells>;

std::uint32_t packed(const Layout& cells) {
    std::uint32_t key = 0;
    for (int face : cells) key = key * 10 + static_cast<std::uint32_t>(face);
    return key;
}

Layout layoutOf(const InterlockTable& t) {
    Layout cells{};
    for (int face = 1; face <= kCards; ++face) cells[static_cast<std::size_t>(t.cardcell[face] - 1)] = face;
    return cells;
}

// Every layout the goal reaches by slides, with the number of slides it lies from the goal. Slides
// go both ways, so these are exactly the layouts that can be solved. The neighbours come from the
// grid itself, not from the rules under test.
std::unordered_map<std::uint32_t, int> solvableLayouts() {
    const Layout goal{1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::unordered_map<std::uint32_t, int> distance{{packed(goal), 0}};
    std::queue<Layout> next;
    next.push(goal);
    while (!next.empty()) {
        const Layout cells = next.front();
        next.pop();
        const int d = distance[packed(cells)];
        const int blank = static_cast<int>(std::find(cells.begin(), cells.end(), 0) - cells.begin());
        const int row = blank / 3, column = blank % 3;
        const std::array<std::array<int, 2>, 4> steps{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
        for (const auto& [dr, dc] : steps) {
            if (row + dr < 0 || row + dr > 2 || column + dc < 0 || column + dc > 2) continue;
            Layout moved = cells;
            std::swap(moved[static_cast<std::size_t>(blank)], moved[static_cast<std::size_t>((row + dr) * 3 + column + dc)]);
            if (distance.emplace(packed(moved), d + 1).second) next.push(moved);
        }
    }
    return distance;
}

TEST(InterlockRules, EveryDealCanBeSolvedBySlides) {
    const auto reach = solvableLayouts();
    ASSERT_EQ(reach.size(), 362880u / 2) << "half of all layouts of a three-by-three board";
    std::set<int> blanks;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        core::Randomize(seed);
        InterlockTable t;
        makecards(t);
        expectConsistent(t);
        blanks.insert(t.blankcell);
        const auto found = reach.find(packed(layoutOf(t)));
        ASSERT_NE(found, reach.end()) << "seed " << seed << " dealt a layout that cannot be solved";
        if (seed > 40) continue;
        // Solved through the rules' own clicks, each one a slide nearer the goal.
        for (int left = found->second; left > 0; --left) {
            int chosen = 0;
            for (int k = 1; k <= kCards && !chosen; ++k) {
                InterlockTable after = t;
                if (click(after, k) && reach.at(packed(layoutOf(after))) == left - 1) chosen = k;
            }
            ASSERT_NE(chosen, 0) << "seed " << seed << ", " << left << " slides from the goal";
            click(t, chosen);
        }
        EXPECT_TRUE(solved(t)) << "seed " << seed;
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
