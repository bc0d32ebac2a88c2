#include <gtest/gtest.h>

#include "games/hearts/hearts_deal.h"
#include "table_builder.h"

using namespace heartsrules;

TEST(HeartsDeal, DealTagsSeatsAndOpensPassing) {
    HeartsTable t;
    t.pointcards = {0, 3, 4, 5, 6};
    t.handplaying = true;
    t.tag.fill(12);
    beginDeal(t);
    EXPECT_EQ(t.passphase, -1);
    EXPECT_FALSE(t.handplaying);
    EXPECT_EQ(t.pointcards, (std::array<int, 5>{}));
    for (int slot = 1; slot <= 52; ++slot) EXPECT_EQ(t.tag[slot], seatOfSlot(slot)) << slot;
}

TEST(HeartsDeal, LayoutAndNewGameResetTheirOwnState) {
    HeartsTable t;
    t.passcount = 2;
    t.passslots = {0, 41, 42, 0};
    t.heartsbroken = -1;
    t.heartcount = {0, 1, 2, 3, 4};
    t.cardused.fill(-1);
    t.gamescore = {0, 20, 30, 40, 50};
    t.totals = t.gamescore;
    clearLayoutState(t);
    EXPECT_EQ(t.passphase, -1);
    EXPECT_EQ(t.passcount, 0);
    EXPECT_EQ(t.passslots, (std::array<int, 4>{}));
    EXPECT_EQ(t.heartsbroken, 0);
    EXPECT_EQ(t.heartcount, (std::array<int, 5>{}));
    EXPECT_EQ(t.cardused, (std::array<std::int16_t, 53>{}));
    EXPECT_EQ(t.gamescore[2], 30) << "a layout keeps the totals";
    newGameState(t);
    EXPECT_EQ(t.gamescore, (std::array<int, 5>{}));
    EXPECT_EQ(t.totals, (std::array<int, 5>{}));
    EXPECT_EQ(t.cardsleft, (std::array<int, 5>{0, 13, 13, 13, 13}));
    EXPECT_EQ(t.passstate, 1);
    EXPECT_EQ(t.buttonpass, 1) << "the first button passes left";
}

TEST(HeartsDeal, CaptionsFollowThePassState) {
    const struct { int state; const char* caption; bool starts; } cases[] = {
        {1, "Pass Left", false}, {2, "Pass Right", false}, {3, "Pass Foward", false}, {4, "Start Hand", true},
        {0, "Start Hand", true}, {5, "Start Hand", true}, {-1, "Start Hand", true}};
    for (auto c : cases) {
        EXPECT_EQ(passCaption(c.state), c.caption) << c.state;
        HeartsTable t;
        t.buttonpass = c.state;
        EXPECT_EQ(buttonStarts(t), c.starts) << c.state;
    }
}

TEST(HeartsPass, TheChosenCardsAreRaisedAndOtherSeatsLieElsewhere) {
    HeartsTable t;
    choosePassCard(t, 45, Row::Hand);
    choosePassCard(t, 41, Row::Hand);
    const struct { int slot; Row row; } cases[] = {
        {45, Row::Raised}, {41, Row::Raised}, {40, Row::Hand}, {52, Row::Hand},
        {39, Row::Elsewhere}, {1, Row::Elsewhere}, {26, Row::Elsewhere}};
    for (auto c : cases) EXPECT_EQ(passRow(t, c.slot), c.row) << c.slot;
    choosePassCard(t, 45, Row::Raised);
    EXPECT_EQ(passRow(t, 45), Row::Hand) << "lowered again";
    EXPECT_EQ(passRow(t, 41), Row::Raised);
    clearLayoutState(t);
    EXPECT_EQ(passRow(t, 41), Row::Hand) << "a new layout lowers every card";
}

TEST(HeartsPass, TheButtonPassesInItsDirectionThenStartsTheHand) {
    for (int state : {1, 2, 3}) {
        HeartsTable t;
        for (int slot = 1; slot <= 52; ++slot) t.deckorder[slot] = static_cast<std::int16_t>(slot);
        for (int slot : {47, 40, 52}) choosePassCard(t, slot, Row::Hand);
        t.buttonpass = state;
        EXPECT_FALSE(buttonStarts(t));
        EXPECT_EQ(passChosen(t), (std::array<int, 3>{47, 40, 52})) << state;
        EXPECT_EQ(t.deckorder[47], passTargets(state)[0]) << state;
        EXPECT_EQ(t.buttonpass, 4);
        EXPECT_TRUE(buttonStarts(t));
    }
}

TEST(HeartsPass, ThreeCardsRiseAFourthStaysAndLoweringKeepsTheOrder) {
    HeartsTable t;
    EXPECT_EQ(choosePassCard(t, 45, Row::Hand), Row::Raised);
    EXPECT_EQ(choosePassCard(t, 41, Row::Hand), Row::Raised);
    EXPECT_EQ(choosePassCard(t, 50, Row::Hand), Row::Raised);
    EXPECT_EQ(t.passcount, 3);
    EXPECT_EQ(choosePassCard(t, 52, Row::Hand), std::nullopt);
    EXPECT_EQ(t.passslots, (std::array<int, 4>{0, 45, 41, 50}));
    EXPECT_EQ(choosePassCard(t, 45, Row::Raised), Row::Hand);
    EXPECT_EQ(t.passcount, 2);
    EXPECT_EQ(t.passslots, (std::array<int, 4>{0, 41, 50, 0}));
    EXPECT_EQ(choosePassCard(t, 30, Row::Elsewhere), std::nullopt);
    EXPECT_EQ(choosePassCard(t, 52, Row::Hand), Row::Raised);
    EXPECT_EQ(t.passslots, (std::array<int, 4>{0, 41, 50, 52}));
}

TEST(HeartsPass, ExchangeSwapsTheChosenCardsWithTheTargetSeatsLastThree) {
    const struct { int state; std::array<int, 3> targets; } cases[] = {
        {1, {11, 12, 13}}, {2, {24, 25, 26}}, {3, {37, 38, 39}}};
    for (auto c : cases) {
        HeartsTable t;
        for (int slot = 1; slot <= 52; ++slot) t.deckorder[slot] = slot;
        for (int slot : {47, 40, 52}) choosePassCard(t, slot, Row::Hand);
        EXPECT_EQ(passTargets(c.state), c.targets);
        EXPECT_EQ(exchangePass(t, c.state), (std::array<int, 3>{47, 40, 52}));
        EXPECT_EQ(t.deckorder[47], c.targets[0]) << "first raised receives the first card";
        EXPECT_EQ(t.deckorder[40], c.targets[1]);
        EXPECT_EQ(t.deckorder[52], c.targets[2]);
        EXPECT_EQ(t.deckorder[c.targets[0]], 47);
        EXPECT_EQ(t.deckorder[c.targets[1]], 40);
        EXPECT_EQ(t.deckorder[c.targets[2]], 52);
        int moved = 0;
        for (int slot = 1; slot <= 52; ++slot) moved += t.deckorder[slot] != slot;
        EXPECT_EQ(moved, 6) << "no other seat's cards change";
    }
}

TEST(HeartsPass, NoExchangeWithoutThreeCardsOrWithoutAPass) {
    HeartsTable t;
    for (int slot = 1; slot <= 52; ++slot) t.deckorder[slot] = slot;
    choosePassCard(t, 40, Row::Hand);
    choosePassCard(t, 41, Row::Hand);
    const auto before = t.deckorder;
    EXPECT_EQ(exchangePass(t, 1), (std::array<int, 3>{}));
    choosePassCard(t, 42, Row::Hand);
    EXPECT_EQ(exchangePass(t, 4), (std::array<int, 3>{}));
    EXPECT_EQ(t.deckorder, before);
}

TEST(HeartsDeal, EachSlotTakesTheSuitAndRankOfItsCode) {
    const struct { int code; Suit suit; int rank; } cases[] = {
        {1, Suit::Spades, 1}, {12, Suit::Spades, 12}, {13, Suit::Spades, 13}, {14, Suit::Clubs, 1},
        {15, Suit::Clubs, 2}, {26, Suit::Clubs, 13}, {27, Suit::Diamonds, 1}, {37, Suit::Diamonds, 11},
        {39, Suit::Diamonds, 13}, {40, Suit::Hearts, 1}, {52, Suit::Hearts, 13}};
    for (auto c : cases) {
        HeartsTable t;
        t.deckorder[7] = static_cast<std::int16_t>(c.code);
        suitAndRank(t, 7);
        EXPECT_EQ(t.cardsuit[7], c.suit) << c.code;
        EXPECT_EQ(t.cardrank[7], c.rank) << c.code;
    }
    for (int outside : {0, 53}) {
        HeartsTable t;
        t.cardsuit[7] = Suit::Diamonds;  // kept
        t.cardrank[7] = 9;
        t.deckorder[7] = static_cast<std::int16_t>(outside);
        suitAndRank(t, 7);
        EXPECT_EQ(t.cardsuit[7], Suit::Diamonds);
        EXPECT_EQ(t.cardrank[7], 9);
    }
}
