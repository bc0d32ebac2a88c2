#include <gtest/gtest.h>

#include <numeric>

#include "games/hearts/hearts_deal.h"
#include "games/hearts/hearts_play.h"
#include "table_builder.h"

using namespace heartsrules;
using heartstest::code;
using heartstest::Seats;
using heartstest::slotOf;

namespace {

// Codes dealt in order to slots 1..52, with the two of clubs swapped into `twoSlot`, as the deal
// leaves them before "Start Hand" (aces rank 1).
HeartsTable dealtWithTwoOfClubsIn(int twoSlot) {
    HeartsTable t;
    std::array<int, 53> order{};
    std::iota(order.begin(), order.end(), 0);
    std::swap(order[twoSlot], order[kTwoOfClubs]);
    for (int slot = 1; slot <= 52; ++slot) heartstest::put(t, slot, order[slot]);
    beginDeal(t);
    newGameState(t);
    pressButton(t);
    return t;
}

int held(const HeartsTable& t, int seat) {
    int n = 0;
    for (int slot = firstSlot(seat); slot < firstSlot(seat) + 13; ++slot) n += isHeld(t, slot);
    return n;
}

}  // namespace

TEST(HeartsStart, CardcountCountsEverySeatsSuitsAndTagsItsSlots) {
    HeartsTable t = dealtWithTwoOfClubsIn(44);
    t.tag.fill(13);
    cardcount(t);
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(t.heartcount[seat] + t.clubcount[seat] + t.spadecount[seat] + t.diamondcount[seat], 13);
    EXPECT_EQ(t.spadecount[4], 13) << "slots 1-13 hold the spades";
    EXPECT_EQ(t.clubcount[2], 12);
    EXPECT_EQ(t.heartcount[3], 12);
    for (int slot = 1; slot <= 52; ++slot) EXPECT_EQ(t.tag[slot], seatOfSlot(slot));
}

TEST(HeartsStart, TheHolderOfTheTwoOfClubsLeads) {
    const struct { int slot, leader, turn; } cases[] = {{5, 4, 1}, {20, 2, 3}, {30, 1, 2}, {44, 3, 3}};
    for (auto c : cases) {
        HeartsTable t = dealtWithTwoOfClubsIn(c.slot);
        const int clubsBefore = [&] { HeartsTable copy = t; cardcount(copy); return copy.clubcount[c.leader]; }();
        const Opening opening = startHand(t);
        EXPECT_EQ(opening.slot, c.slot);
        EXPECT_EQ(opening.seat, c.leader);
        EXPECT_EQ(t.leader, c.leader);
        EXPECT_EQ(t.turn, c.turn);
        EXPECT_EQ(t.tricksleft, 13);
        EXPECT_TRUE(t.handplaying);
        const bool computer = c.leader != kUser;
        EXPECT_EQ(t.trickslot[c.leader], computer ? c.slot : 0);
        EXPECT_EQ(t.tricksuit[c.leader], computer ? MaybeSuit{Suit::Clubs} : MaybeSuit{});
        EXPECT_EQ(t.trickvalue[c.leader], computer ? 2 : 0);
        EXPECT_EQ(t.tag[c.slot], computer ? playedTag(c.leader) : c.leader);
        // A computer's lead counts like every other play, so its hand never looks fuller than it is.
        EXPECT_EQ(t.clubcount[c.leader], clubsBefore - (computer ? 1 : 0));
        EXPECT_EQ(t.cardsleft[c.leader], held(t, c.leader));
    }
}

TEST(HeartsStart, AcesCountFourteenOncePlayBegins) {
    HeartsTable t = dealtWithTwoOfClubsIn(44);
    startHand(t);
    for (int slot = 1; slot <= 52; ++slot) {
        EXPECT_GE(t.cardrank[slot], 2);
        EXPECT_EQ(t.cardrank[slot] == 14, (t.deckorder[slot] - 1) % 13 == 0) << slot;
    }
}

namespace {

struct LegalCase {
    const char* name;
    Seats seats;
    int leader;
    std::vector<std::pair<int, const char*>> trick;
    int tricksleft;
    int heartsbroken;
    const char* card;
    bool legal;
};

HeartsTable tableFor(const LegalCase& c) {
    HeartsTable t = heartstest::table(c.seats, c.tricksleft);
    t.leader = c.leader;
    t.turn = kUser;
    t.heartsbroken = c.heartsbroken;
    for (auto [seat, card] : c.trick) heartstest::play(t, seat, card);
    return t;
}

}  // namespace

TEST(HeartsUserPlay, LegalityOfTheUsersCard) {
    const Seats firstDeal{"", "", "2C 5C AS 4D AH 9H", ""};
    const Seats voidInClubs{"", "", "QS 4D AH 9H", "3C 2C"};
    const Seats mixed{"3C", "4C", "KS 2S 4D AH 9H", "5S 2C"};
    const Seats allHearts{"", "", "2H 5H AH", "3C 2C"};
    const LegalCase cases[] = {
        {"two of clubs leads", firstDeal, 3, {}, 13, 0, "2C", true},
        {"another club may not lead", firstDeal, 3, {}, 13, 0, "5C", false},
        {"a spade may not lead", firstDeal, 3, {}, 13, 0, "AS", false},
        {"follow clubs", {"", "", "5C QS", "2C"}, 4, {{4, "2C"}}, 13, 0, "5C", true},
        {"no queen while holding clubs", {"", "", "5C QS", "2C"}, 4, {{4, "2C"}}, 13, 0, "QS", false},
        {"void may throw the queen", voidInClubs, 4, {{4, "2C"}}, 13, 0, "QS", true},
        {"void may throw a diamond", voidInClubs, 4, {{4, "2C"}}, 13, 0, "4D", true},
        {"no heart in the first trick", voidInClubs, 4, {{4, "2C"}}, 13, 0, "AH", false},
        {"only hearts may follow the first trick", allHearts, 4, {{4, "2C"}}, 13, 0, "AH", true},
        {"no heart led unbroken", mixed, 3, {}, 12, 0, "AH", false},
        {"any other card leads", mixed, 3, {}, 12, 0, "2S", true},
        {"heart leads once broken", mixed, 3, {}, 12, -1, "AH", true},
        {"follow spades", mixed, 4, {{4, "5S"}}, 12, 0, "2S", true},
        {"no diamond while holding spades", mixed, 4, {{4, "5S"}}, 12, 0, "4D", false},
        {"void may discard a heart unbroken", mixed, 1, {{1, "3C"}, {2, "4C"}}, 12, 0, "9H", true},
    };
    for (const auto& c : cases) {
        const HeartsTable t = tableFor(c);
        EXPECT_EQ(legalForUser(t, slotOf(t, c.card)), c.legal) << c.name;
    }
}

TEST(HeartsUserPlay, PlayingRecordsTheCardAndPassesTheTurnLeft) {
    HeartsTable t = heartstest::table({"3C", "4C", "KS AS 4D 9H", "5S 2C"});
    t.leader = 1;
    t.turn = kUser;
    heartstest::play(t, 1, "3C");
    heartstest::play(t, 2, "4C");
    const int slot = slotOf(t, "9H");
    ASSERT_TRUE(playUser(t, slot));
    EXPECT_EQ(t.heartsbroken, -1) << "a heart breaks hearts";
    EXPECT_EQ(t.tricksuit[3], Suit::Hearts);
    EXPECT_EQ(t.trickvalue[3], 9);
    EXPECT_EQ(t.trickslot[3], slot);
    EXPECT_EQ(t.tag[slot], 13);
    EXPECT_EQ(t.heartcount[3], 0);
    EXPECT_EQ(t.cardsleft[3], 3);
    EXPECT_EQ(t.turn, 4);

    HeartsTable ace = heartstest::table({"", "", "AS 4D", ""});
    ace.leader = kUser;
    ace.turn = kUser;
    ASSERT_TRUE(playUser(ace, slotOf(ace, "AS")));
    EXPECT_EQ(ace.trickvalue[3], 14);
}

TEST(HeartsUserPlay, HoldingOnlyHeartsBreaksThemForTheLead) {
    HeartsTable t = heartstest::table({"", "", "2H 9H", ""});
    t.leader = kUser;
    t.turn = kUser;
    ASSERT_TRUE(playUser(t, slotOf(t, "9H")));
    EXPECT_EQ(t.heartsbroken, -1);
}

TEST(HeartsUserPlay, ClicksOutsideTheUsersTurnPlayNothing) {
    const struct { const char* name; void (*spoil)(HeartsTable&); int slot; } cases[] = {
        {"before the hand starts", [](HeartsTable& t) { t.handplaying = false; }, 40},
        {"while choosing cards", [](HeartsTable& t) { t.passphase = -1; }, 40},
        {"at a computer's turn", [](HeartsTable& t) { t.turn = 4; }, 40},
        {"a computer's card", [](HeartsTable&) {}, 27},
        {"a card already played", [](HeartsTable& t) { t.tag[40] = 13; }, 40},
        {"an illegal card", [](HeartsTable&) {}, 42},
    };
    for (const auto& c : cases) {
        HeartsTable t = heartstest::table({"3C", "", "5S 2S AH", ""});
        t.leader = kUser;
        t.turn = kUser;
        c.spoil(t);
        const HeartsTable before = t;
        EXPECT_FALSE(playUser(t, c.slot)) << c.name;
        EXPECT_EQ(t.tag, before.tag) << c.name;
        EXPECT_EQ(t.turn, before.turn) << c.name;
        EXPECT_EQ(t.trickslot, before.trickslot) << c.name;
    }
}

TEST(HeartsTurns, PlayGoesUserLeftTopRight) {
    const struct { int from, to; } cases[] = {{3, 4}, {4, 1}, {1, 2}, {2, 3}, {0, 0}, {5, 5}};
    for (auto c : cases) EXPECT_EQ(nextTurn(c.from), c.to) << c.from;
}
