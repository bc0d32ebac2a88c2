#include "spades_fixture.h"

#include <string>

namespace {

using spadestest::Seats;
using SpadesGame = SpadesTest;

// Hand one: the right-hand seat holds every spade and takes every trick.
const Seats kTheirHand{"AC KC QC JC TC 9C 8C 7C 6C 5C 4C 3C 2C", "AS KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S",
                       "AD KD QD JD TD 9D 8D 7D 6D 5D 4D 3D 2D", "AH KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H"};
// Hand two, the user's Blind Nil: the partner holds every spade, the two lowest first; the user
// trades the red aces for them, and the partner takes every trick.
const Seats kBlindHand{"2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS AS", "2C 3C 2D 3D 4D 5D 6D 7D 8D 9D TD JD 2H",
                       "AH AD AC KC QC JC TC 9C 8C 7C 6C 5C 4C", "QD KD 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"};
// Hand three: the user holds every spade.
const Seats kOurHand{"AC KC QC JC TC 9C 8C 7C 6C 5C 4C 3C 2C", "AD KD QD JD TD 9D 8D 7D 6D 5D 4D 3D 2D",
                     "AS KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S", "AH KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H"};

const Spadescore& scores() { return platform::window<Spadescore>(); }

TEST_F(SpadesGame, AWholeGameToTwoHundredWithABlindNilHand) {
    spades& s = openTable();
    chooseMenu(s.to200);

    deal(s, kTheirHand, 1);
    bid(s, 13);
    playHand(s);
    ASSERT_TRUE(handDone());
    EXPECT_EQ(s.table.trickswon, (std::array<int, 5>{0, 0, 13, 0, 0}));
    EXPECT_EQ(scores().Label8.Caption.get(), "-130") << "thirteen bid, none taken";
    EXPECT_EQ(scores().Label7.Caption.get(), "58") << "five bid, eight bags";
    EXPECT_EQ(scores().Label6.Caption.get(), "8");

    // They lead by 188: the next deal offers the Blind Nil.
    boxes.expect("Blind Nil?", platform::vbYes);
    boxes.expect("Bidding", platform::vbOK);
    close(platform::window<Spadescore>());
    settle();
    deal(s, kBlindHand, 4);
    EXPECT_EQ(s.table.nilbid[2], -1) << "the right-hand seat holds nothing to bid on";
    click(s.Image1[40]);
    click(s.Image1[41]);
    boxes.expect("HI", platform::vbOK);
    click(s.Command5);
    click(s.Command5);
    EXPECT_EQ(s.table.deckorder[40], spadestest::code("2S"));
    EXPECT_EQ(s.table.deckorder[41], spadestest::code("3S"));
    EXPECT_EQ(s.Label14.Caption.get(), "Blind Nil");
    bid(s, 13);
    playHand(s);
    ASSERT_TRUE(handDone());
    EXPECT_EQ(s.table.trickswon, (std::array<int, 5>{0, 13, 0, 0, 0}));
    EXPECT_EQ(scores().Label8.Caption.get(), "100") << "-130, the Blind Nil's 100 and the bid's 130";
    EXPECT_EQ(scores().Label7.Caption.get(), "98") << "58, a clean Nil's 50, a bid of 1 set with seat 1 last";
    EXPECT_EQ(scores().Label5.Caption.get(), "0");
    EXPECT_EQ(scores().Label6.Caption.get(), "8");

    boxes.expect("Bidding", platform::vbOK);
    close(platform::window<Spadescore>());
    settle();
    deal(s, kOurHand, 2);
    bid(s, 13);
    boxes.expect("You Win, Play again?", platform::vbYes);
    boxes.expect("Bidding", platform::vbOK);
    playHand(s);
    ASSERT_TRUE(handDone());
    EXPECT_EQ(s.table.trickswon, (std::array<int, 5>{0, 0, 0, 13, 0}));
    EXPECT_EQ(scores().Label8.Caption.get(), "230");
    EXPECT_EQ(scores().Label7.Caption.get(), "78");
    close(platform::window<Spadescore>());
    settle();

    const std::vector<std::string> titles = [&] {
        std::vector<std::string> t;
        for (const auto& box : boxes.shown()) t.push_back(box.title);
        return t;
    }();
    EXPECT_EQ(titles, (std::vector<std::string>{"Bidding", "Nil Bid?", "Blind Nil?", "Bidding", "Tolvane Game Pack v 1.0", "Bidding",
                                                "Nil Bid?", "Play Again?", "Bidding"}));
    EXPECT_EQ(s.table.teamscore, (std::array<int, 2>{0, 0})) << "Yes starts a new game";
    EXPECT_TRUE(s.Frame1.Visible);
    EXPECT_TRUE(s.Enabled);
    bid(s, 4);
    runUntilUser(s);
    EXPECT_NE(playUserCard(s), 0) << "the new game plays";
}

TEST_F(SpadesGame, StartGameMidTrickStopsTheOldHandsTimers) {
    spades& s = openWith(kTheirHand, 3);
    bid(s, 4);
    advance(1000);
    ASSERT_NE(s.table.trickslot[4], 0) << "seat 4 has led";
    ASSERT_TRUE(s.Timer1.Enabled);
    boxes.expect("Bidding", platform::vbOK);
    chooseMenu(s.start);
    EXPECT_TRUE(idle(s));
    EXPECT_EQ(s.table.trickslot, (std::array<int, 5>{}));
    EXPECT_EQ(s.table.tricksuit, (std::array<core::MaybeSuit, 5>{}));
    EXPECT_EQ(s.table.bestvalue, 0);
    const auto deal = s.table.deckorder;
    advance(10000);
    for (int slot = 1; slot <= 52; ++slot) EXPECT_EQ(s.table.tag[slot], spadesrules::kHeld) << "no card of the new deal is played";
    EXPECT_EQ(s.table.deckorder, deal);
    EXPECT_TRUE(s.Frame1.Visible);
}

TEST_F(SpadesGame, StartGameWhileTheTrickIsSweptStopsTheSweep) {
    spades& s = openWith(kTheirHand, 3);
    bid(s, 4);
    runUntilUser(s);
    playUserCard(s);
    advance(1015);
    ASSERT_TRUE(s.Timer3.Enabled);
    boxes.expect("Bidding", platform::vbOK);
    chooseMenu(s.start);
    advance(5000);
    EXPECT_TRUE(idle(s));
    EXPECT_EQ(s.table.trickswon, (std::array<int, 5>{}));
    EXPECT_EQ(s.table.cardsleft, 13);
    for (int k = 1; k <= 13; ++k) EXPECT_EQ(s.Shape1[k].FillColor.get(), platform::RGB(128, 128, 0)) << k;
}

TEST_F(SpadesGame, StartGameClosesAnOpenTrade) {
    spades& s = openTable();
    boxes.expect("Blind Nil?", platform::vbYes);
    boxes.expect("Bidding", platform::vbOK);
    endHand(s, 0, 150);
    click(s.Image1[42]);
    ASSERT_EQ(s.table.tradecount, 1);
    boxes.expect("Bidding", platform::vbOK);
    chooseMenu(s.start);
    EXPECT_EQ(s.table.tradephase, 0);
    EXPECT_EQ(s.table.tradecount, 0);
    EXPECT_FALSE(s.Command5.Visible);
    EXPECT_TRUE(s.Frame1.Enabled);
    EXPECT_TRUE(s.Frame1.Visible);
    click(s.Image1[44]);
    EXPECT_EQ(s.Image1[44].Top, s.table.handtop) << "clicks raise nothing now";
    const auto asked = boxes.shown().size();
    bid(s, 3);
    EXPECT_EQ(boxes.shown().size(), asked + 1) << "the Nil question is asked again";
    EXPECT_EQ(s.Label14.Caption.get(), "");
}

}  // namespace
