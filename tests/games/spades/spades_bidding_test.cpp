#include <gtest/gtest.h>

#include "games/spades/spades_bidding.h"
#include "spades_builder.h"

#include <vector>

using namespace spadesrules;
using spadestest::dealt;
using spadestest::Seats;
using spadestest::slotOf;

namespace {

// Thirteen cards with no spade, ace, king or queen each: a hand that bids 0.
const char* const kBareA = "2C 3C 4C 5C 6C 7C 8C 9C TC JC 2D 3D 4D";
const char* const kBareB = "5D 6D 7D 8D 9D TD JD 2H 3H 4H 5H 6H 7H";

// A draw that answers from a list and records the ranges asked for.
struct Draws {
    std::vector<int> answers;
    std::vector<int> asked;
    Draw draw() {
        return [this](int n, int offset) {
            asked.push_back(n);
            const int a = answers.empty() ? offset : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            return a;
        };
    }
};

SpadesTable bidOn(const Seats& seats, int ours = 0, int theirs = 0, std::vector<int> draws = {}) {
    SpadesTable t = dealt(seats);
    t.teamscore = {ours, theirs};
    Draws d{std::move(draws), {}};
    startmeup(t, d.draw());
    return t;
}

}  // namespace

TEST(SpadesBids, EachPartOfAComputerBidHasItsBoundaries) {
    const struct { int count, spades, high; } cases[] = {
        {0, 0, 0}, {1, 1, 1}, {4, 1, 1}, {5, 3, 3}, {6, 3, 3}, {7, 4, 3},
        {8, 4, 3}, {9, 4, 4}, {12, 4, 4}, {13, 4, 4}};
    for (auto c : cases) {
        EXPECT_EQ(spadesPart(c.count), c.spades) << c.count;
        EXPECT_EQ(highPart(c.count), c.high) << c.count;
    }
}

TEST(SpadesBids, APartnerBidsItsSpadesPartPlusItsHighCardPart) {
    const struct { const char* hand; int bid; } cases[] = {
        {kBareA, 0},
        {"2S 2C 3C 4C 5C 6C 7C 8C 9C TC JC 2D 3D", 1},
        {"2S 3S 4S 5S 6S 7S 8S AC KC QC 2D 3D 4D", 5},
        {"2S 3S 4S 5S 6S AC KC QC AD KD 2D 3D 4D", 6},
        {"2S 3S 4S 5S AC KC QC AD KD QD AH KH QH", 5},
        {"AS KS QS 2S 3S 4S 5S 6S AC KC QC AD KD", 7},
        {"AS KS QS JS TS 9S 8S AC KC QC AD KD QD", 8}};
    for (auto c : cases) {
        const SpadesTable t = bidOn({c.hand, "", "", ""});
        EXPECT_EQ(t.bid[1], c.bid) << c.hand;
        EXPECT_EQ(t.bid[3], 0) << "the user's entry waits for the user";
    }
}

TEST(SpadesBids, TheFirstSeatWithBidZeroBidsNilInPartnerRightLeftOrder) {
    const struct { Seats seats; int ours, theirs; int nilSeat; } cases[] = {
        {{kBareA, kBareB, "", ""}, 0, 0, 1},
        {{kBareA, kBareB, "", ""}, 0, 100, 1},   // exactly 100 behind: still the partner
        {{kBareA, kBareB, "", ""}, 0, 101, 2},   // further behind: the next seat with 0
        {{kBareA, "", "", ""}, -40, 70, 0},       // nobody else bids 0
        {{"", kBareA, "", kBareB}, 0, 0, 2},
        {{"", "", "", kBareA}, 0, 0, 4},
        {{kBareA, "", "", kBareB}, 0, 0, 1}};
    for (const auto& c : cases) {
        const SpadesTable t = bidOn(c.seats, c.ours, c.theirs);
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_EQ(t.nilbid[seat], seat == c.nilSeat ? -1 : 0) << "seat " << seat << ", Nil expected of " << c.nilSeat;
    }
    const SpadesTable nil = bidOn({kBareA, kBareB, "", ""});
    EXPECT_EQ(nil.bid[1], 0) << "a Nil leaves the bid at 0";
}

TEST(SpadesBids, TheirTeamBidIsTheSumOfTheirOwnBidsUpToFive) {
    const SpadesTable strong = bidOn({"", "AS KS QS 2S 3S AC 2C 3C 4C 5C 6C 7C 8C", "",
                                      "4S 5S 6S 7S 8S KC QC 9C TC JC 2D 3D 4D"});
    EXPECT_EQ(strong.bid[2], 5) << "4 and 4";
    EXPECT_EQ(strong.bid[4], 5);
    const SpadesTable bare = bidOn({"", kBareA, "", kBareB});
    EXPECT_EQ(bare.bid[2], 0);
    EXPECT_EQ(bare.bid[4], 0);
    const SpadesTable mixed = bidOn({"", "2S 2C 3C 4C 5C 6C 7C 8C 9C TC JC 2D 3D", "", kBareB});
    EXPECT_EQ(mixed.bid[2], 1);
    EXPECT_EQ(mixed.bid[4], 1);
}

TEST(SpadesBids, AnOpponentBidsBlindNilOnADrawOfOneWhileTheirTeamTrailsByHundred) {
    const char* const one = "2S 2C 3C 4C 5C 6C 7C 8C 9C TC JC 2D 3D";
    const char* const strong = "AS KS QS 3S 4S 5S 6S AC KC QC AD KD QD";
    const struct { Seats seats; int ours; std::vector<int> draws; int blindSeat; std::size_t drawsMade; int teambid; } cases[] = {
        {{"", one, "", strong}, 100, {1}, 2, 1, 5},
        {{"", one, "", kBareB}, 100, {1}, 2, 1, 1},     // a Blind Nil with own bid 1 still counts 1
        {{"", one, "", kBareB}, 100, {2}, 0, 1, 1},     // seat 2's draw failed: seat 4 is not considered
        {{"", one, "", kBareB}, 99, {1}, 0, 0, 1},      // not far enough behind: no draw at all
        {{"", strong, "", one}, 100, {1}, 4, 1, 5},
        {{"", strong, "", one}, 100, {3}, 0, 1, 5},
        {{"", strong, "", "7S 8S 9S TS JS 2C 3C 4C 5C 6C 7C 8C 9C"}, 300, {1}, 0, 0, 5}};  // own bids 8 and 3
    for (const auto& c : cases) {
        SpadesTable t = dealt(c.seats);
        t.teamscore = {c.ours, 0};
        Draws d{c.draws, {}};
        startmeup(t, d.draw());
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_EQ(t.blindnil[seat], seat == c.blindSeat ? -1 : 0) << "seat " << seat;
        EXPECT_EQ(d.asked.size(), c.drawsMade);
        for (int n : d.asked) EXPECT_EQ(n, 3);
        EXPECT_EQ(t.bid[2], c.teambid);
    }
}

TEST(SpadesBids, ABlindNilReplacesTheSeatsNil) {
    SpadesTable t = dealt({"", kBareA, "", kBareB});
    t.teamscore = {100, 0};
    Draws d{{1}, {}};
    startmeup(t, d.draw());
    EXPECT_EQ(t.blindnil[2], -1);
    EXPECT_EQ(t.nilbid[2], 0);
    EXPECT_EQ(t.nilbid[4], 0) << "only one seat took the Nil";
}

TEST(SpadesBids, OpeningTheBiddingClearsTheLastHand) {
    SpadesTable t = dealt({kBareA, "", "", ""});
    t.spadesbroken = -1;
    t.nilbid = {0, 0, -1, -1, 0};
    t.blindnil = {0, 0, 0, -1, -1};
    t.trickswon = {0, 3, 4, 5, 1};
    t.bid = {0, 7, 7, 7, 7};
    for (int slot = 1; slot <= 52; ++slot) t.tag[slot] = 13;
    Draws d;
    startmeup(t, d.draw());
    EXPECT_EQ(t.spadesbroken, 0);
    EXPECT_EQ(t.nilbid, (std::array<int, 5>{0, -1, 0, 0, 0}));
    EXPECT_EQ(t.blindnil, (std::array<int, 5>{}));
    EXPECT_EQ(t.trickswon, (std::array<int, 5>{}));
    EXPECT_EQ(t.bid[3], 0);
    for (int slot = 1; slot <= 52; ++slot) EXPECT_EQ(t.tag[slot], kHeld);
    EXPECT_EQ(t.highcards[3], 0) << "the user's high cards are never counted";
    EXPECT_EQ(suitcountOf(t, 1, Suit::Clubs), 10);
    EXPECT_EQ(suitcountOf(t, 1, Suit::Diamonds), 3);
    int all = 0;
    for (const auto& suit : t.suitcount)
        for (int seat = 1; seat <= 4; ++seat) all += suit[seat];
    EXPECT_EQ(all, 52);
}

TEST(SpadesBids, TheUsersBidIsTheTeamBidAndTheSeatAfterTheDealerLeads) {
    const struct { int dealer, first; } cases[] = {{1, 2}, {2, 3}, {3, 4}, {4, 1}};
    for (auto c : cases) {
        for (bool nil : {false, true}) {
            SpadesTable t = dealt({"", "", "AS AC AD AH", ""});
            t.dealer = c.dealer;
            t.bid[1] = 3;
            t.bidding = true;
            userBid(t, 6, nil);
            EXPECT_EQ(t.bid[3], 6);
            EXPECT_EQ(t.bid[1], 6) << "the partner's suggestion gives way to the team bid";
            EXPECT_EQ(t.nilbid[3], nil ? -1 : 0);
            EXPECT_EQ(t.turn, c.first);
            EXPECT_EQ(t.leader, c.first);
            EXPECT_FALSE(t.bidding);
            for (const char* ace : {"AS", "AC", "AD", "AH"}) EXPECT_EQ(t.cardrank[slotOf(t, ace)], 14);
        }
    }
}

TEST(SpadesTrade, TwoCardsRiseAThirdIsRefusedAndLoweringOneTakesItBack) {
    SpadesTable t;
    EXPECT_FALSE(tradeClick(t, Row::Down)) << "no trade open";
    openTrade(t);
    EXPECT_EQ(tradeClick(t, Row::Down), Row::Raised);
    EXPECT_FALSE(tradeReady(t));
    EXPECT_EQ(tradeClick(t, Row::Down), Row::Raised);
    EXPECT_TRUE(tradeReady(t));
    EXPECT_FALSE(tradeClick(t, Row::Down)) << "a third card stays down";
    EXPECT_EQ(t.tradecount, 2);
    EXPECT_FALSE(tradeClick(t, Row::Elsewhere));
    EXPECT_EQ(tradeClick(t, Row::Raised), Row::Down);
    EXPECT_FALSE(tradeReady(t));
    EXPECT_EQ(tradeClick(t, Row::Down), Row::Raised);
    EXPECT_TRUE(tradeReady(t));
    closeTrade(t);
    EXPECT_EQ(t.tradephase, 0);
    EXPECT_EQ(t.tradecount, 0);
}

TEST(SpadesTrade, TheTableKnowsWhichCardsAreRaisedFromTheTradeToTheStart) {
    SpadesTable t = dealt({"AH 9C 2S 3S 4S 5S KD 2D 3D 4D 5D 6D 7D", "", "AS KS QS 8C 9H TH JH QH KH 6H 5H 4H 3H", ""});
    EXPECT_FALSE(tradeClick(t, 45)) << "no trade open";
    openTrade(t);
    const struct { int slot; std::optional<Row> row; std::vector<int> raised; } clicks[] = {
        {52, Row::Raised, {52}},
        {41, Row::Raised, {41, 52}},
        {45, std::nullopt, {41, 52}},  // a third card stays down
        {52, Row::Down, {41}},
        {45, Row::Raised, {41, 45}},
    };
    for (const auto& c : clicks) {
        EXPECT_EQ(tradeClick(t, c.slot), c.row) << c.slot;
        EXPECT_EQ(raisedSlots(t), c.raised) << c.slot;
        EXPECT_EQ(t.tradecount, static_cast<int>(c.raised.size())) << c.slot;
    }
    exchange(t, {41, 45}, chooseGift(t));
    EXPECT_TRUE(t.traded);
    EXPECT_EQ(raisedSlots(t), (std::vector<int>{41, 45})) << "the traded cards stay raised until the start";
    startAfterTrade(t);
    EXPECT_FALSE(t.traded);
    EXPECT_TRUE(raisedSlots(t).empty());

    for (void (*reset)(SpadesTable&) : {&openTrade, &closeTrade}) {
        openTrade(t);
        tradeClick(t, 50);
        t.traded = true;
        reset(t);
        EXPECT_TRUE(raisedSlots(t).empty());
        EXPECT_FALSE(t.traded);
    }
}

TEST(SpadesTrade, ThePartnerGivesTwoCardsBelowItsHighestOrTheLowestItHolds) {
    const struct { const char* partner; const char* first; const char* second; bool hi; } cases[] = {
        // Below the highest non-spade (the ace counts 14), in slot order.
        {"AH 9C 2S 3S 4S 5S KD 2D 3D 4D 5D 6D 7D", "9C", "KD", false},
        {"QS 3H KH 4S 5S 6S 7S 8S 9S TS JS 2S 5C", "3H", "5C", false},
        // Fewer than two below the highest: the other non-spades from the lowest rank up.
        {"KH 3D 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "3D", "KH", false},
        {"AH AD 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS", "AH", "AD", false},
        // Twelve or more spades: the first two slots, spades or not.
        {"AS KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2H", "AS", "KS", true},
        {"2H AS KS QS JS TS 9S 8S 7S 6S 5S 4S 3S", "2H", "AS", true}};
    for (auto c : cases) {
        const SpadesTable t = dealt({c.partner, "", "", ""});
        const Gift gift = chooseGift(t);
        EXPECT_EQ(gift.hi, c.hi) << c.partner;
        EXPECT_EQ(gift.given[0], slotOf(t, c.first)) << c.partner;
        EXPECT_EQ(gift.given[1], slotOf(t, c.second)) << c.partner;
    }
}

TEST(SpadesTrade, TheRaisedCardsSwapWithTheGiftAndTheHandsAreCountedAgain) {
    SpadesTable t = dealt({"AH 9C 2S 3S 4S 5S KD 2D 3D 4D 5D 6D 7D", "", "AS KS QS 8C 9H TH JH QH KH 6H 5H 4H 3H", ""});
    openTrade(t);
    const int ace = slotOf(t, "AS"), king = slotOf(t, "KS");
    const Gift gift = chooseGift(t);
    exchange(t, {king, ace}, gift);
    EXPECT_EQ(t.tradephase, 0);
    EXPECT_EQ(t.blindnil[3], -1);
    EXPECT_EQ(t.tradeslots[1], ace) << "raised slots in slot order";
    EXPECT_EQ(t.tradeslots[2], king);
    EXPECT_EQ(t.giveslots[1], slotOf(t, "AS")) << "the nine of clubs' slot now holds the ace of spades";
    EXPECT_EQ(t.giveslots[2], slotOf(t, "KS"));
    EXPECT_EQ(slotOf(t, "9C"), ace);
    EXPECT_EQ(slotOf(t, "KD"), king);
    EXPECT_EQ(t.cardsuit[ace], Suit::Clubs);
    EXPECT_EQ(t.cardrank[king], 13);
    EXPECT_EQ(t.cardsuit[t.giveslots[1]], Suit::Spades);
    EXPECT_EQ(suitcountOf(t, 3, Suit::Spades), 1);
    EXPECT_EQ(suitcountOf(t, 3, Suit::Diamonds), 1);
    EXPECT_EQ(suitcountOf(t, 1, Suit::Spades), 6);
    EXPECT_EQ(suitcountOf(t, 1, Suit::Clubs), 0);
    EXPECT_EQ(t.highcards[1], 3) << "the ace of hearts and the ace and king of spades";
}
