#include "core/deck.h"
#include "core/rndnum.h"

#include "core/chance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>
#include <vector>

using namespace core;

namespace {

class Deal : public ::testing::Test {
protected:
    void SetUp() override { Randomize(20240611u); }
};

}  // namespace

TEST_F(Deal, RndnumStaysInItsRangeAndReachesBothEnds) {
    struct Case { int n; int offset; };
    for (const auto& c : {Case{2, 1}, Case{6, 1}, Case{52, 1}, Case{52, 53}}) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) seen.insert(rndnum(c.n, c.offset));
        EXPECT_EQ(*seen.begin(), c.offset) << c.n << "+" << c.offset;
        EXPECT_EQ(*seen.rbegin(), c.offset + c.n - 1) << c.n << "+" << c.offset;
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.n));
    }
}

TEST_F(Deal, ShuffleDealsEveryCodeOnceAndMarksThemAll) {
    std::array<std::int16_t, 53> deckorder{};
    std::array<std::int16_t, 53> cardused{};
    cardused.fill(-1);  // stale marks from an earlier deal are cleared first
    std::vector<int> positions;
    shuffledeck(deckorder, cardused, 52, [&](int p) {
        positions.push_back(p);
        EXPECT_NE(deckorder[static_cast<std::size_t>(p)], 0) << "code drawn before the callback";
    });
    std::vector<int> codes(deckorder.begin() + 1, deckorder.end());
    std::ranges::sort(codes);
    std::vector<int> expected(52);
    for (int i = 0; i < 52; ++i) expected[static_cast<std::size_t>(i)] = i + 1;
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(positions, expected);
    EXPECT_TRUE(std::all_of(cardused.begin() + 1, cardused.end(), [](std::int16_t m) { return m == -1; }));
    EXPECT_FALSE(std::is_sorted(deckorder.begin() + 1, deckorder.end()));
}

TEST_F(Deal, SameSeedSameDeal) {
    std::array<std::int16_t, 25> first{}, second{}, used{};
    Randomize(7u);
    shuffledeck(first, used, 24);
    Randomize(7u);
    shuffledeck(second, used, 24);
    EXPECT_EQ(first, second);
}

TEST_F(Deal, TwoDecksByOffsetDrawsKeepApart) {
    // The two-deck game deals codes 1..52 to positions 1..52, then 53..104 to 53..104.
    std::array<std::int16_t, 105> deckorder{}, cardused{};
    for (int p = 1; p <= 52; ++p) deckorder[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(drawfree(cardused, 52));
    EXPECT_TRUE(std::all_of(cardused.begin() + 53, cardused.end(), [](std::int16_t m) { return m == 0; }));
    for (int p = 53; p <= 104; ++p) deckorder[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(drawfree(cardused, 52, 53));
    std::set<int> firstDeck(deckorder.begin() + 1, deckorder.begin() + 53);
    std::set<int> secondDeck(deckorder.begin() + 53, deckorder.end());
    EXPECT_EQ(firstDeck.size(), 52u);
    EXPECT_EQ(*firstDeck.begin(), 1);
    EXPECT_EQ(*firstDeck.rbegin(), 52);
    EXPECT_EQ(secondDeck.size(), 52u);
    EXPECT_EQ(*secondDeck.begin(), 53);
    EXPECT_EQ(*secondDeck.rbegin(), 104);
}

TEST_F(Deal, DrawingFromASpentRangeGivesNothingInsteadOfLoopingForever) {
    std::array<std::int16_t, 5> cardused{0, -1, -1, -1, -1};
    EXPECT_EQ(drawfree(cardused, 4), 0);
    cardused[3] = 0;
    EXPECT_EQ(drawfree(cardused, 4), 3);
    EXPECT_EQ(cardused[3], -1);
}

TEST_F(Deal, ArraysTooSmallForTheDeckAreRefused) {
    std::array<std::int16_t, 52> tooSmall{};
    std::array<std::int16_t, 53> enough{};
    EXPECT_THROW(shuffledeck(tooSmall, enough, 52), std::out_of_range);
    EXPECT_THROW(shuffledeck(enough, tooSmall, 52), std::out_of_range);
    EXPECT_THROW(drawfree(enough, 52, 2), std::out_of_range);
}

TEST_F(Deal, AKnownDealPlacesEachCodeAndMarksTheRangeDealt) {
    std::array<std::int16_t, 53> deckorder{}, cardused{};
    std::array<std::int16_t, 52> order{};
    for (int k = 0; k < 52; ++k) order[k] = static_cast<std::int16_t>(52 - k);
    knowndeal(deckorder, cardused, order);
    EXPECT_EQ(deckorder[0], 0);
    EXPECT_EQ(cardused[0], 0);
    for (int p = 1; p <= 52; ++p) {
        EXPECT_EQ(deckorder[p], 53 - p) << p;
        EXPECT_EQ(cardused[p], -1) << p;
    }
    std::array<std::int16_t, 10> small{};
    EXPECT_THROW(knowndeal(small, cardused, order), std::out_of_range);

    auto twice = order;
    twice[51] = twice[0];
    auto outside = order;
    outside[3] = 53;
    for (const auto& wrong : {twice, outside}) {
        std::array<std::int16_t, 53> untouched{};
        EXPECT_THROW(knowndeal(untouched, cardused, wrong), std::invalid_argument);
        EXPECT_EQ(untouched, (std::array<std::int16_t, 53>{})) << "nothing dealt";
    }
}
