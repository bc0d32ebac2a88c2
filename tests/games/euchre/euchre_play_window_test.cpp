#include "euchre_fixture.h"

#include "games/euchre/euchre_layout.h"

#include <string>

using namespace euchrerules;
using euchretest::slotOf;
using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

// Clubs are turned up and only the user holds any: seats 2, 3 and so on pass until the user
// accepts. Seat 2 holds nothing but diamonds and so leads the ace; the partner holds the left
// bower, the jack of spades.
const euchretest::Deal kTrickDeal{"AH KH QH JS 9S", "AD KD QD TD JD", "JC 9D AC KC AS", "JH TH 9H QS TS", "QC"};

class EuchrePlay : public EuchreTest {
protected:
    // The user takes clubs in round one when asked, and answers the play-alone question.
    euchre& takeClubs(gp::ScriptedBoxes& script, int dealer, int alone) {
        script.expect("Make Trump Suit?", vbYes);
        script.expect("Trump Suit is now clubs", vbOK);
        script.expect("Do you wish to play alone?", alone);
        return openDealt(dealer, kTrickDeal);
    }
};

TEST_F(EuchrePlay, ATrickIsPlayedJudgedPausedAndSweptToItsWinner) {
    euchre& e = takeClubs(boxes, 1, vbNo);
    advance(1000);
    ASSERT_TRUE(e.handinplay());
    EXPECT_EQ(e.table.leader, 2);
    EXPECT_TRUE(e.Timer4.Enabled);
    sounds.clear();
    advance(1000);
    // Seat 2 leads its lowest slot of the only suit it holds, face up in its place.
    const int ace = slotOf(e.table, "AD");
    const Place right = trickPlace(2, 1.0f);
    EXPECT_NEAR(e.Image1[ace].Left, right.left, 0.01);
    EXPECT_NEAR(e.Image1[ace].Top, right.top, 0.01);
    EXPECT_TRUE(e.Image1[ace].Visible);
    EXPECT_TRUE(showsFile(e.Image1[ace], "\\Images\\acediamonds.gif"));
    EXPECT_FALSE(e.compcard[11].Visible);
    EXPECT_TRUE(e.compcard[12].Visible);
    EXPECT_EQ(e.table.leadsuit, Suit::Diamonds);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_EQ(e.table.turn, kUser);
    EXPECT_FALSE(e.Timer4.Enabled) << "the table waits for the user";
    EXPECT_TRUE(e.newgame.Enabled);
    EXPECT_TRUE(e.Image1[1].Enabled);

    // The user holds a diamond and must play it.
    sounds.clear();
    click(e.Image1[slotOf(e.table, "AS")]);
    click(e.Image1[slotOf(e.table, "JC")]);
    EXPECT_EQ(e.table.turn, kUser);
    EXPECT_TRUE(sounds.played().empty());
    const int nine = slotOf(e.table, "9D");
    click(e.Image1[nine]);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    const Place mine = trickPlace(kUser, 1.0f);
    EXPECT_NEAR(e.Image1[nine].Left, mine.left, 0.01);
    EXPECT_NEAR(e.Image1[nine].Top, mine.top, 0.01);
    for (int slot = 3; slot <= 5; ++slot) {
        EXPECT_NEAR(e.Image1[slot].Left, userRowPlace(slot - 1, 1.0f).left, 0.01) << "the row closes up";
        EXPECT_EQ(e.Image1[slot].Tag.get(), std::to_string(slot - 1));
    }
    EXPECT_EQ(e.table.playercount, 4);
    EXPECT_TRUE(e.Timer4.Enabled);
    EXPECT_FALSE(e.Image1[1].Enabled) << "no card while the computer seats play";

    advance(1000);
    EXPECT_EQ(e.table.turn, 1) << "seat 4";
    EXPECT_FALSE(e.newgame.Enabled);
    advance(1000);
    // The partner, void in diamonds, trumps with its lowest slot: the left bower.
    const int left = slotOf(e.table, "JS");
    EXPECT_NEAR(e.Image1[left].Top, trickPlace(1, 1.0f).top, 0.01);
    EXPECT_EQ(e.table.turn, 2);
    EXPECT_FALSE(e.Timer4.Enabled);
    EXPECT_TRUE(e.Timer6.Enabled);
    EXPECT_EQ(e.table.trickwinner, 1);
    EXPECT_EQ(e.table.trickvalue[1], 261);
    for (int slot : {ace, nine, left}) EXPECT_EQ(e.Image1[slot].Tag.get(), "200");

    sounds.clear();
    advance(1990);
    EXPECT_TRUE(sounds.played().empty()) << "a pause of two seconds";
    EXPECT_NEAR(e.Image1[left].Top, trickPlace(1, 1.0f).top, 0.01);
    advance(10);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"pageturn.wav"});
    EXPECT_TRUE(e.Timer5.Enabled);
    for (int waited = 0; waited < 5000 && e.Timer5.Enabled; waited += 15) advance(15);
    EXPECT_FALSE(e.Timer5.Enabled);
    EXPECT_LE(e.Image1[left].Top, -2000);
    EXPECT_EQ(e.Image1[ace].Top, e.Image1[left].Top) << "the trick rides on the winner's card";
    EXPECT_EQ(e.Image1[nine].Left, e.Image1[left].Left);
    EXPECT_EQ(e.Label3.Caption.get(), "Tricks: 1");
    EXPECT_EQ(e.table.leader, 1);
    EXPECT_TRUE(e.Timer4.Enabled) << "the partner leads the next trick";
}

TEST_F(EuchrePlay, PlayingAloneThePartnerSitsOutAndSeat2LeadsForDealer4) {
    const struct { int alone; int leader; } cases[] = {{vbNo, 1}, {vbYes, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alone == vbYes ? "alone" : "with the partner");
        gp::ScriptedBoxes script;
        euchre& e = takeClubs(script, 4, c.alone);
        for (int tick = 0; tick < 3 && !e.handinplay(); ++tick) advance(1000);
        ASSERT_TRUE(e.handinplay());
        EXPECT_EQ(e.table.leader, c.leader);
        EXPECT_EQ(e.table.alone, c.alone == vbYes ? -1 : 0);
        EXPECT_TRUE(e.Timer4.Enabled);
        if (c.alone == vbYes) {
            for (int slot = 11; slot <= 15; ++slot) EXPECT_EQ(e.Image1[slot].Tag.get(), "200");
            advance(1000);
            EXPECT_EQ(e.table.turn, kUser);
            playUserCard(e);
            advance(1000);
            EXPECT_EQ(e.table.turn, 2) << "seat 4 hands straight back to seat 2";
            EXPECT_TRUE(e.Timer6.Enabled) << "three cards make the trick";
            for (int k = 1; k <= 5; ++k) EXPECT_TRUE(e.compcard[k].Visible) << "the partner's backs stay";
            for (int slot = 11; slot <= 15; ++slot) EXPECT_FALSE(e.Image1[slot].Visible);
            EXPECT_EQ(e.table.trickvalue[1], 0);
        }
        e.Unload();
        settle();
    }
}

TEST_F(EuchrePlay, ASeatWhoseCountsDisagreeWithItsHandGivesNoticeAndPlaysItsFirstCard) {
    euchre& e = takeClubs(boxes, 2, vbNo);
    ASSERT_EQ(e.table.leader, kUser);
    *suitcount(e.table, 4, Suit::Diamonds) = 1;  // seat 4 holds no diamond
    boxes.expect("ERROR", vbOK);
    click(e.Image1[slotOf(e.table, "9D")]);
    advance(1000);
    ASSERT_EQ(boxes.shown().size(), 4u);
    EXPECT_EQ(boxes.shown()[3].prompt, "ERROR");
    EXPECT_EQ(boxes.shown()[3].style, 0);
    const int first = 6;
    EXPECT_NEAR(e.Image1[first].Left, trickPlace(4, 1.0f).left, 0.01);
    EXPECT_TRUE(e.Image1[first].Visible);
    EXPECT_EQ(e.table.tricksuit[4], Suit::Hearts);
    EXPECT_EQ(e.table.turn, 1);
    EXPECT_FALSE(e.compcard[6].Visible);
}

TEST_F(EuchrePlay, WinningATrickTheUserMustLeadAndMayStartANewGame) {
    // Seat 2 leads diamonds, the user trumps with the right bower and leads the next trick; the
    // trick's last two cards, seat 4's and the partner's, had disabled New Game.
    const euchretest::Deal deal{"9H QS TS 9S JD", "AD KD QD TD 9D", "JC AC KC AS KS", "AH KH QH JH TH", "QC"};
    boxes.expect("Make Trump Suit?", vbYes);
    boxes.expect("Trump Suit is now clubs", vbOK);
    boxes.expect("Do you wish to play alone?", vbNo);
    euchre& e = openDealt(1, deal);
    advance(1000);
    ASSERT_TRUE(e.handinplay());
    ASSERT_EQ(e.table.leader, 2);
    runUntilUser(e);
    click(e.Image1[slotOf(e.table, "JC")]);
    runUntilUser(e);
    ASSERT_EQ(e.table.trickwinner, 3);
    ASSERT_EQ(e.table.leader, kUser);
    EXPECT_TRUE(e.newgame.Enabled);
    chooseMenu(e.newgame);
    EXPECT_EQ(e.table.teampoints[1], 0);
    EXPECT_FALSE(e.handinplay()) << "a fresh deal, its trump to be made";
}

TEST_F(EuchrePlay, NewGameAtEachStageLeavesNoTickOfTheOldHand) {
    struct Stage {
        const char* name;
        int dealer;
        const euchretest::Deal* deal;
        int answer;  // to the round-one question; 0 when it is not asked before the stage
        int ticks;
        bool frame;
        platform::Timer euchre::*running;
    };
    const Stage stages[] = {
        {"round one", 1, &kQuietDeal, 0, 0, false, &euchre::Timer1},
        {"between the rounds", 3, &kQuietDeal, vbNo, 3, false, &euchre::Timer3},
        {"Pick Suit up", 2, &kQuietDeal, vbNo, 6, true, nullptr},
        {"mid-trick at the user's turn", 1, &kTrickDeal, vbYes, 2, false, nullptr},
        {"the pause after the user's card", 3, &kTrickDeal, vbYes, 6, false, &euchre::Timer6},
    };
    for (const Stage& s : stages) {
        SCOPED_TRACE(s.name);
        gp::ScriptedBoxes script;
        if (s.answer) script.expect("Make Trump Suit?", s.answer);
        if (s.answer == vbYes) {
            script.expect("Trump Suit is now clubs", vbOK);
            script.expect("Do you wish to play alone?", vbNo);
        }
        euchre& e = openDealt(s.dealer, *s.deal);
        advance(1000 * s.ticks + 500);
        if (s.running == &euchre::Timer6) playUserCard(e);
        EXPECT_EQ(e.Frame1.Visible.get(), s.frame);
        if (s.running) {
            EXPECT_TRUE((e.*s.running).Enabled);
        }
        ASSERT_TRUE(e.newgame.Enabled);
        const std::string oldTop = e.Label12.Caption;
        nextGameDealtBy(1);
        chooseMenu(e.newgame);
        EXPECT_FALSE(e.Frame1.Visible);
        EXPECT_EQ(e.table.dealer, 1);
        EXPECT_TRUE(e.Timer1.Enabled);
        for (platform::Timer* other : {&e.Timer2, &e.Timer3, &e.Timer4, &e.Timer5, &e.Timer6})
            EXPECT_FALSE(other->Enabled);
        for (int slot = 6; slot <= 24; ++slot) EXPECT_EQ(e.Image1[slot].Top, -10000) << slot;
        for (int slot = 1; slot <= 5; ++slot) {
            EXPECT_EQ(e.Image1[slot].Tag.get(), std::to_string(slot));
            EXPECT_NEAR(e.Image1[slot].Top, 6480, 0.01);
        }
        EXPECT_TRUE(e.Image3.Visible);
        EXPECT_FALSE(e.Image4.Visible);
        EXPECT_EQ(e.table.teampoints[1], 0);
        EXPECT_EQ(e.Label8.Caption.get(), "");
        EXPECT_TRUE(e.Label12.Caption.get() == "Orvena" || e.Label12.Caption.get() == "Sennet");
        EXPECT_EQ(e.names[kPartner], e.Label12.Caption.get()) << "the new partner's name is the table's";
        EXPECT_FALSE(e.handinplay());
        // Less than a second on: only the new hand's first speaker may come, and no old step.
        sounds.clear();
        advance(990);
        EXPECT_TRUE(sounds.played().empty());
        for (int slot = 6; slot <= 24; ++slot) EXPECT_EQ(e.Image1[slot].Top, -10000) << slot;
        e.Unload();
        settle();
    }
}

}  // namespace
