#include <gtest/gtest.h>

#include "games/spades/spades_play.h"
#include "spades_builder.h"

using namespace spadesrules;
using spadestest::inPlay;
using spadestest::play;
using spadestest::slotOf;

namespace {

// The user to play with the given hand; the seats before the user in the trick have played.
SpadesTable userToPlay(const std::string& user, int leader, const std::string& led = "") {
    SpadesTable t = inPlay({"2D 3D 4D", "5D 6D 7D", user, "8D 9D TD"}, 3);
    t.leader = leader;
    t.turn = kUser;
    if (leader != kUser) play(t, leader, led);
    return t;
}

}  // namespace

TEST(SpadesUserPlay, TheUsersCardMustFollowTheRulesOfTheLeadAndTheFollow) {
    const struct { const char* user; int leader; const char* led; int broken; const char* card; bool legal; } cases[] = {
        {"2S 5H 9C", kUser, "", 0, "2S", false},   // spades unbroken
        {"2S 5H 9C", kUser, "", 0, "5H", true},
        {"2S 5H 9C", kUser, "", -1, "2S", true},
        {"2S 5S 9S", kUser, "", 0, "5S", true},    // nothing but spades
        {"2S 5H 9C", 2, "6D", 0, "5H", true},      // void in the led suit: anything
        {"2S 5H 9C", 2, "6D", 0, "2S", true},      // ... a spade too, even unbroken
        {"2S 5H JD", 2, "6D", 0, "5H", false},     // holds the led suit
        {"2S 5H JD", 2, "6D", 0, "JD", true},
        {"2S 5H JD", 4, "9D", 0, "2S", false},
        {"2S 5H 9C", 1, "3D", 0, "9C", true}};
    for (auto c : cases) {
        SpadesTable t = userToPlay(c.user, c.leader, c.led);
        t.spadesbroken = c.broken;
        EXPECT_EQ(userMayPlay(t, slotOf(t, c.card)), c.legal) << c.user << " playing " << c.card;
    }
}

TEST(SpadesUserPlay, NoCardPlaysOutsideTheUsersTurnTradeOrBiddingOrFromAnotherHand) {
    SpadesTable t = userToPlay("2S 5H 9C", kUser);
    const int heart = slotOf(t, "5H");
    ASSERT_TRUE(userMayPlay(t, heart));
    SpadesTable other = t;
    other.turn = 4;
    EXPECT_FALSE(userMayPlay(other, heart));
    other = t;
    other.tradephase = -1;
    EXPECT_FALSE(userMayPlay(other, heart));
    other = t;
    other.bidding = true;
    EXPECT_FALSE(userMayPlay(other, heart));
    EXPECT_FALSE(userMayPlay(t, slotOf(t, "2D"))) << "the partner's card";
    EXPECT_FALSE(userMayPlay(t, 52)) << "a card already played";
    EXPECT_FALSE(userMayPlay(t, 0));
}

TEST(SpadesUserPlay, APlayedCardGoesIntoTheTrickAndTheTurnPassesLeft) {
    SpadesTable t = userToPlay("2S 5H 9C", 2, "6D");
    const int spade = slotOf(t, "2S");
    ASSERT_TRUE(playUser(t, spade));
    EXPECT_EQ(t.spadesbroken, -1);
    EXPECT_EQ(t.tag[spade], 13);
    EXPECT_EQ(t.trickslot[3], spade);
    EXPECT_EQ(t.tricksuit[3], Suit::Spades);
    EXPECT_EQ(t.trickvalue[3], 2);
    EXPECT_EQ(suitcountOf(t, 3, Suit::Spades), 0);
    EXPECT_EQ(t.turn, 4);
    EXPECT_FALSE(trickComplete(t));
    EXPECT_FALSE(playUser(t, slotOf(t, "5H"))) << "one card a trick";

    SpadesTable last = userToPlay("2S 5H 9C", 4, "9D");
    ASSERT_TRUE(playUser(last, slotOf(last, "9C")));
    EXPECT_TRUE(trickComplete(last)) << "the left seat led: the user's card completes the trick";
    EXPECT_EQ(last.spadesbroken, 0);
    EXPECT_EQ(last.trickvalue[3], 9);
}
