#include <gtest/gtest.h>

#include "games/spades/spades_computer.h"
#include "spades_builder.h"

#include <sstream>
#include <utility>
#include <vector>

using namespace spadesrules;
using spadestest::inPlay;
using spadestest::nameOf;
using spadestest::play;
using spadestest::Seats;
using spadestest::slotOf;

namespace {

struct Deciding {
    const char* what;
    Seats seats;
    int leader;
    std::vector<std::pair<int, const char*>> played;  // the trick so far, in order
    int seat;                                         // the computer seat to play
    int teambid;                                      // the bid entry of the seat
    std::array<int, 5> won;                           // tricks by seat
    int nilSeat = 0;
    bool blind = false;
    int broken = 0;
    const char* card;
    const char* suit;
};

int handSize(const Seats& s) {
    std::istringstream in(s.top);
    int n = 0;
    for (std::string name; in >> name;) ++n;
    return n;
}

SpadesTable tableOf(const Deciding& c) {
    SpadesTable t = inPlay(c.seats, handSize(c.seats));
    t.leader = c.leader;
    t.spadesbroken = c.broken;
    for (auto [seat, card] : c.played) play(t, seat, card);
    t.bid = {0, c.teambid, c.teambid, c.teambid, c.teambid};
    t.trickswon = c.won;
    if (c.nilSeat) (c.blind ? t.blindnil : t.nilbid)[c.nilSeat] = -1;
    t.turn = c.seat;
    return t;
}

int noDraw(int, int) {
    ADD_FAILURE() << "no random card was due";
    return 0;
}

}  // namespace

TEST(SpadesComputer, StepsAToDChooseTheSuitAndTheCard) {
    const Seats leadHands{"2D 8D 5C 9H", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"};
    const Deciding cases[] = {
        {"leads a diamond before clubs and hearts, high while short of the bid",
         leadHands, 1, {}, 1, 4, {}, 0, false, 0, "8D", "diamonds"},
        {"leads low once the team has its bid", leadHands, 1, {}, 1, 4, {0, 2, 0, 2, 0}, 0, false, 0, "2D", "diamonds"},
        {"clubs before hearts", {"5C 9C 9H KH", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"}, 1, {}, 1, 4, {}, 0, false, 0, "9C", "clubs"},
        {"hearts before spades, even broken", {"9H 3H 2S KS", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"}, 1, {}, 1, 4, {}, 0, false, -1, "9H", "hearts"},
        {"nothing but spades leads a spade", {"2S 5S 9S KS", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"}, 1, {}, 1, 4, {}, 0, false, 0, "KS", "spades"},
        {"trumps by its own tricks, low because the team has its bid",
         {"2S 9S 4C 5D", "3C 6C 7C 8C", "7H 9D TD JD", "2H 3H 4H 5H"}, 4, {{4, "5H"}}, 1, 5, {0, 2, 0, 3, 0}, 0, false, 0, "2S", "spades"},
        {"trumps high while short of the bid",
         {"2S 9S 4C 5D", "3C 6C 7C 8C", "7H 9D TD JD", "2H 3H 4H 5H"}, 4, {{4, "5H"}}, 1, 5, {0, 1, 0, 1, 0}, 0, false, 0, "9S", "spades"},
        {"its own tricks at the bid: discards diamonds first",
         {"2S 9S 4C 5D", "3C 6C 7C 8C", "7H 9D TD JD", "2H 3H 4H 5H"}, 4, {{4, "5H"}}, 1, 5, {0, 5, 0, 0, 0}, 0, false, 0, "5D", "diamonds"},
        {"a Nil bidder plays low", {"2D 3D 4D 5D", "3H QH AH 2C", "7D 9D TD JD", "2H 4H 5H 6H"}, 4, {{4, "2H"}, {1, "2D"}}, 2, 4, {}, 2, false, 0, "3H", "hearts"},
        {"a Blind Nil bidder plays low", {"2D 3D 4D 5D", "3H QH AH 2C", "7D 9D TD JD", "2H 4H 5H 6H"}, 4, {{4, "2H"}, {1, "2D"}}, 2, 4, {}, 2, true, 0, "3H", "hearts"},
        {"plays over the trick while short of the bid", {"2D 3D 4D 5D", "3H QH AH 2C", "7D 9D TD JD", "2H 4H 5H 6H"}, 4, {{4, "2H"}, {1, "2D"}}, 2, 4, {}, 0, false, 0, "AH", "hearts"},
        {"beaten by a higher card of the suit: low", {"KH 3D 4D 5D", "3H QH 2C 3C", "7D 9D TD JD", "2H 4H 5H 6H"}, 1, {{1, "KH"}}, 2, 4, {}, 0, false, 0, "3H", "hearts"},
        {"a lower spade in the trick: still high", {"9S 3D 4D 5D", "3H QH 2C 3C", "7D 9D TD JD", "2H 4H 5H 6H"}, 4, {{4, "2H"}, {1, "9S"}}, 2, 4, {}, 0, false, -1, "QH", "hearts"},
        {"a higher spade in the trick: low", {"KS 3D 4D 5D", "3H QH 2C 3C", "7D 9D TD JD", "2H 4H 5H 6H"}, 4, {{4, "2H"}, {1, "KS"}}, 2, 4, {}, 0, false, -1, "3H", "hearts"},
        {"the partner's card is higher: low", {"2H 3D 4D 5D", "3H QH 2C 3C", "7D 9D TD JD", "AH 4H 5H 6H"}, 4, {{4, "AH"}, {1, "2H"}}, 2, 4, {}, 0, false, 0, "3H", "hearts"},
        {"the partner's card is lower: over it", {"2H 3D 4D 5D", "3H QH 2C 3C", "7D 9D TD JD", "5H 4H AH 6H"}, 4, {{4, "5H"}, {1, "2H"}}, 2, 4, {}, 0, false, 0, "QH", "hearts"},
        {"the user's Nil is not protected", {"9C KC 4D 5D", "3H QH 2C 3C", "5C 9D TD JD", "8C 4H AH 6H"}, 3, {{3, "5C"}, {4, "8C"}}, 1, 4, {}, 3, false, 0, "KC", "clubs"},
        {"void in spades: discards", {"2S KS 4D 5D", "3H QH 2C 3C", "AS 9D TD JD", "8C 4H 7H 6H"}, 3, {{3, "AS"}}, 4, 4, {}, 0, false, -1, "8C", "clubs"},
        {"a higher spade led: low", {"2S KS 4D 5D", "3H QH 2C 3C", "AS 9D TD JD", "8C 4H 7H 6H"}, 3, {{3, "AS"}, {4, "8C"}}, 1, 4, {}, 0, false, -1, "2S", "spades"},
        {"discards clubs before hearts", {"2S KS 4D 5D", "3H QH 2C 3C", "AS 9D TD JD", "8C 4H 7H 6H"}, 3, {{3, "AS"}, {4, "8C"}, {1, "2S"}}, 2, 4, {}, 0, false, -1, "2C", "clubs"}};
    for (const auto& c : cases) {
        SpadesTable t = tableOf(c);
        const int slot = decide(t, c.seat, noDraw);
        EXPECT_EQ(nameOf(t, slot), c.card) << c.what;
        EXPECT_EQ(t.compsuit, core::suitnamed(c.suit)) << c.what;
        EXPECT_EQ(t.pickslot, slot) << c.what;
        EXPECT_TRUE(slotOfSeat(c.seat, slot)) << c.what;
    }
}

TEST(SpadesComputer, ChoosingSpadesBreaksThem) {
    const Deciding lead{"", {"2S 5S 9S KS", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"}, 1, {}, 1, 4, {}, 0, false, 0, "", ""};
    SpadesTable t = tableOf(lead);
    chooseSuit(t, 1);
    EXPECT_EQ(t.spadesbroken, -1);
    const Deciding discard{"", {"2S 9S 4C 5D", "3C 6C 7C 8C", "7H 9D TD JD", "2H 3H 4H 5H"}, 4, {{4, "5H"}}, 1, 5, {0, 5, 0, 0, 0}, 0, false, 0, "", ""};
    SpadesTable d = tableOf(discard);
    chooseSuit(d, 1);
    EXPECT_EQ(d.spadesbroken, 0) << "a discard breaks nothing";
}

TEST(SpadesComputer, TheLeaderNeverCountsAsUnableToWin) {
    const Deciding lead{"", {"2D 8D 5C 9H", "AD 4D 5D 6D", "7D 9D TD JD", "QD KD 3D 2C"}, 1, {}, 1, 4, {}, 0, false, 0, "", ""};
    SpadesTable t = tableOf(lead);
    t.cantwin = 1;
    chooseSuit(t, 1);
    judgeChance(t, 1);
    EXPECT_EQ(t.cantwin, 0);
    EXPECT_FALSE(playsLow(t, 1));
}

TEST(SpadesComputer, CountsThatDisagreeWithTheHandStillPlayAHeldCard) {
    const Deciding trick{"", {"2D 3D 4D 5D", "8C 9C QC KS", "7D 9D TD JD", "2H 4H 5H 6H"}, 4, {{4, "2H"}, {1, "2D"}}, 2, 4, {}, 0, false, 0, "", ""};
    // Seat 2 is counted as holding a heart it does not hold.
    SpadesTable low = tableOf(trick);
    low.suitcount[3][2] = 1;
    low.nilbid[2] = -1;
    const int lowSlot = decide(low, 2, noDraw);
    EXPECT_EQ(low.compsuit, Suit::Hearts);
    EXPECT_EQ(nameOf(low, lowSlot), "8C") << "the lowest card it holds";

    // Leading, it is counted as holding a heart and no club.
    const Deciding lead{"", trick.seats, 2, {}, 2, 13, {}, 0, false, 0, "", ""};
    SpadesTable high = tableOf(lead);
    high.suitcount[3][2] = 1;
    high.suitcount[1][2] = 0;
    const int played = slotOf(high, "8C") + 4;  // a slot of the seat whose card is gone
    ASSERT_FALSE(isHeld(high, played));
    std::vector<std::pair<int, int>> asked;
    std::vector<int> answers{played, slotOf(high, "QC")};
    const int highSlot = decide(high, 2, [&](int n, int offset) {
        asked.emplace_back(n, offset);
        const int a = answers.front();
        answers.erase(answers.begin());
        return a;
    });
    EXPECT_EQ(high.compsuit, Suit::Hearts);
    EXPECT_EQ(nameOf(high, highSlot), "QC") << "random draws until a held card";
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{13, 14}, {13, 14}}));
}

TEST(SpadesComputer, TheTurnPassesClockwiseAndStopsAtTheUser) {
    EXPECT_EQ(passTurn(4), 1);
    EXPECT_EQ(passTurn(1), 2);
    EXPECT_EQ(passTurn(2), 3);
    EXPECT_EQ(passTurn(3), 3);
}

TEST(SpadesComputer, APlayTimerTickPlaysTheSeatAtTurnAndSaysWhatFollows) {
    const Seats hands{"2D 8D 5C 9H", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"};
    const struct {
        const char* what;
        int leader;
        std::vector<std::pair<int, const char*>> played;
        int seat;
        bool plays;
        int turn;
        Next next;
    } cases[] = {
        {"a lead by the partner passes to the right", 1, {}, 1, true, 2, Next::Computer},
        {"the right-hand seat passes to the user", 1, {{1, "8D"}}, 2, true, 3, Next::User},
        {"the left-hand seat passes to the partner", 4, {}, 4, true, 1, Next::Computer},
        {"the last card of the trick goes to be judged", 2, {{2, "3D"}, {3, "7D"}, {4, "QD"}}, 1, true, 2, Next::Judge},
        {"a full trick led by the user is judged, not handed to the user", 3, {{3, "7D"}, {4, "QD"}, {1, "8D"}}, 2, true, 3,
         Next::Judge},
        {"the user's own turn plays nothing", 1, {{1, "8D"}, {2, "3D"}}, 3, false, 3, Next::User},
    };
    for (const auto& c : cases) {
        SpadesTable t = tableOf({c.what, hands, c.leader, c.played, c.seat, 4, {}, 0, false, 0, "", ""});
        SpadesTable chosen = t;
        const int expected = c.plays ? decide(chosen, c.seat, noDraw) : 0;
        const PlayStep step = playTurn(t, noDraw);
        EXPECT_EQ(step.seat, c.seat) << c.what;
        EXPECT_EQ(step.slot, expected) << c.what << ": the card the seat decides on";
        if (step.slot) {
            EXPECT_EQ(t.trickslot[c.seat], step.slot) << c.what;
            EXPECT_FALSE(isHeld(t, step.slot)) << c.what;
        }
        EXPECT_EQ(t.turn, c.turn) << c.what;
        EXPECT_EQ(step.next, c.next) << c.what;
    }
}

TEST(SpadesComputer, ASeatWithoutACardStopsThePlay) {
    SpadesTable t = tableOf({"", {"2D 8D 5C 9H", "3D 4D 5D 6D", "7D 9D TD JD", "QD KD AD 2C"}, 1, {}, 1, 4, {}, 0, false, 0, "", ""});
    for (int slot : slotsOf(1)) t.tag[slot] = playedTag(1);
    for (auto& counts : t.suitcount) counts[1] = 0;
    const PlayStep step = playTurn(t, [](int, int offset) { return offset; });
    EXPECT_EQ(step.next, Next::Stuck);
    EXPECT_EQ(step.slot, 0);
    EXPECT_EQ(t.turn, 1) << "the turn stays";
}
