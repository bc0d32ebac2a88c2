#include "euchre_cards.h"

#include <gtest/gtest.h>

#include <string>

using namespace euchrerules;
using euchretest::Deal;

namespace {

TEST(EuchreDeal, TheDealerSetsTheFirstSpeakerAndTheLastBidder) {
    const struct { int dealer, turn, lastbidder; } cases[] = {{1, 2, 1}, {2, 3, 2}, {3, 4, 2}, {4, 1, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dealer);
        EuchreTable t;
        t.trump = Suit::Hearts;
        t.leadsuit = Suit::Clubs;
        t.maker = 2;
        t.trickswon = {0, 1, 2, 1, 1};
        t.tag[3] = kOutOfPlay;
        t.playing = true;
        beginDeal(t, c.dealer);
        EXPECT_EQ(t.dealer, c.dealer);
        EXPECT_EQ(t.turn, c.turn);
        EXPECT_EQ(t.lastbidder, c.lastbidder);
        EXPECT_EQ(t.nextback, (std::array<int, 5>{0, 1, 11, 0, 6}));
        EXPECT_EQ(t.maker, 0);
        EXPECT_EQ(t.trump, std::nullopt);
        EXPECT_EQ(t.leadsuit, std::nullopt);
        EXPECT_EQ(t.playercount, 5);
        EXPECT_EQ(t.trickswon, (std::array<int, 5>{}));
        EXPECT_FALSE(t.playing);
        for (int slot = 1; slot <= kSlots; ++slot) EXPECT_EQ(t.tag[slot], slot);
    }
}

TEST(EuchreDeal, EachSlotTakesTheSuitAndValueOfItsCodeAndKeepsThePrintedSuit) {
    const EuchreTable t = euchretest::table({"JH 9S", "", "AD", "", "JC"});
    EXPECT_EQ(t.cardsuit[11], Suit::Hearts);
    EXPECT_EQ(t.cardrank[11], 11);
    EXPECT_EQ(t.cardrank[12], 9);
    EXPECT_EQ(t.cardsuit[1], Suit::Diamonds);
    EXPECT_EQ(t.cardrank[1], 14);
    EXPECT_EQ(t.cardsuit[kTurnedSlot], Suit::Clubs);
    EXPECT_EQ(t.dealtsuit, t.cardsuit);
    std::set<int> codes(t.deckorder.begin() + 1, t.deckorder.end());
    EXPECT_EQ(codes.size(), 24u);
}

TEST(EuchreDeal, ACodeOutsideTheDeckLeavesTheSlotAsItWas) {
    EuchreTable t = euchretest::table({"KS"});
    t.dealslot = 11;
    for (int bad : {0, 25, -1}) {
        t.deckorder[11] = static_cast<std::int16_t>(bad);
        zzz(t);
        EXPECT_EQ(t.cardsuit[11], Suit::Spades);
        EXPECT_EQ(t.cardrank[11], 13);
    }
}

TEST(EuchreBidding, RoundOneAcceptsOnThreeCardsOfTheTurnedSuitCountedAsPrinted) {
    const struct { const char* name; Deal deal; bool accepts; } cases[] = {
        {"three hearts", {"AH 9H TH KS QS", "", "", "", "QH"}, true},
        {"two hearts", {"AH 9H KS QS AC", "", "", "", "QH"}, false},
        {"the jack of diamonds is no heart yet", {"AH 9H JD KS QS", "", "", "", "QH"}, false},
        {"three diamonds; the jack of hearts is still a heart", {"JH AD KD QD 9S", "", "", "", "JD"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(acceptsTurned(euchretest::table(c.deal), 1), c.accepts);
    }
}

TEST(EuchreBidding, RoundTwoNamesThreeOfASuitAndTheLastBidderTwo) {
    const struct { const char* name; const char* hand; int lastbidder; const char* suit; } cases[] = {
        {"three clubs over two hearts", "AC KC QC AH KH", 4, "clubs"},
        {"three spades", "AS KS QS AH KD", 4, "spades"},
        {"last bidder: hearts before spades", "AH KH AS KS AC", 1, "hearts"},
        {"last bidder: clubs before diamonds", "AC KC AD KD AS", 1, "clubs"},
        {"last bidder with three takes the three", "AD KD QD AH KH", 1, "diamonds"},
        {"another seat with no three passes", "AC KC AD KD AS", 4, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EuchreTable t = euchretest::table({c.hand});
        t.lastbidder = c.lastbidder;
        EXPECT_EQ(roundTwoSuit(t, 1), core::suitnamed(c.suit));
    }
}

TEST(EuchreBidding, TrumpPicturesByName) {
    EXPECT_EQ(trumpfile(Suit::Hearts), "\\Images\\hearts.bmp");
    EXPECT_EQ(trumpfile(Suit::Clubs), "\\Images\\clubs1.bmp");
    EXPECT_EQ(trumpfile(Suit::Spades), "\\Images\\spades.bmp");
    EXPECT_EQ(trumpfile(Suit::Diamonds), "\\Images\\diamonds.bmp");
    EXPECT_EQ(trumpfile(std::nullopt), "");
    EXPECT_EQ(capitalised(Suit::Diamonds), "Diamonds");
}

}  // namespace
