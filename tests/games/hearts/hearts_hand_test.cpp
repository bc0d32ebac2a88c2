#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "games/hearts/hearts_computer.h"
#include "games/hearts/hearts_deal.h"
#include "games/hearts/hearts_play.h"
#include "games/hearts/hearts_scoring.h"
#include "table_builder.h"

using namespace heartsrules;

namespace {

int heldOf(const HeartsTable& t, int seat, const MaybeSuit* suit = nullptr) {
    int n = 0;
    for (int slot = firstSlot(seat); slot < firstSlot(seat) + 13; ++slot)
        n += isHeld(t, slot) && (!suit || t.cardsuit[slot] == *suit);
    return n;
}

// The counts the rules keep must always agree with the cards still in the hands.
void expectCountsAgree(const HeartsTable& t) {
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(t.cardsleft[seat], heldOf(t, seat)) << "seat " << seat;
        for (Suit each : {Suit::Hearts, Suit::Clubs, Suit::Spades, Suit::Diamonds}) {
            const MaybeSuit suit = each;
            EXPECT_EQ(suitcountOf(t, seat, suit), heldOf(t, seat, &suit)) << core::suitword(each) << " of seat " << seat;
        }
    }
}

struct HandPlayer {
    HeartsTable t;
    std::mt19937 random;
    bool jackRule;

    HandPlayer(unsigned seed, bool rule) : random(seed), jackRule(rule) {
        std::array<int, 52> order{};
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), random);
        for (int slot = 1; slot <= 52; ++slot) heartstest::put(t, slot, order[slot - 1]);
        beginDeal(t);
        clearLayoutState(t);
        newGameState(t);
        pressButton(t);
    }

    int draw(int n) { return std::uniform_int_distribution<int>(1, n)(random); }

    // Plays one card for the seat to play and checks that it was a lawful one.
    void playOne() {
        const int seat = t.turn;
        const MaybeSuit led = t.tricksuit[t.leader];
        const bool leading = !led;
        const bool mayLeadHearts = t.heartsbroken == -1 || t.heartcount[seat] >= t.cardsleft[seat];
        const bool couldFollow = suitcountOf(t, seat, led) > 0;
        int slot = 0;
        if (seat == kUser) {
            for (int s = 40; s <= 52 && !slot; ++s)
                if (playUser(t, s)) slot = s;
            ASSERT_NE(slot, 0) << "the user always has a card to play";
        } else {
            slot = decide(t, seat, jackRule, [this](int n) { return draw(n); });
            ASSERT_TRUE(slotOfSeat(seat, slot));
            ASSERT_TRUE(isHeld(t, slot));
            recordPlay(t, seat, slot);
            t.turn = nextTurn(seat);
        }
        if (couldFollow) {
            EXPECT_EQ(t.cardsuit[slot], led) << "seat " << seat << " must follow";
        }
        if (leading && t.cardsuit[slot] == Suit::Hearts) {
            EXPECT_TRUE(mayLeadHearts) << "seat " << seat;
        }
        expectCountsAgree(t);
    }

    void playTrick() {
        do playOne();
        while (t.turn != t.leader && !testing::Test::HasFatalFailure());
        judgeTrick(t);
        scoreTrick(t, jackRule);
    }
};

}  // namespace

TEST(HeartsHand, WholeHandsKeepEveryRuleAndShareAllThePoints) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        for (bool rule : {false, true}) {
            HandPlayer hand(seed, rule);
            const Opening opening = startHand(hand.t);
            EXPECT_EQ(hand.t.deckorder[opening.slot], kTwoOfClubs);
            expectCountsAgree(hand.t);
            while (hand.t.handplaying && !HasFatalFailure()) hand.playTrick();
            ASSERT_FALSE(HasFatalFailure()) << "seed " << seed;
            int points = 0, cards = 0;
            for (int seat = 1; seat <= 4; ++seat) {
                points += hand.t.gamescore[seat];
                cards += hand.t.pointcards[seat];
                EXPECT_EQ(hand.t.cardsleft[seat], 0);
            }
            EXPECT_EQ(points, rule ? 16 : 26) << "seed " << seed;
            EXPECT_EQ(cards, rule ? 15 : 14) << "seed " << seed;
            for (int slot = 1; slot <= 52; ++slot) EXPECT_TRUE(isPlayedTag(hand.t.tag[slot]));
            settleMoon(hand.t, rule);
            int after = 0;
            for (int seat = 1; seat <= 4; ++seat) after += hand.t.gamescore[seat];
            EXPECT_TRUE(after == points || after == points + 52) << "seed " << seed;
        }
    }
}
