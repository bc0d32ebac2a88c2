#include "euchre_cards.h"

#include "games/euchre/euchre_turns.h"

#include <gtest/gtest.h>

#include <string>

using namespace euchrerules;
using euchretest::Deal;
using Then = BidTurn::Then;

namespace {

// Nobody holds three of the turned nine of diamonds, and no computer seat three of any suit; the
// top seat holds two hearts and two clubs.
const Deal kQuiet{"AH KH AC KC AS", "QH JH QC JC KS", "AD KD QD JD TD", "TH 9H TC 9C QS", "9D"};
// The top seat holds three hearts, the suit turned up.
const Deal kTopTakes{"AH KH 9H AC KC", "AS KS QS JS TS", "AD KD QD JD TD", "9S TC 9C QC JC", "QH"};

struct BidCase {
    const char* name;
    const Deal* deal;
    int dealer;
    int turn;  // the seat whose tick it is
    int seat;
    const char* trump;  // "" for a pass
    Then then;
    int turnAfter;
};

TEST(EuchreTurns, RoundOneTicksTakeOrPassAndSayWhoSpeaksNext) {
    const BidCase cases[] = {
        {"the top seat takes the turned suit", &kTopTakes, 4, 1, 1, "hearts", Then::Next, 1},
        {"a pass hands on to the next seat", &kQuiet, 1, 4, 4, "", Then::Next, 1},
        {"seat 2's pass has the user answer at once", &kQuiet, 1, 2, 2, "", Then::User, 2},
        {"the dealer's pass ends the round", &kQuiet, 1, 1, 1, "", Then::SecondRound, 1},
        {"the dealer seat 4 ends it too", &kQuiet, 4, 4, 4, "", Then::SecondRound, 4},
        {"seat 2 dealing ends it rather than ask the user again", &kQuiet, 2, 2, 2, "", Then::SecondRound, 2},
        {"a tick at the user's turn only passes to seat 4", &kQuiet, 2, 3, 0, "", Then::Next, 4},
    };
    for (const BidCase& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = euchretest::table(*c.deal, c.dealer);
        t.turn = c.turn;
        const BidTurn bid = roundOneTurn(t);
        EXPECT_EQ(bid.seat, c.seat);
        EXPECT_EQ(bid.trump, core::suitnamed(c.trump));
        EXPECT_EQ(bid.then, c.then);
        EXPECT_EQ(t.turn, c.turnAfter);
        EXPECT_EQ(t.trump, std::nullopt) << "trump is made once the message has been read";
    }
}

TEST(EuchreTurns, RoundTwoTicksMoveTheTurnOnAndNameASuitOrPass) {
    const BidCase cases[] = {
        {"the last computer seat names the first suit it holds two of", &kQuiet, 1, 4, 1, "hearts", Then::Next, 1},
        {"another seat with two of a suit passes", &kQuiet, 1, 1, 2, "", Then::Next, 2},
        {"after seat 2 the user picks", &kQuiet, 1, 2, 3, "", Then::User, 3},
        {"three of a suit are named by any seat", &kTopTakes, 3, 4, 1, "hearts", Then::Next, 1},
    };
    for (const BidCase& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = euchretest::table(*c.deal, c.dealer);
        t.turn = c.turn;
        const BidTurn bid = roundTwoTurn(t);
        EXPECT_EQ(bid.seat, c.seat);
        EXPECT_EQ(bid.trump, core::suitnamed(c.trump));
        EXPECT_EQ(bid.then, c.then);
        EXPECT_EQ(t.turn, c.turnAfter);
    }
}

TEST(EuchreTurns, MakingTrumpNamesTheSuitAndItsMaker) {
    EuchreTable t = euchretest::table(kQuiet, 2);
    makeTrump(t, Suit::Clubs, 4);
    EXPECT_EQ(t.trump, Suit::Clubs);
    EXPECT_EQ(t.maker, 4);
}

int firstSuit(int) { return 1; }

TEST(EuchreTurns, AComputerTickPlaysTheSeatInTurnAndSaysWhoIsNext) {
    const struct {
        const char* name;
        int turn, leader;
        bool alone;
        int seat, slot, back, turnAfter;
        bool userNext, trickDone;
    } cases[] = {
        {"seat 4 leads", 4, 4, false, 4, 6, 6, 1, false, false},
        {"the partner sits out a hand played alone", 4, 4, true, 4, 6, 6, 2, false, false},
        {"seat 2 hands the turn to the user", 2, 4, false, 2, 16, 11, 3, true, false},
        {"seat 2 completes the user's trick", 2, 3, false, 2, 16, 11, 3, true, true},
        {"the partner completes seat 2's trick", 1, 2, false, 1, 11, 1, 2, false, true},
        {"the user's turn plays nothing", 3, 4, false, 0, 0, 0, 3, true, false},
    };
    // Every computer seat holds one suit only, so whatever it draws or follows it plays its lowest slot.
    const Deal deal{"AC KC QC TC 9C", "AS KS QS TS 9S", "AD KD QD TD 9D", "AH KH QH TH 9H", "JD"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = euchretest::table(deal, 3);
        t.trump = Suit::Diamonds;
        makeBowers(t);
        beginPlay(t, c.alone);
        t.leader = c.leader;
        t.turn = c.turn;
        if (c.seat == 2) t.leadsuit = Suit::Hearts;
        if (c.seat == 1) t.leadsuit = Suit::Spades;
        const PlayTurn play = computerTurn(t, firstSuit);
        EXPECT_EQ(play.seat, c.seat);
        EXPECT_EQ(play.slot, c.slot);
        EXPECT_EQ(play.back, c.back);
        EXPECT_FALSE(play.error);
        EXPECT_EQ(t.turn, c.turnAfter);
        EXPECT_EQ(play.userNext, c.userNext);
        EXPECT_EQ(play.trickDone, c.trickDone);
        if (!c.slot) continue;
        EXPECT_EQ(t.trickvalue[c.seat], 14);
        EXPECT_EQ(t.tricksuit[c.seat], t.dealtsuit[c.slot]);
        if (c.seat == c.leader) {
            EXPECT_EQ(t.leadsuit, t.dealtsuit[c.slot]);
        }
    }
}

TEST(EuchreTurns, AComputerTickWhoseCountsDisagreeWithItsHandSaysSo) {
    EuchreTable t = euchretest::inPlay({"AS KS QS TS 9S"}, "clubs", 1, 4, "hearts");
    *suitcount(t, 1, Suit::Hearts) = 1;  // counts one heart the hand does not hold
    const PlayTurn play = computerTurn(t, firstSuit);
    EXPECT_TRUE(play.error);
    EXPECT_EQ(play.slot, 11) << "its first card still held";
    EXPECT_EQ(t.turn, 2);
}

TEST(EuchreTurns, ASweptTrickGoesToTheSeatInTurnAndTheFifthScoresTheHand) {
    const struct {
        const char* name;
        int winner, maker;
        std::array<int, 5> before;
        std::array<int, 3> points;
        int target;
        bool handOver;
        std::array<int, 3> pointsAfter;
        int gameWinner;
    } cases[] = {
        {"a trick in the hand: the winner leads", 2, 3, {0, 1, 0, 1, 0}, {0, 0, 0}, 10, false, {0, 0, 0}, 0},
        {"the fifth trick scores", 3, 3, {0, 1, 1, 2, 0}, {0, 4, 5}, 10, true, {0, 5, 5}, 0},
        {"the makers reach the target", 1, 1, {0, 2, 0, 2, 0}, {0, 8, 0}, 10, true, {0, 10, 0}, 1},
        {"the euchred makers lose the game", 4, 3, {0, 1, 1, 1, 1}, {0, 6, 7}, 8, true, {0, 6, 9}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = euchretest::table(kQuiet);
        t.playing = true;
        t.maker = c.maker;
        t.trickswon = c.before;
        t.teampoints = c.points;
        t.turn = c.winner;
        const TrickEnd end = countSweptTrick(t, c.target);
        EXPECT_EQ(end.winner, c.winner);
        EXPECT_EQ(end.handOver, c.handOver);
        EXPECT_EQ(end.gameWinner, c.gameWinner);
        EXPECT_EQ(t.teampoints, c.pointsAfter);
        EXPECT_EQ(t.trickswon[c.winner], c.before[static_cast<std::size_t>(c.winner)] + 1);
        EXPECT_EQ(t.playing, !c.handOver);
        if (!c.handOver) {
            EXPECT_EQ(t.leader, c.winner);
        }
    }
}

}  // namespace
