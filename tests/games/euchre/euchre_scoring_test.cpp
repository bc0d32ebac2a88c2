#include "euchre_cards.h"

#include "games/euchre/euchre_layout.h"
#include "games/euchre/euchre_play.h"
#include "games/euchre/euchre_scoring.h"

#include <gtest/gtest.h>

using namespace euchrerules;
using euchretest::Deal;
using euchretest::slotOf;

namespace {

// The four named cards put into the trick by seats 1 to 4 ("" for a seat that plays none), the
// first named seat leading.
struct TrickCase {
    const char* name;
    const char* trump;
    std::array<const char*, 4> cards;
    int leader;
    bool alone;
    std::array<int, 4> values;
    int winner;
};

EuchreTable trickOf(const TrickCase& c) {
    EuchreTable t = euchretest::table({c.cards[0], c.cards[1], c.cards[2], c.cards[3]});
    t.trump = core::suitnamed(c.trump);
    makeBowers(t);
    beginPlay(t, c.alone);
    t.leader = c.leader;
    for (int seat = 1; seat <= 4; ++seat) {
        const std::string card = c.cards[static_cast<std::size_t>(seat - 1)];
        if (card.empty()) continue;
        const int slot = slotOf(t, card);
        t.trickvalue[seat] = t.cardrank[slot];
        t.tricksuit[seat] = t.dealtsuit[slot];
        if (seat == c.leader) t.leadsuit = ledSuit(t.cardrank[slot], t.dealtsuit[slot], t.trump);
    }
    return t;
}

TEST(EuchreTrick, ValuesWithTheBowersAndTheWinner) {
    const TrickCase cases[] = {
        {"left bower over the ace of trump", "hearts", {"AS", "AH", "JD", "KS"}, 1, false, {64, 114, 261, 63}, 3},
        {"right bower over left bower", "hearts", {"JH", "JD", "AS", "KS"}, 3, false, {311, 261, 64, 63}, 1},
        {"trump led: 361, 311, 164", "hearts", {"JH", "JD", "AH", "9H"}, 4, false, {361, 311, 164, 159}, 1},
        {"a led left bower scores 311", "clubs", {"JS", "9C", "AS", "KH"}, 1, false, {311, 159, 14, 13}, 1},
        {"the lead suit beats off-suit aces", "spades", {"9D", "AH", "AC", "TD"}, 1, false, {59, 14, 14, 60}, 4},
        {"the other two jacks are plain", "spades", {"JH", "JD", "9H", "TD"}, 1, false, {61, 11, 59, 10}, 1},
        {"seat 1 at 0 while the user is alone", "spades", {"", "9H", "AD", "TH"}, 2, true, {0, 59, 14, 60}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = trickOf(c);
        const int winner = judgeTrick(t);
        EXPECT_EQ(winner, c.winner);
        EXPECT_EQ(t.trickwinner, c.winner) << "the winner is kept for the sweep";
        for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(t.trickvalue[seat], c.values[static_cast<std::size_t>(seat - 1)]) << seat;
    }
}

TEST(EuchreTrick, EqualValuesGoToTheHigherNumberedSeat) {
    const struct { std::array<int, 5> values; int winner; } cases[] = {
        {{0, 14, 14, 13, 13}, 2}, {{0, 14, 14, 14, 13}, 3}, {{0, 14, 14, 14, 14}, 4}, {{0, 14, 15, 14, 15}, 4},
        {{0, 15, 14, 13, 13}, 1}};
    for (const auto& c : cases) {
        EuchreTable t;
        t.trickvalue = c.values;
        t.tricksuit = {std::nullopt, Suit::Spades, Suit::Spades, Suit::Spades, Suit::Spades};
        EXPECT_EQ(judgeTrick(t), c.winner) << c.values[1] << " " << c.values[2] << " " << c.values[3] << " " << c.values[4];
    }
}

TEST(EuchreTrick, JudgingMarksTheCardsPlayedAndLowersTheCounts) {
    EuchreTable t = trickOf({"", "hearts", {"", "JD", "AS", "KS"}, 2, true, {}, 0});
    // What the partner played in an earlier hand must not be looked for while it sits out.
    t.trickvalue[1] = t.cardrank[11];
    t.tricksuit[1] = t.dealtsuit[11];
    const auto partnerCounts = t.suitcount;
    const int hearts = suitcountOf(t, 2, Suit::Hearts);
    const int spades3 = suitcountOf(t, 3, Suit::Spades);
    judgeTrick(t);
    EXPECT_EQ(suitcountOf(t, 2, Suit::Hearts), hearts - 1) << "the left bower leaves the trump count";
    EXPECT_EQ(suitcountOf(t, 3, Suit::Spades), spades3 - 1);
    EXPECT_EQ(t.trickslot[1], 0);
    for (const char* card : {"JD", "AS", "KS"}) {
        const int slot = slotOf(t, card);
        EXPECT_EQ(t.tag[slot], kOutOfPlay) << card;
        EXPECT_EQ(t.cardrank[slot], 0) << card;
    }
    for (int slot = 11; slot <= 15; ++slot) EXPECT_NE(t.cardrank[slot], 0) << "the partner's cards are never found";
    for (std::size_t suit = 0; suit < 4; ++suit) EXPECT_EQ(t.suitcount[suit][1], partnerCounts[suit][1]);
}

TEST(EuchreHand, PointsForTheMakersAndTheEuchre) {
    const struct { const char* name; int maker; std::array<int, 5> tricks; bool alone; std::array<int, 3> points; } cases[] = {
        {"three tricks", 3, {0, 2, 1, 1, 1}, false, {0, 1, 0}},
        {"four tricks", 1, {0, 2, 0, 2, 1}, false, {0, 1, 0}},
        {"all five", 1, {0, 3, 0, 2, 0}, false, {0, 2, 0}},
        {"all five alone", 3, {0, 0, 0, 5, 0}, true, {0, 4, 0}},
        {"euchred", 3, {0, 1, 2, 1, 1}, false, {0, 0, 2}},
        {"opponents make one", 2, {0, 1, 2, 0, 2}, false, {0, 0, 1}},
        {"opponents take all five", 4, {0, 0, 3, 0, 2}, true, {0, 0, 2}},
        {"opponents euchred: alone adds nothing", 2, {0, 0, 2, 3, 0}, true, {0, 2, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t;
        t.maker = c.maker;
        t.trickswon = c.tricks;
        t.alone = c.alone ? -1 : 0;
        scoreHand(t);
        EXPECT_EQ(t.teampoints, c.points);
    }
}

TEST(EuchreHand, CountingTricksHandsTheLeadToTheWinnerUntilTheFifth) {
    EuchreTable t;
    t.playing = true;
    for (int trick = 1; trick <= 4; ++trick) {
        t.turn = trick % 2 ? 2 : 3;
        EXPECT_FALSE(countTrick(t));
        EXPECT_EQ(t.leader, t.turn);
        EXPECT_TRUE(t.playing);
    }
    t.turn = 4;
    t.leader = 3;
    EXPECT_TRUE(countTrick(t));
    EXPECT_EQ(t.trickswon, (std::array<int, 5>{0, 0, 2, 2, 1}));
    EXPECT_FALSE(t.playing) << "the user's cards no longer play";
}

TEST(EuchreGame, TheTargetAndTheEndOfAGame) {
    const struct { const char* text; int target; } targets[] = {
        {"8", 8}, {"10", 10}, {"12", 12}, {"9", 9}, {"", 10}, {"x", 10}, {"0", 10}, {"-4", 10}, {"99999999999", 10}};
    for (const auto& c : targets) EXPECT_EQ(playTarget(c.text), c.target) << c.text;
    EuchreTable t;
    t.teampoints = {0, 9, 9};
    EXPECT_EQ(gameWinner(t, 10), 0);
    t.teampoints = {0, 9, 10};
    EXPECT_EQ(gameWinner(t, 10), 2) << "a total equal to the target ends the game";
    t.teampoints = {0, 10, 11};
    EXPECT_EQ(gameWinner(t, 10), 1) << "the user's team wins when both reach it";
}

TEST(EuchreSweep, TheTrickRidesTowardItsWinnerUntilOffTheTable) {
    const struct { int winner; Place step; Place inside, off; } cases[] = {
        {1, {0, -68}, {0, -1359}, {0, -1361}},
        {2, {68, 0}, {13599, 0}, {13601, 0}},
        {3, {0, 68}, {0, 13599}, {0, 13601}},
        {4, {-68, 0}, {-1359, 0}, {-1361, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.winner);
        const Place step = sweepStep(c.winner, 0.68f);
        EXPECT_NEAR(step.left, c.step.left, 0.001);
        EXPECT_NEAR(step.top, c.step.top, 0.001);
        EXPECT_FALSE(sweptOff(c.winner, c.inside, 0.68f));
        EXPECT_TRUE(sweptOff(c.winner, c.off, 0.68f));
    }
}

}  // namespace
