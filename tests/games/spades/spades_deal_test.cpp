#include <gtest/gtest.h>

#include "games/spades/spades_deal.h"
#include "games/spades/spades_layout.h"
#include "spades_builder.h"

using namespace spadesrules;

TEST(SpadesDeal, SuitAndRankFollowTheFileOrderWithAcesLow) {
    const struct { int code; Suit suit; int rank; } cases[] = {
        {1, Suit::Spades, 1}, {13, Suit::Spades, 13}, {14, Suit::Clubs, 1}, {25, Suit::Clubs, 12},
        {26, Suit::Clubs, 13}, {27, Suit::Diamonds, 1}, {39, Suit::Diamonds, 13}, {40, Suit::Hearts, 1},
        {52, Suit::Hearts, 13}};
    for (auto c : cases) {
        SpadesTable t;
        t.deckorder[7] = static_cast<std::int16_t>(c.code);
        suitnum(t, 7);
        EXPECT_EQ(t.cardsuit[7], c.suit) << c.code;
        EXPECT_EQ(t.cardrank[7], c.rank) << c.code;
    }
    SpadesTable t;
    t.cardsuit[3] = Suit::Hearts;
    t.cardrank[3] = 5;
    for (int outside : {0, 53}) {
        t.deckorder[3] = static_cast<std::int16_t>(outside);
        suitnum(t, 3);
        EXPECT_EQ(t.cardsuit[3], Suit::Hearts);
        EXPECT_EQ(t.cardrank[3], 5);
    }
}

TEST(SpadesDeal, ScoreTestsHoldAtTheirBoundaries) {
    const struct { int ours, theirs; bool offer, weTrail, theyTrail; } cases[] = {
        {0, 0, false, false, false},
        {0, 99, false, false, false},
        {0, 100, true, false, false},
        {0, 101, true, true, false},
        {-50, 60, true, true, false},
        {100, 0, false, false, true},
        {99, 0, false, false, false},
        {250, 140, false, false, true}};
    for (auto c : cases) {
        SpadesTable t;
        t.teamscore = {c.ours, c.theirs};
        EXPECT_EQ(blindNilOffered(t), c.offer) << c.ours << " : " << c.theirs;
        EXPECT_EQ(weTrailBeyondHundred(t), c.weTrail) << c.ours << " : " << c.theirs;
        EXPECT_EQ(theyTrailByHundred(t), c.theyTrail) << c.ours << " : " << c.theirs;
    }
}

TEST(SpadesLayout, TheUsersRowLiesAtWholeTwipsAtEverySize) {
    const struct { float scale; int handtop; } cases[] = {{1.0f, 5880}, {0.86f, 5057}, {0.7f, 4116}};
    for (auto c : cases) {
        EXPECT_EQ(handtopOf(c.scale), c.handtop) << c.scale;
        for (int slot = 40; slot <= 52; ++slot) EXPECT_EQ(slotPlace(slot, c.scale).top, c.handtop) << slot;
        EXPECT_EQ(rowOf(c.handtop, c.handtop), Row::Down);
        EXPECT_EQ(rowOf(c.handtop - kRaise, c.handtop), Row::Raised);
        EXPECT_EQ(rowOf(scaled(5880, c.scale) - kRaise, c.handtop) == Row::Raised, c.scale == 1.0f || c.scale == 0.7f)
            << "only a whole-twip row compares exactly";
        EXPECT_EQ(rowOf(c.handtop - 99, c.handtop), Row::Elsewhere);
        EXPECT_EQ(rowOf(scaled(3960, c.scale), c.handtop), Row::Elsewhere);
    }
}

TEST(SpadesLayout, HandsLieInTheirFansWithThePartnerAtSevenHundred) {
    const struct { int slot; double left, top; } cases[] = {
        {1, 360, 1800}, {13, 360, 5400}, {14, 8760, 1800}, {26, 8760, 5400},
        {27, 3000, 700}, {39, 6600, 700}, {40, 3000, 5880}, {52, 6600, 5880}};
    for (float scale : {1.0f, 0.86f, 0.7f}) {
        for (auto c : cases) {
            EXPECT_NEAR(slotPlace(c.slot, scale).left, c.left * scale, 0.01) << c.slot << " at " << scale;
            EXPECT_NEAR(slotPlace(c.slot, scale).top, c.top * scale, 0.51) << c.slot << " at " << scale;
        }
    }
    EXPECT_EQ(circleLeft(1), 3000);
    EXPECT_EQ(circleLeft(13), 3000 + 360 * 12);
}
