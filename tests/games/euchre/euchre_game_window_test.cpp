#include "euchre_fixture.h"

#include "platform/files.h"

#include <string>

using namespace euchrerules;
using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

// The user deals and holds the five best hearts; nobody else holds three of the turned nine.
const euchretest::Deal kFirstHand{"AC KC QC AS KS", "AD KD QD TD 9D", "JH JD AH KH QH", "JC TC 9C QS JS", "9H"};
// Seat 4 deals; nobody holds three of the turned ten of clubs or, before the user, of any suit.
// The user holds the five best spades.
const euchretest::Deal kSecondHand{"AH KH AD KD AC", "QH JH QD JD KC", "JS JC AS KS QS", "TH 9H TD 9D QC", "TC"};
// Seat 1 deals and seat 2 takes the king of clubs with three clubs, but the user holds both
// bowers and the ace: the makers take two tricks at most.
const euchretest::Deal kThirdHand{"JH TH 9H KD QD", "QC TC 9C KH QH", "JC JS AC AH AD", "JD TD 9D AS KS", "KC"};

using EuchreGame = EuchreTest;

TEST_F(EuchreGame, AWholeGameToEightThroughTheWindow) {
    // First hand: the user accepts hearts and plays alone.
    boxes.expect("Make Trump Suit?", vbYes);
    boxes.expect("Trump Suit is now hearts", vbOK);
    boxes.expect("Do you wish to play alone?", vbYes);
    euchre& e = openDealt(3, kFirstHand);
    chooseMenu(e.playtoeight);
    EXPECT_EQ(platform::readFile("\\Data\\euchreto.dat"), "8\r\n");
    for (int tick = 0; tick < 5 && !e.handinplay(); ++tick) advance(1000);
    ASSERT_TRUE(e.handinplay()) << "seats 4, 1 and 2 passed, then the user took hearts";
    EXPECT_EQ(e.table.leader, 4);
    playHand(e);
    ASSERT_FALSE(e.handinplay());
    euchrescore* score = platform::loaded<euchrescore>();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(e.Label1.Caption.get(), "Tricks: 5");
    EXPECT_EQ(score->Label3.Caption.get(), "4") << "five tricks alone";
    EXPECT_EQ(score->Label4.Caption.get(), "0");
    for (int k = 1; k <= 5; ++k) EXPECT_TRUE(e.compcard[k].Visible) << "the partner sat out";
    close(*score);
    EXPECT_EQ(e.table.dealer, 4);
    EXPECT_FALSE(e.playto.Enabled);

    // Second hand: everybody passes the ten of clubs; the user names spades in Pick Suit.
    redeal(e, kSecondHand);
    boxes.expect("Make Trump Suit?", vbNo);
    boxes.expect("Trump Suit is now Spades", vbOK);
    boxes.expect("Do you wish to play alone?", vbNo);
    for (int tick = 0; tick < 10 && !e.Frame1.Visible; ++tick) advance(1000);
    ASSERT_TRUE(e.Frame1.Visible);
    EXPECT_EQ(e.Label5.Caption.get(), "") << "round two began with every remark cleared";
    EXPECT_EQ(e.Label8.Caption.get(), "");
    EXPECT_EQ(e.Label6.Caption.get(), "Passed");
    EXPECT_EQ(e.Label7.Caption.get(), "Passed");
    click(e.Image6);
    EXPECT_EQ(e.table.leader, 1);
    playHand(e);
    score = platform::loaded<euchrescore>();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->Label3.Caption.get(), "6");
    close(*score);
    EXPECT_EQ(e.table.dealer, 1);

    // Third hand: seat 2 makes clubs and is euchred; the user's team reaches eight.
    redeal(e, kThirdHand);
    boxes.expect("Trump Suit is now Clubs", vbOK);
    boxes.expect("Do you wish to play alone?", vbNo);
    boxes.expect("You Win", vbOK);
    advance(1000);
    ASSERT_TRUE(e.handinplay());
    EXPECT_EQ(e.table.maker, 2);
    playHand(e);
    score = platform::loaded<euchrescore>();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->Label3.Caption.get(), "8");
    EXPECT_EQ(score->Label4.Caption.get(), "0");
    EXPECT_LE(e.table.trickswon[2] + e.table.trickswon[4], 2);
    EXPECT_EQ(score->onclose, euchrescore::OnClose::NewGame);
    const std::vector<platform::BoxRequest>& shown = boxes.shown();
    EXPECT_EQ(shown.back().title, "You Win");
    EXPECT_EQ(shown[shown.size() - 3].title, "Clubs");

    // Closing the score window starts a new game.
    nextGameDealtBy(4);
    close(*score);
    EXPECT_EQ(e.table.teampoints[1], 0);
    EXPECT_EQ(e.table.teampoints[2], 0);
    EXPECT_EQ(e.table.dealer, 4);
    EXPECT_TRUE(e.playto.Enabled);
    EXPECT_TRUE(e.Timer1.Enabled);
    EXPECT_TRUE(e.Enabled);
}

}  // namespace
