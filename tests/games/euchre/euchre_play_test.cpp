#include "euchre_cards.h"

#include "games/euchre/euchre_play.h"

#include <gtest/gtest.h>

using namespace euchrerules;
using euchretest::Deal;
using euchretest::inPlay;
using euchretest::slotOf;

namespace {

TEST(EuchreStart, TheLeftBowerBecomesTrumpAndIsCountedThere) {
    const struct { const char* trump; const char* hand; const char* right; const char* printed; } cases[] = {
        {"diamonds", "JH 9D TD AS KS", "JD", "hearts"}, {"hearts", "JD 9H TH AS KS", "JH", "diamonds"},
        {"clubs", "JS 9C TC AH KH", "JC", "spades"}, {"spades", "JC 9S TS AH KH", "JS", "clubs"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.trump);
        // The partner holds the left bower and two trumps; the right bower keeps its word.
        EuchreTable t = euchretest::table({c.hand});
        const int before = suitcountOf(t, 1, core::suitnamed(c.printed));
        t.trump = core::suitnamed(c.trump);
        makeBowers(t);
        EXPECT_EQ(t.cardsuit[11], core::suitnamed(c.trump));
        EXPECT_EQ(t.dealtsuit[11], core::suitnamed(c.printed));
        EXPECT_EQ(suitcountOf(t, 1, core::suitnamed(c.trump)), 3);
        EXPECT_EQ(suitcountOf(t, 1, core::suitnamed(c.printed)), before - 1);
        EXPECT_EQ(t.cardsuit[slotOf(t, c.right)], core::suitnamed(c.trump));
    }
}

TEST(EuchreStart, ATurnedOrKittyLeftBowerChangesNoSeatsCount) {
    EuchreTable t = euchretest::table({"AS KS", "", "", "", "JC"});
    const auto counts = t.suitcount;
    t.trump = Suit::Spades;
    makeBowers(t);
    EXPECT_EQ(t.cardsuit[kTurnedSlot], Suit::Spades);
    EXPECT_EQ(t.suitcount, counts);
}

TEST(EuchreStart, TheFirstLeaderFollowsTheDealerAndPassesOverTheLonePartner) {
    const struct { int dealer; bool alone; int leader; } cases[] = {
        {1, false, 2}, {2, false, 3}, {3, false, 4}, {4, false, 1},
        {1, true, 2}, {2, true, 3}, {3, true, 4}, {4, true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dealer) + (c.alone ? " alone" : ""));
        EuchreTable t = euchretest::table({}, c.dealer);
        beginPlay(t, c.alone);
        EXPECT_EQ(t.leader, c.leader);
        EXPECT_EQ(t.turn, c.leader);
        EXPECT_EQ(t.alone, c.alone ? -1 : 0);
        EXPECT_TRUE(t.playing);
        for (int slot = 11; slot <= 15; ++slot) EXPECT_EQ(isHeld(t, slot), !c.alone) << slot;
    }
    EXPECT_EQ(nextInPlay(4, -1), 2);
    EXPECT_EQ(nextInPlay(4, 0), 1);
    EXPECT_EQ(nextInPlay(2, -1), 3);
}

TEST(EuchreUserPlay, TheUserFollowsTheLeadSuitWithTheLeftBowerCountedAsTrump) {
    const struct { const char* name; const char* user; const char* trump; const char* led; const char* card; bool plays; } cases[] = {
        {"holds a heart: the ace of spades is refused", "9H AS KC QC TC", "clubs", "hearts", "AS", false},
        {"holds a heart: the nine of hearts plays", "9H AS KC QC TC", "clubs", "hearts", "9H", true},
        {"the jack of diamonds is a heart under hearts: no diamond held", "JD AS KC QC TC", "hearts", "diamonds", "AS", true},
        {"and that jack follows trump", "JD AS KC QC TC", "hearts", "hearts", "JD", true},
        {"that jack does not follow its printed suit", "JD AD KC QC TC", "hearts", "diamonds", "JD", false},
        {"trump led: the left bower must follow", "JC AD KH QH TH", "spades", "spades", "AD", false},
        {"void: anything goes", "AD KD QD TD 9D", "spades", "hearts", "KD", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EuchreTable t = inPlay({"", "", c.user}, c.trump, kUser, 2, c.led);
        EXPECT_EQ(userMayPlay(t, slotOf(t, c.card)), c.plays);
    }
}

TEST(EuchreUserPlay, AClickCountsOnlyOnTheUsersHeldCardsAtTheUsersTurnDuringPlay) {
    EuchreTable t = inPlay({"", "", "AH KH QH JH TH"}, "clubs", kUser, kUser);
    EXPECT_TRUE(userMayClick(t, 1));
    EXPECT_FALSE(userMayClick(t, 6)) << "not the user's slot";
    t.turn = 4;
    EXPECT_FALSE(userMayClick(t, 1)) << "not the user's turn";
    t.turn = kUser;
    t.tag[1] = kOutOfPlay;
    EXPECT_FALSE(userMayClick(t, 1)) << "already played";
    EuchreTable bidding = euchretest::table({"", "", "AH KH QH JH TH"}, 2);
    ASSERT_EQ(bidding.turn, kUser);
    EXPECT_FALSE(userMayClick(bidding, 1)) << "trump is being made";
    EXPECT_FALSE(playUser(bidding, 1).played);
    EXPECT_EQ(bidding.playercount, 5);
}

TEST(EuchreUserPlay, PlayingACardClosesTheRowBehindIt) {
    EuchreTable t = inPlay({"", "", "AH KH QH JH TH"}, "clubs", kUser, kUser);
    const UserPlay second = playUser(t, 2);
    ASSERT_TRUE(second.played);
    EXPECT_EQ(second.shifted, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(t.tag[2], 2) << "the played card keeps its tag until the trick is judged";
    EXPECT_EQ((std::array<int, 3>{t.tag[3], t.tag[4], t.tag[5]}), (std::array<int, 3>{2, 3, 4}));
    EXPECT_EQ(t.playercount, 4);
    EXPECT_EQ(t.turn, 4);
    EXPECT_EQ(t.trickvalue[kUser], 13);
    EXPECT_EQ(t.tricksuit[kUser], Suit::Hearts);
    EXPECT_EQ(t.leadsuit, Suit::Hearts);

    t.tag[2] = kOutOfPlay;
    t.turn = kUser;
    const UserPlay last = playUser(t, 5);
    EXPECT_TRUE(last.played);
    EXPECT_TRUE(last.shifted.empty()) << "the last card of the row moves nothing";
    EXPECT_EQ(t.playercount, 3);
}

TEST(EuchreUserPlay, LeadingTheLeftBowerLeadsTrump) {
    EuchreTable t = inPlay({"", "", "JC AH KH QH TH"}, "spades", kUser, kUser);
    ASSERT_TRUE(playUser(t, slotOf(t, "JC")).played);
    EXPECT_EQ(t.leadsuit, Suit::Spades);
    EXPECT_EQ(t.tricksuit[kUser], Suit::Clubs) << "recorded by its printed suit";
    EXPECT_EQ(t.trickvalue[kUser], 11);
}

}  // namespace
