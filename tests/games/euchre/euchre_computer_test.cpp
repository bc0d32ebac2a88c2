#include "euchre_cards.h"

#include "games/euchre/euchre_computer.h"
#include "games/euchre/euchre_play.h"

#include <gtest/gtest.h>

using namespace euchrerules;
using euchretest::Deal;
using euchretest::slotOf;

namespace {

// Draws that must not happen.
int noDraw(int) {
    ADD_FAILURE() << "no suit was drawn for";
    return 1;
}

Draw always(int r) {
    return [r](int n) {
        EXPECT_EQ(n, 4);
        return r;
    };
}

TEST(EuchreComputer, AFollowerPlaysTheLeadSuitElseTrumpFromItsLowestSlot) {
    const struct { const char* name; const char* hand; const char* trump; const char* led; const char* card; } cases[] = {
        {"the lower slot of two hearts, whatever the ranks", "9C 9H AS AH KD", "clubs", "hearts", "9H"},
        {"void in the lead: trumps with its lowest slot, the right bower", "JC AS KS QS 9C", "clubs", "hearts", "JC"},
        {"trumps even with the left bower, which is no heart", "JH AS KS QS TS", "diamonds", "hearts", "JH"},
        {"the left bower follows trump led", "AS JH KS QD TS", "diamonds", "diamonds", "JH"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = euchretest::inPlay({c.hand}, c.trump, 1, 4, c.led);
        const ComputerCard card = chooseCard(t, 1, noDraw);
        EXPECT_EQ(card.slot, slotOf(t, c.card));
        EXPECT_FALSE(card.error);
    }
}

TEST(EuchreComputer, FindrandomStartsTheCycleAtTheDrawnSuit) {
    const struct { const char* hand; int r; const char* suit; } cases[] = {
        {"AH AD AC AS KH", 1, "hearts"}, {"AH AD AC AS KH", 2, "diamonds"},
        {"AH AD AC AS KH", 3, "clubs"}, {"AH AD AC AS KH", 4, "spades"},
        {"AH AS KS QS TS", 2, "spades"}, {"AH AS KS QS TS", 3, "spades"},
        {"AD KD QD TD 9D", 4, "diamonds"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hand) + " drawn " + std::to_string(c.r));
        EuchreTable t = euchretest::inPlay({c.hand}, "clubs", 1, 1);
        findrandom(t, always(c.r));
        EXPECT_EQ(t.compsuit, core::suitnamed(c.suit));
    }
}

TEST(EuchreComputer, FindrandomKeepsTheOldSuitForASeatWithNoCards) {
    EuchreTable t = euchretest::inPlay({"AH"}, "clubs", 1, 1);
    t.suitcount = {};
    t.compsuit = Suit::Clubs;
    findrandom(t, always(1));
    EXPECT_EQ(t.compsuit, Suit::Clubs);
}

TEST(EuchreComputer, ALeaderDrawsItsSuitAndALeftBowerLeadMakesTrumpTheLead) {
    EuchreTable t = euchretest::inPlay({"JC AH KH AD KD"}, "spades", 1, 1);
    const ComputerCard card = chooseCard(t, 1, always(4));
    ASSERT_EQ(card.slot, slotOf(t, "JC")) << "spades first: the left bower is a spade";
    EXPECT_EQ(recordComputerCard(t, 1, card.slot), 1) << "the seat's first back";
    EXPECT_EQ(t.leadsuit, Suit::Spades);
    EXPECT_EQ(t.tricksuit[1], Suit::Clubs);
    EXPECT_EQ(t.trickvalue[1], 11);
    EXPECT_EQ(t.nextback[1], 2);
    EXPECT_EQ(t.turn, 2);
}

TEST(EuchreComputer, TheTurnPassesRoundTheTableAndOverTheLonePartner) {
    const struct { int seat; bool alone; int next; } cases[] = {{1, false, 2}, {2, false, 3}, {4, false, 1}, {4, true, 2}};
    for (const auto& c : cases) {
        EuchreTable t = euchretest::inPlay({"AH", "KH", "", "QH"}, "clubs", c.seat, kUser, "hearts");
        t.alone = c.alone ? -1 : 0;
        const ComputerCard card = chooseCard(t, c.seat, noDraw);
        recordComputerCard(t, c.seat, card.slot);
        EXPECT_EQ(t.turn, c.next) << c.seat;
    }
}

TEST(EuchreComputer, ASeatWhoseCountsDisagreeWithItsHandPlaysItsFirstCardStillHeld) {
    EuchreTable t = euchretest::inPlay({"AS KS QS TS 9S"}, "clubs", 1, 4, "hearts");
    *suitcount(t, 1, Suit::Hearts) = 1;  // counts one heart the hand does not hold
    t.tag[11] = kOutOfPlay;
    const ComputerCard follower = chooseCard(t, 1, noDraw);
    EXPECT_TRUE(follower.error);
    EXPECT_EQ(follower.slot, 12);

    t.leader = 1;
    t.suitcount = {};
    *suitcount(t, 1, Suit::Hearts) = 1;
    const ComputerCard leader = chooseCard(t, 1, always(1));
    EXPECT_FALSE(leader.error) << "only a follower gives notice";
    EXPECT_EQ(leader.slot, 12);

    for (int slot = 11; slot <= 15; ++slot) t.tag[slot] = kOutOfPlay;
    EXPECT_EQ(chooseCard(t, 1, always(1)).slot, 0) << "never a card out of play";
    t.turn = 1;
    EXPECT_EQ(recordComputerCard(t, 1, 0), 0);
    EXPECT_EQ(t.trickvalue[1], 0);
    EXPECT_EQ(t.tricksuit[1], std::nullopt);
    EXPECT_EQ(t.turn, 2);
}

}  // namespace
