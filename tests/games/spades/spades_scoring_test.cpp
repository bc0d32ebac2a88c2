#include <gtest/gtest.h>

#include "games/spades/spades_scoring.h"
#include "spades_builder.h"

#include <utility>
#include <vector>

using namespace spadesrules;
using spadestest::inPlay;
using spadestest::play;

namespace {

// A complete trick led by `leader`, the cards given by seat 1 to 4.
SpadesTable trickOf(int leader, const std::array<const char*, 4>& cards) {
    SpadesTable t = inPlay({cards[0], cards[1], cards[2], cards[3]}, 5);
    t.leader = leader;
    for (int k = 0; k < 4; ++k) {
        const int seat = (leader - 1 + k) % 4 + 1;
        play(t, seat, cards[static_cast<std::size_t>(seat - 1)]);
    }
    return t;
}

}  // namespace

TEST(SpadesJudging, SpadesBeatTheLedSuitAndDiscardsNeverWin) {
    const struct { int leader; std::array<const char*, 4> cards; int winner, best; } cases[] = {
        {4, {"AH", "2S", "KH", "3H"}, 2, 262},         // the two of spades over the ace of hearts
        {1, {"AH", "KH", "QH", "JH"}, 1, 144},
        {1, {"2S", "AS", "KS", "3S"}, 2, 274},         // a spade lead: rank plus 260, not 390
        {3, {"AC", "AD", "2H", "AS"}, 4, 274},
        {3, {"AC", "AD", "2H", "KD"}, 3, 132},         // aces of other suits are discards
        {2, {"9S", "3C", "4S", "2C"}, 1, 269},
        {2, {"QD", "TC", "KC", "JC"}, 3, 143}};
    for (const auto& c : cases) {
        SpadesTable t = trickOf(c.leader, c.cards);
        EXPECT_EQ(judgeTrick(t), c.winner) << c.cards[0] << " " << c.cards[1] << " " << c.cards[2] << " " << c.cards[3];
        EXPECT_EQ(t.winner, c.winner);
        EXPECT_EQ(t.bestvalue, c.best);
    }
}

TEST(SpadesJudging, BookingATrickHandsTheLeadToItsWinnerUntilTheLastTrick) {
    SpadesTable t = trickOf(4, {"AH", "2S", "KH", "3H"});
    judgeTrick(t);
    EXPECT_FALSE(bookTrick(t));
    EXPECT_EQ(t.trickswon[2], 1);
    EXPECT_EQ(t.cardsleft, 4);
    EXPECT_EQ(t.turn, 2);
    EXPECT_EQ(t.leader, 2);
    EXPECT_EQ(t.bestvalue, 0);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(t.tricksuit[seat], std::nullopt);
        EXPECT_EQ(t.trickvalue[seat], 0);
        EXPECT_EQ(t.trickslot[seat], 0);
    }
    SpadesTable last = trickOf(1, {"AH", "KH", "QH", "JH"});
    last.cardsleft = 1;
    last.turn = last.leader = 1;
    judgeTrick(last);
    last.leader = 3;
    EXPECT_TRUE(bookTrick(last));
    EXPECT_EQ(last.cardsleft, 0);
    EXPECT_EQ(last.leader, 3) << "nobody leads after the last trick";
    EXPECT_EQ(last.trickswon[1], 1);
}

TEST(SpadesJudging, ClosingATrickScoresTheHandOnlyAfterTheLastTrick) {
    for (const int cardsleft : {2, 1}) {
        SCOPED_TRACE(cardsleft);
        SpadesTable t = trickOf(1, {"AH", "KH", "QH", "JH"});
        t.cardsleft = cardsleft;
        t.bid = {0, 0, 0, 4, 0};
        judgeTrick(t);
        SpadesTable booked = t;
        const bool last = bookTrick(booked);
        SpadesTable scored = booked;
        if (last) scoreHand(scored);
        EXPECT_EQ(closeTrick(t), cardsleft == 1);
        EXPECT_EQ(t.trickswon, booked.trickswon);
        EXPECT_EQ(t.turn, booked.turn);
        EXPECT_EQ(t.teamscore, scored.teamscore);
        EXPECT_EQ(t.bags, scored.bags);
    }
}

TEST(SpadesHandScoring, BidsNilsBagsAndSetsScoreBothTeams) {
    struct Case {
        const char* what;
        std::array<int, 2> bids;         // ours, theirs
        std::array<int, 5> won;          // by seat
        std::array<int, 2> bagsBefore;
        std::array<int, 2> scoreBefore;
        int lastWinner;
        std::vector<std::pair<int, bool>> nils;  // seat, blind
        std::array<int, 2> bags, score;
    };
    const Case cases[] = {
        {"four bid, six taken: two bags", {4, 7}, {0, 3, 3, 3, 4}, {0, 0}, {0, 0}, 2, {}, {2, 0}, {42, 70}},
        {"eight bags and three overtricks", {4, 5}, {0, 4, 3, 3, 3}, {8, 0}, {100, 0}, 2, {}, {1, 1}, {43, 51}},
        {"nine bags and thirteen overtricks", {0, 5}, {0, 6, 0, 7, 0}, {9, 0}, {0, 0}, 3, {}, {12, 0}, {-87, -50}},
        {"ten bags carried in: the penalty again", {4, 5}, {0, 2, 4, 2, 5}, {12, 0}, {0, 0}, 2, {}, {2, 4}, {-60, 54}},
        {"a partner's Nil with one trick", {3, 5}, {0, 1, 5, 2, 5}, {0, 0}, {0, 0}, 2, {{1, false}}, {0, 5}, {-20, 55}},
        {"a clean Blind Nil", {3, 5}, {0, 4, 3, 0, 6}, {0, 0}, {0, 0}, 2, {{3, true}}, {1, 4}, {131, 54}},
        {"a Blind Nil that takes a trick", {3, 5}, {0, 3, 4, 1, 5}, {0, 0}, {0, 0}, 2, {{3, true}}, {1, 4}, {-69, 54}},
        {"both Nils of the other team", {5, 2}, {0, 6, 0, 7, 0}, {0, 0}, {0, 0}, 1, {{2, false}, {4, true}}, {8, 0}, {58, 130}},
        {"their set by the shortfall", {10, 5}, {0, 5, 2, 5, 1}, {0, 0}, {0, 0}, 2, {}, {0, 0}, {100, -20}},
        {"their set when seat 1 took the last trick", {10, 5}, {0, 5, 2, 5, 1}, {0, 0}, {0, 0}, 1, {}, {0, 0}, {100, -50}},
        {"our set by the shortfall", {9, 4}, {0, 3, 4, 3, 3}, {0, 0}, {0, 0}, 3, {}, {0, 3}, {-30, 43}},
        {"our set when seat 1 took the last trick", {9, 4}, {0, 3, 4, 3, 3}, {0, 0}, {0, 0}, 1, {}, {0, 3}, {-90, 43}},
        {"a team bid of 0 is made", {0, 13}, {0, 0, 13, 0, 0}, {0, 0}, {0, 0}, 2, {}, {0, 0}, {0, 130}}};
    for (const auto& c : cases) {
        SpadesTable t;
        t.bid = {0, c.bids[0], c.bids[1], c.bids[0], c.bids[1]};
        t.trickswon = c.won;
        t.bags = c.bagsBefore;
        t.teamscore = c.scoreBefore;
        t.winner = c.lastWinner;
        for (auto [seat, blind] : c.nils) (blind ? t.blindnil : t.nilbid)[seat] = -1;
        scoreHand(t);
        EXPECT_EQ(t.bags, c.bags) << c.what;
        EXPECT_EQ(t.teamscore, c.score) << c.what;
    }
}

TEST(SpadesHandScoring, TwentyTwoBagsTakeOneHundredNowAndOneHundredNextHand) {
    SpadesTable t;
    t.bags = {9, 0};
    t.trickswon = {0, 6, 0, 7, 0};
    t.winner = 3;
    scoreHand(t);
    EXPECT_EQ(t.bags[0], 12);
    EXPECT_EQ(t.teamscore[0], 13 - 100);
    t.trickswon = {0, 0, 7, 0, 6};
    scoreHand(t);
    EXPECT_EQ(t.bags[0], 2);
    EXPECT_EQ(t.teamscore[0], 13 - 100 - 100);
}

TEST(SpadesGameEnd, TheFirstRuleThatHoldsDecides) {
    const struct { int ours, theirs, target; Ending ending; } cases[] = {
        {205, 150, 200, Ending::Won},
        {150, 210, 200, Ending::Lost},
        {-250, 300, 250, Ending::Lost},     // our fall is tested first
        {-250, -260, 250, Ending::Lost},
        {40, -260, 250, Ending::Won},
        {390, -100, 400, Ending::NextHand},
        {400, 420, 400, Ending::Won},       // both at the target: ours first
        {199, -199, 200, Ending::NextHand},
        {260, 0, 300, Ending::NextHand},
        {300, 0, 300, Ending::Won}};
    for (auto c : cases) EXPECT_EQ(ending(c.ours, c.theirs, c.target), c.ending) << c.ours << " : " << c.theirs << " to " << c.target;
}

TEST(SpadesGameEnd, ATargetTextThatIsNoPositiveWholeNumberPlaysTo250) {
    const struct { const char* text; int target; } cases[] = {
        {"200", 200}, {"250", 250}, {"400", 400}, {"300", 300}, {"", 250}, {"abc", 250},
        {"0", 250}, {"-200", 250}, {"2.5", 250}};
    for (auto c : cases) EXPECT_EQ(targetOf(c.text), c.target) << '"' << c.text << '"';
}
