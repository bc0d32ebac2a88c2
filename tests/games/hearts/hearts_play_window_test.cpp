#include "hearts_fixture.h"

#include "core/cards.h"

#include <cmath>
#include <string>
#include <vector>

using heartsrules::kTwoOfClubs;
using heartsrules::scaled;
using heartstest::slotOf;

namespace {

using HeartsPlay = HeartsTest;

struct OpeningCase {
    const char* name;
    heartstest::Seats seats;
    int seat;
    double left, top;
    bool upright;
    bool sound;
    int turn;
};

TEST_F(HeartsPlay, AComputerHoldingTheTwoOfClubsLeadsItAtStart) {
    const OpeningCase cases[] = {
        {"left", {"", "", "", "3S 2C"}, 4, 3060, 2800, true, true, 1},
        {"right", {"", "3S 2C", "", ""}, 2, 6060, 2800, true, true, 3},
        {"top", {"3S 2C", "", "", ""}, 1, 4560, 2200, false, false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setScreen(800, 600);
        hearts& h = openWithoutPass(c.seats);
        const int slot = slotOf(h.table, "2C");
        std::vector<double> laterLeft, laterTop;
        for (int later = slot + 1; later < heartsrules::firstSlot(c.seat) + 13; ++later) {
            laterLeft.push_back(h.Image1[later].Left);
            laterTop.push_back(h.Image1[later].Top);
        }
        sounds.clear();
        click(h.Command1);
        const platform::Image& two = h.Image1[slot];
        EXPECT_NEAR(two.Left, scaled(c.left, 0.9f), 0.01);
        EXPECT_NEAR(two.Top, scaled(c.top, 0.9f), 0.01);
        EXPECT_NEAR(two.Width, 1065 * 0.9, 0.01) << (c.upright ? "turned upright" : "already upright");
        EXPECT_TRUE(showsFile(two, core::facefile(kTwoOfClubs)));
        EXPECT_EQ(h.table.tag[slot], 10 + c.seat);
        EXPECT_EQ(sounds.played().size(), c.sound ? 1u : 0u);
        const heartsrules::Place step = heartsrules::closeUpStep(c.seat, 0.9f);
        for (std::size_t k = 0; k < laterLeft.size(); ++k) {
            EXPECT_NEAR(h.Image1[slot + 1 + int(k)].Left, laterLeft[k] + step.left, 0.01) << "closes up by 300 x scale";
            EXPECT_NEAR(h.Image1[slot + 1 + int(k)].Top, laterTop[k] + step.top, 0.01);
        }
        EXPECT_EQ(h.table.leader, c.seat);
        EXPECT_EQ(h.table.turn, c.turn);
        EXPECT_EQ(h.table.cardsleft[c.seat], 12) << "the lead counts like every play";
        int clubsHeld = 0;
        for (int s = heartsrules::firstSlot(c.seat); s < heartsrules::firstSlot(c.seat) + 13; ++s)
            clubsHeld += heartsrules::isHeld(h.table, s) && h.table.cardsuit[s] == core::Suit::Clubs;
        EXPECT_EQ(h.table.clubcount[c.seat], clubsHeld);
        EXPECT_EQ(h.Timer1.Enabled.get(), c.turn != 3);
        h.Unload();
        settle();
    }
}

TEST_F(HeartsPlay, ComputerSeatsPlayOneCardATickUntilTheUsersTurn) {
    hearts& h = openWithoutPass({"9C", "KC", "5C AS", "2C"});
    click(h.Command1);
    sounds.clear();
    advance(1000);
    EXPECT_EQ(h.table.turn, 2);
    EXPECT_EQ(h.table.tag[h.table.trickslot[1]], 11);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    advance(1000);
    EXPECT_EQ(h.table.turn, 3);
    EXPECT_FALSE(h.Timer1.Enabled) << "the table waits for the user";
    const platform::Image& right = h.Image1[h.table.trickslot[2]];
    EXPECT_NEAR(right.Left, 6060, 0.01);
    EXPECT_NEAR(right.Top, 2800, 0.01);
    EXPECT_NEAR(right.Width, 1065, 0.01) << "the right seat's card turns upright";
    EXPECT_EQ(h.table.tag[h.table.trickslot[2]], 12);
    advance(5000);
    EXPECT_EQ(h.table.turn, 3);

    click(h.Image1[slotOf(h.table, "AS")]);
    EXPECT_EQ(h.table.turn, 3) << "the user must follow clubs";
    const int five = slotOf(h.table, "5C");
    click(h.Image1[five]);
    EXPECT_NEAR(h.Image1[five].Left, 4560, 0.01);
    EXPECT_NEAR(h.Image1[five].Top, 3960, 0.01);
    EXPECT_EQ(h.table.tag[five], 13);
    EXPECT_NEAR(h.Image1[slotOf(h.table, "AS")].Left, 3000, 0.01) << "the card behind closes the gap";
    for (int slot = 1; slot <= 52; ++slot) EXPECT_FALSE(h.Image1[slot].Enabled);
    EXPECT_FALSE(h.Timer1.Enabled) << "the user's card ends the trick";
    EXPECT_TRUE(h.Timer2.Enabled);
}

TEST_F(HeartsPlay, TheUserHoldingTheTwoOfClubsMustLeadIt) {
    hearts& h = openWithoutPass({"", "", "AH QS 2C 9C", ""});
    click(h.Command1);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_FALSE(h.Timer1.Enabled);
    for (const char* other : {"AH", "QS", "9C"}) {
        click(h.Image1[slotOf(h.table, other)]);
        EXPECT_EQ(h.table.turn, 3) << other;
    }
    click(h.Image1[slotOf(h.table, "2C")]);
    EXPECT_EQ(h.table.turn, 4);
    EXPECT_TRUE(h.Timer1.Enabled);
}

TEST_F(HeartsPlay, AUserHoldingOnlyHeartsFollowsTheFirstTrickWithOne) {
    hearts& h = openWithoutPass({"", "", "2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH", "2C"});
    click(h.Command1);
    runUntilUser(h);
    ASSERT_EQ(h.table.turn, 3);
    click(h.Image1[40]);
    EXPECT_EQ(h.table.tag[40], 13);
    EXPECT_EQ(h.table.heartsbroken, -1);
}

struct SweepCase {
    const char* name;
    heartstest::Seats seats;
    int winner;
};

TEST_F(HeartsPlay, TheTrickSlidesToItsWinnerAndHandsOverTheLead) {
    const SweepCase cases[] = {
        {"top", {"AC", "3C", "4C", "2C"}, 1},
        {"right", {"3C", "AC", "4C", "2C"}, 2},
        {"user", {"3C", "5C", "AC", "2C"}, 3},
        {"left", {"2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD AD", "2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS AS",
                  "2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH", ""},
         4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        hearts& h = openWithoutPass(c.seats);
        click(h.Command1);
        runUntilUser(h);
        playUserCard(h);
        ASSERT_TRUE(h.Timer2.Enabled) << "the user plays last after the left seat's lead";
        while (!h.Timer3.Enabled) advance(1);
        sounds.clear();
        EXPECT_EQ(h.table.winner, c.winner);
        const auto played = h.table.trickslot;
        const platform::Image& won = h.Image1[played[c.winner]];
        const heartsrules::Place from{won.Left, won.Top};
        advance(15);
        const heartsrules::Place step = heartsrules::sweepStep(c.winner);
        EXPECT_NEAR(won.Left, from.left + step.left, 0.01);
        EXPECT_NEAR(won.Top, from.top + step.top, 0.01);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(h.Image1[played[seat]].Left, won.Left) << "the trick travels stacked";
            EXPECT_EQ(h.Image1[played[seat]].Top, won.Top);
        }
        while (h.Timer3.Enabled) advance(15);
        EXPECT_TRUE(heartsrules::sweptOff(c.winner, {won.Left, won.Top}));
        for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(h.table.tag[played[seat]], 10 + c.winner);
        EXPECT_TRUE(h.handplayed);
        EXPECT_EQ(h.table.leader, c.winner);
        EXPECT_EQ(h.table.tricksleft, 12);
        EXPECT_EQ(h.Timer1.Enabled.get(), c.winner != 3) << "a computer winner leads at once";
        for (int slot = 1; slot <= 52; ++slot) EXPECT_TRUE(h.Image1[slot].Enabled);
        h.Unload();
        settle();
    }
}

TEST_F(HeartsPlay, JudgingTurnsThePage) {
    hearts& h = openWithoutPass({"3C", "5C", "AC", "2C"});
    click(h.Command1);
    runUntilUser(h);
    playUserCard(h);
    sounds.clear();
    advance(1000);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"pageturn.wav"});
    EXPECT_TRUE(h.Timer3.Enabled);
    EXPECT_FALSE(h.Timer2.Enabled);
}

TEST_F(HeartsPlay, NewGameAtAnyMomentDealsATableThatPlays) {
    const struct { const char* name; int clicksBefore; int ms; } moments[] = {
        {"a computer seat playing", 0, 1000},
        {"the user's card just played", 1, 0},
        {"the trick being judged", 1, 500},
        {"the trick being swept", 1, 1030},
    };
    for (const auto& m : moments) {
        SCOPED_TRACE(m.name);
        hearts& h = openWithoutPass({"3C", "5C", "AC 9H", "2C"});
        click(h.Command1);
        if (m.clicksBefore) {
            runUntilUser(h);
            playUserCard(h);
        }
        advance(m.ms);
        chooseMenu(h.newgame1);
        EXPECT_TRUE(idle(h));
        EXPECT_EQ(h.table.trickslot, (std::array<int, 5>{}));
        EXPECT_EQ(h.table.tricksuit, (std::array<core::MaybeSuit, 5>{}));
        EXPECT_FALSE(h.handplayed);
        EXPECT_EQ(h.Command1.Caption.get(), "Pass Left");
        EXPECT_TRUE(h.Command1.Visible);
        for (int slot = 1; slot <= 52; ++slot) EXPECT_TRUE(h.Image1[slot].Enabled) << slot;
        for (int slot = 40; slot <= 52; ++slot) EXPECT_NEAR(h.Image1[slot].Top, 5880, 0.01);
        passAndStart(h);
        runUntilUser(h);
        ASSERT_TRUE(h.handinplay());
        playUserCard(h);
        runUntilUser(h);
        EXPECT_EQ(h.table.tricksleft, 12) << "the first trick of the new hand is four fresh cards";
        h.Unload();
        settle();
    }
}

// One whole trick at each screen size, against the design's own numbers: the fans, the four places
// in the trick, a hand closing up behind its played card, and the sweep's 300 unscaled twips a tick.
TEST_F(HeartsPlay, ATrickLiesAndLeavesAtTheDesignPlacesAtEachSize) {
    const struct { int width, height; float scale; } sizes[] = {{1024, 768, 1.0f}, {800, 600, 0.9f}, {640, 480, 0.7f}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        setScreen(size.width, size.height);
        hearts& h = openWithoutPass({"3C 4D", "5C 6D", "AC", "2C 7D"});
        const double k = size.scale;
        EXPECT_NEAR(h.Image1[1].Left, 360 * k, 0.01);
        EXPECT_NEAR(h.Image1[1].Top, 1800 * k, 0.01);
        EXPECT_NEAR(h.Image1[14].Left, 8760 * k, 0.01);
        EXPECT_NEAR(h.Image1[27].Left, 3000 * k, 0.01);
        EXPECT_NEAR(h.Image1[27].Top, 600 * k, 0.01);
        EXPECT_NEAR(h.Image1[40].Top, 5880 * k, 0.01);
        click(h.Command1);
        runUntilUser(h);
        click(h.Image1[slotOf(h.table, "AC")]);
        ASSERT_TRUE(h.Timer2.Enabled);
        const struct { int seat; double left, top; } places[] = {
            {1, 4560, 2200}, {2, 6060, 2800}, {3, 4560, 3960}, {4, 3060, 2800}};
        for (const auto& place : places) {
            const platform::Image& card = h.Image1[h.table.trickslot[place.seat]];
            EXPECT_NEAR(card.Left, place.left * k, 0.01) << "seat " << place.seat;
            EXPECT_NEAR(card.Top, place.top * k, 0.01) << "seat " << place.seat;
            EXPECT_NEAR(card.Width, 1065 * k, 0.01) << "seat " << place.seat << " lies upright";
            EXPECT_NEAR(card.Height, 1440 * k, 0.01) << "seat " << place.seat;
        }
        // Each hand closed up behind its played card: its held cards lie in its first twelve places.
        const struct { int seat, first; double left, top, stepLeft, stepTop; } fans[] = {
            {1, 27, 3000, 600, 300, 0}, {2, 14, 8760, 1800, 0, 300}, {4, 1, 360, 1800, 0, 300}};
        for (const auto& fan : fans) {
            int place = 0;
            for (int slot = fan.first; slot < fan.first + 13; ++slot) {
                if (!heartsrules::isHeld(h.table, slot)) continue;
                EXPECT_NEAR(h.Image1[slot].Left, (fan.left + fan.stepLeft * place) * k, 0.01) << "slot " << slot;
                EXPECT_NEAR(h.Image1[slot].Top, (fan.top + fan.stepTop * place) * k, 0.01) << "slot " << slot;
                ++place;
            }
            EXPECT_EQ(place, 12) << "seat " << fan.seat;
        }
        while (!h.Timer3.Enabled) advance(1);
        const platform::Image& won = h.Image1[h.table.trickslot[3]];
        int ticks = 0;
        for (; h.Timer3.Enabled && ticks < 100; ++ticks) {
            const double top = won.Top;
            advance(15);
            if (h.Timer3.Enabled) {
                EXPECT_NEAR(won.Top, top + 300, 0.01) << "tick " << ticks;
            }
        }
        EXPECT_EQ(ticks, static_cast<int>(std::ceil((10000 - 3960 * k) / 300))) << "to the bottom, 300 a tick";
        EXPECT_EQ(h.table.leader, 3);
        h.Unload();
        settle();
    }
}

}  // namespace
