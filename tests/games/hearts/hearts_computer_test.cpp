#include <gtest/gtest.h>

#include "games/hearts/hearts_computer.h"
#include "table_builder.h"

using namespace heartsrules;
using heartstest::Seats;
using heartstest::slotOf;

namespace {

struct DecisionCase {
    const char* name;
    Seats seats;
    int leader;
    std::vector<std::pair<int, const char*>> trick;
    int seat;
    const char* expected;
    bool jackRule = true;
    int heartsbroken = 0;
    int tricksleft = 12;
    MaybeSuit prior = {};  // the suit the previous decision left behind
};

const char* const kClubsHigh = "3C 9C KC 2D 4D 5D 6D 7D 8D 9D TD 2H 3H";
const char* const kNoHearts = "2D 4D 5D 6D 7D 8D 9D TD JD 3S 4S 5S 6S";
const char* const kVoidInClubs = "AH KH 2D 3D 4D 5D 6D 7D 8D 9D 2S 3S 4S";

int neverDrawn(int) {
    ADD_FAILURE() << "no random draw expected";
    return 1;
}

std::string nameOf(int code) {
    return std::string(1, "A23456789TJQK"[(code - 1) % 13]) + "SCDH"[(code - 1) / 13];
}

}  // namespace

TEST(HeartsComputer, ChoosesByTheTableRules) {
    const DecisionCase cases[] = {
        {"follows high with ten or more cards", {kClubsHigh, "", "", "5C"}, 4, {{4, "5C"}}, 1, "KC"},
        {"follows low with nine cards", {"3C 9C KC 2D 4D 5D 6D 7D 8D", "", "", "5C"}, 4, {{4, "5C"}}, 1, "3C"},
        {"an earlier spade makes it low", {kClubsHigh, "5C", "8S", "7C"}, 2,
         {{2, "5C"}, {3, "8S"}, {4, "7C"}}, 1, "3C"},
        {"a queen of any suit makes it low", {kClubsHigh, "", "", "QC"}, 4, {{4, "QC"}}, 1, "3C"},
        {"three hearts make the discard low", {kNoHearts, "5H", "7H", "9H"}, 2,
         {{2, "5H"}, {3, "7H"}, {4, "9H"}}, 1, "2D", true, -1},
        {"two hearts and a club leave it high", {kNoHearts, "5H", "7C", "9H"}, 2,
         {{2, "5H"}, {3, "7C"}, {4, "9H"}}, 1, "TD", true, -1},
        {"leads its highest diamond", {"2D 9D KD 3C 5C 7C 9C JC 2S 4S 6S 8S TS", "", "", ""}, 1, {}, 1, "KD"},
        {"leads its highest club without diamonds", {"3C 5C 7C 9C JC 2S 4S 6S 8S TS 2H 3H 4H", "", "", ""}, 1, {}, 1,
         "JC"},
        {"leads low with fewer than ten", {"2D 9D KD 3C 5C 7C 9C JC 2S", "", "", ""}, 1, {}, 1, "2D"},
        {"keeps back the jack of diamonds", {"JD 4D 3C 5C 7C 9C 2S 4S 6S 8S TS 2H 3H", "", "", ""}, 1, {}, 1, "4D"},
        {"the jack leads with the rule off", {"JD 4D 3C 5C 7C 9C 2S 4S 6S 8S TS 2H 3H", "", "", ""}, 1, {}, 1, "JD",
         false},
        {"lowest spade on a spade lead", {"QS KS 2D 4D 5D 6D 7D 8D 9D TD 2H 3H 4H", "", "", "5S"}, 4, {{4, "5S"}}, 1,
         "QS"},
        {"never leads the queen with company", {"QS KS 4S 2H 3H 5H 6H 7H 8H 9H TH JH KH", "", "", ""}, 1, {}, 1,
         "KS"},
        {"leads the other spade of two", {"QS 4S 2H 3H 5H", "", "", ""}, 1, {}, 1, "4S"},
        {"leads a lone queen", {"QS 2H 3H 5H", "", "", ""}, 1, {}, 1, "QS"},
        {"only hearts leads its lowest", {"5H 9H KH", "", "", ""}, 1, {}, 1, "5H"},
        {"no heart thrown unbroken", {kVoidInClubs, "", "", "5C"}, 4, {{4, "5C"}}, 1, "9D"},
        {"highest heart thrown once broken", {kVoidInClubs, "", "", "5C"}, 4, {{4, "5C"}}, 1, "AH", true, -1},
        {"the queen goes to the user's club", {"", "", "5C", "QS AH KH 2D 3D 4D 5D 6D 7D 8D 9D 2S 3S"}, 3,
         {{3, "5C"}}, 4, "QS", true, -1},
        {"the queen goes in the first trick too", {"", "", "2C", "QS AH KH 2D 3D 4D 5D 6D 7D 8D 9D 2S 3S"}, 3,
         {{3, "2C"}}, 4, "QS", true, 0, 13},
        {"the jack stays back on a diamond lead", {"JD 9D 3C 5C 7C 9C JC 2S 4S 6S 8S TS 2H", "", "", "5D"}, 4,
         {{4, "5D"}}, 1, "9D"},
        {"the jack goes last into a diamond trick", {"JD 9D 3C 5C 7C 9C JC 2S 4S 6S 8S TS 2H", "5D", "7D", "8D"}, 2,
         {{2, "5D"}, {3, "7D"}, {4, "8D"}}, 1, "JD"},
        {"the user's jack is taken by the last high diamond", {"", "", "JD", "KD 2D QD 3C 5C 7C 9C 2S 4S 6S 8S TS 2H"},
         3, {{3, "JD"}}, 4, "QD"},
        {"without the rule the highest diamond follows", {"", "", "JD", "KD 2D QD 3C 5C 7C 9C 2S 4S 6S 8S TS 2H"}, 3,
         {{3, "JD"}}, 4, "KD", false},
        {"the user's jack is taken by a seat void in the lead", {"AD 3D 4S 5S 6S 7S 8S 9S TS", "", "JD", "5C"},
         4, {{4, "5C"}, {3, "JD"}}, 1, "AD"},
        {"thirteen hearts follow the first trick with the highest", {"2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH", "", "", "2C"},
         4, {{4, "2C"}}, 1, "AH", true, 0, 13, Suit::Hearts},
    };
    for (const auto& c : cases) {
        HeartsTable t = heartstest::table(c.seats, c.tricksleft);
        t.leader = c.leader;
        t.heartsbroken = c.heartsbroken;
        t.compsuit = c.prior;
        for (auto [seat, card] : c.trick) heartstest::play(t, seat, card);
        const int slot = decide(t, c.seat, c.jackRule, neverDrawn);
        ASSERT_TRUE(slotOfSeat(c.seat, slot)) << c.name;
        EXPECT_EQ(nameOf(t.deckorder[slot]), c.expected) << c.name;
        EXPECT_EQ(t.pickslot, slot) << c.name;
        EXPECT_EQ(t.compsuit, t.cardsuit[slot]) << c.name;
    }
}

TEST(HeartsComputer, HoldingOnlyHeartsBreaksThem) {
    HeartsTable t = heartstest::table({"5H 9H KH", "", "", ""});
    t.leader = 1;
    decide(t, 1, true, neverDrawn);
    EXPECT_EQ(t.heartsbroken, -1);
}

TEST(HeartsComputer, ALeftOverSuitThatTheSeatLacksFallsBackToARandomHeldCard) {
    HeartsTable t = heartstest::table({"2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH", "", "", "2C"}, 13);
    t.leader = 4;
    t.compsuit = Suit::Clubs;
    heartstest::play(t, 4, "2C");
    std::vector<int> asked;
    const int slot = decide(t, 1, true, [&](int n) {
        asked.push_back(n);
        return 5;
    });
    EXPECT_EQ(slot, 31) << "the fifth of the seat's slots";
    EXPECT_EQ(asked, std::vector<int>(13, 13)) << "one draw of 13 per held card";
}

TEST(HeartsComputer, RandomDrawsSkipCardsAlreadyPlayed) {
    HeartsTable t = heartstest::table({"2H 3H", "", "", "2C"}, 13);
    t.leader = 4;
    t.compsuit = Suit::Spades;
    heartstest::play(t, 4, "2C");
    std::vector<int> draws{9, 13, 2, 7, 1};
    std::size_t next = 0;
    const int slot = decide(t, 1, false, [&](int) { return draws.at(next++); });
    EXPECT_EQ(next, draws.size()) << "played slots are drawn again, once per held card";
    EXPECT_EQ(slot, 27) << "the last slot drawn";
}

TEST(HeartsComputer, DecisionStartsWithNoSlotChosen) {
    HeartsTable t = heartstest::table({"", "", "", ""});
    t.leader = 1;
    t.pickslot = 33;
    EXPECT_EQ(decide(t, 1, true, neverDrawn), 0) << "a seat without cards chooses nothing";
    EXPECT_EQ(t.pickslot, 0);
}

TEST(HeartsComputerTurn, TheSeatToPlayPlaysItsChoiceAndPassesTheTurnOn) {
    const struct { int seat; int next; } cases[] = {{4, 1}, {1, 2}, {2, 3}};
    for (auto c : cases) {
        HeartsTable t = heartstest::table({"3C 4H", "5C 6H", "7C 8H", "9C TH"});
        t.leader = c.seat;
        t.turn = c.seat;
        const int held = t.cardsleft[c.seat];
        const ComputerTurn turn = computerTurn(t, true, neverDrawn);
        EXPECT_EQ(turn.seat, c.seat);
        EXPECT_TRUE(turn.played);
        EXPECT_TRUE(slotOfSeat(c.seat, turn.slot)) << c.seat;
        EXPECT_EQ(t.trickslot[c.seat], turn.slot);
        EXPECT_EQ(t.tag[turn.slot], playedTag(c.seat));
        EXPECT_EQ(t.cardsleft[c.seat], held - 1);
        EXPECT_EQ(t.turn, c.next);
        EXPECT_FALSE(trickFull(t));
    }
}

TEST(HeartsComputerTurn, TheUsersTurnAndNoTurnPlayNothing) {
    for (int turn : {0, 3, 5}) {
        HeartsTable t = heartstest::table({"3C", "5C", "7C", "9C"});
        t.turn = turn;
        const HeartsTable before = t;
        const ComputerTurn played = computerTurn(t, true, neverDrawn);
        EXPECT_EQ(played.seat, 0) << turn;
        EXPECT_FALSE(played.played);
        EXPECT_EQ(t.turn, turn);
        EXPECT_EQ(t.tag, before.tag);
    }
}

TEST(HeartsComputerTurn, ASeatWithoutCardsKeepsTheTurn) {
    HeartsTable t = heartstest::table({"", "5C", "7C", "9C"});
    t.leader = 4;
    t.turn = 1;
    const auto tags = t.tag;
    const ComputerTurn turn = computerTurn(t, true, [](int) { return 1; });
    EXPECT_EQ(turn.seat, 1);
    EXPECT_FALSE(turn.played);
    EXPECT_EQ(t.turn, 1);
    EXPECT_EQ(t.tag, tags);
}

TEST(HeartsComputerTurn, TheFourthCardFillsTheTrick) {
    HeartsTable t = heartstest::table({"3C 4H", "5C 6H", "7C 8H", "9C TH"});
    t.leader = 3;
    t.turn = 3;
    playUser(t, slotOf(t, "7C"));
    for (int seat : {4, 1}) {
        computerTurn(t, true, neverDrawn);
        EXPECT_FALSE(trickFull(t)) << seat;
    }
    const ComputerTurn last = computerTurn(t, true, neverDrawn);
    EXPECT_EQ(last.seat, 2);
    EXPECT_TRUE(trickFull(t));
}
