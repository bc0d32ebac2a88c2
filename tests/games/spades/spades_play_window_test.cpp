#include "spades_fixture.h"

#include "core/cards.h"
#include "games/spades/spades_layout.h"

#include <string>

namespace {

using spadestest::Seats;

// Seat 4 leads hearts; the user holds no heart.
const Seats kDeal{"2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH", "2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS AS",
                  "2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD AD", "2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AC"};

TEST_F(SpadesTest, AnIllegalClickIsIgnoredAndALegalCardGoesToTheUsersSpot) {
    spades& s = openWith({"", "", "2S 3D 4D 5D 6D 7D 8D 9D TD JD QD KD AD", ""}, 2);
    click(s.Image1[47]);
    EXPECT_EQ(s.Image1[47].Top, s.table.handtop) << "bidding is not over";
    bid(s, 3);
    ASSERT_EQ(s.table.turn, 3);
    sounds.clear();
    click(s.Image1[40]);
    EXPECT_EQ(s.Image1[40].Top, s.table.handtop) << "no spade lead before spades are broken";
    EXPECT_TRUE(sounds.played().empty());
    click(s.Image1[30]);
    EXPECT_EQ(s.table.turn, 3) << "the partner's card is not the user's";
    const double left53 = s.Image1[52].Left;
    const double left48 = s.Image1[48].Left;
    click(s.Image1[47]);
    const spadesrules::Place spot = spadesrules::trickPlace(3, s.scale);
    EXPECT_EQ(s.Image1[47].Left, spot.left);
    EXPECT_EQ(s.Image1[47].Top, spot.top);
    EXPECT_EQ(s.table.tag[47], 13);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_EQ(s.Image1[52].Left, left53 - 300) << "the cards to its right close up";
    EXPECT_EQ(s.Image1[48].Left, left48 - 300);
    EXPECT_EQ(s.Image1[46].Left, spadesrules::slotPlace(46, 1).left) << "the row's left end stays";
    for (int slot = 1; slot <= 52; ++slot) EXPECT_FALSE(s.Image1[slot].Enabled) << slot;
    EXPECT_TRUE(s.Timer1.Enabled);
    EXPECT_EQ(s.table.turn, 4);
}

TEST_F(SpadesTest, ComputerCardsFallOneSecondApartAndTheTrickIsJudgedAndSwept) {
    spades& s = openWith(kDeal, 3);
    bid(s, 2);
    ASSERT_EQ(s.table.turn, 4);
    EXPECT_TRUE(s.Timer1.Enabled);
    sounds.clear();
    advance(999);
    EXPECT_EQ(s.table.tricksuit[4], std::nullopt);
    advance(1);
    const int lead = s.table.trickslot[4];
    ASSERT_NE(lead, 0);
    EXPECT_EQ(s.table.tricksuit[4], core::Suit::Clubs) << "seat 4 holds only clubs";
    EXPECT_TRUE(showsFile(s.Image1[lead], core::facefile(s.table.deckorder[lead])));
    EXPECT_EQ(s.Image1[lead].Width, s.Image1[39].Width) << "turned upright";
    EXPECT_EQ(s.Image1[lead].Left, spadesrules::trickPlace(4, 1).left);
    EXPECT_EQ(s.table.tag[lead], 14);
    advance(1000);
    EXPECT_NE(s.table.trickslot[1], 0);
    advance(1000);
    EXPECT_NE(s.table.trickslot[2], 0);
    EXPECT_EQ(s.table.tricksuit[2], core::Suit::Spades) << "seat 2 trumps while short of its bid";
    EXPECT_FALSE(s.Timer1.Enabled) << "the user's turn";
    EXPECT_EQ(sounds.played().size(), 3u);
    advance(5000);
    EXPECT_EQ(s.table.turn, 3) << "the user completes the trick";
    for (int slot = 40; slot <= 52; ++slot) EXPECT_TRUE(s.Image1[slot].Enabled);

    const int mine = playUserCard(s);
    EXPECT_TRUE(s.Timer2.Enabled) << "the user's card completes seat 4's trick";
    EXPECT_FALSE(s.Timer1.Enabled);
    advance(1000);
    EXPECT_EQ(s.table.winner, 2);
    EXPECT_EQ(sounds.played().back(), "pageturn.wav");
    EXPECT_TRUE(s.Timer3.Enabled);
    advance(15);
    EXPECT_EQ(s.Image1[mine].Left, s.Image1[s.table.trickslot[2]].Left) << "the pile moves as one";
    EXPECT_EQ(s.Image1[mine].Top, s.Image1[s.table.trickslot[2]].Top);
    runUntilUser(s);
    advance(1);
    EXPECT_GE(s.Image1[mine].Left, 20000) << "swept off to the right";
    EXPECT_EQ(s.table.trickswon[2], 1);
    EXPECT_EQ(s.Label6.Caption.get(), "1");
    EXPECT_EQ(s.Label5.Caption.get(), "0");
    EXPECT_EQ(s.Shape1[1].FillColor.get(), platform::RGB(255, 255, 0));
    EXPECT_EQ(s.table.cardsleft, 12);
    EXPECT_EQ(s.table.leader, 2);
}

TEST_F(SpadesTest, AfterATrickTheUserWonNoComputerCardFollowsUntilTheUserLeads) {
    spades& s = openWith({"2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH", "2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AC",
                          "2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS AS", "2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD AD"}, 1);
    bid(s, 13);
    runUntilUser(s);
    const int mine = playUserCard(s);
    EXPECT_EQ(s.table.cardsuit[mine], core::Suit::Spades) << "void in clubs, the user trumps";
    runUntilUser(s);
    EXPECT_EQ(s.table.leader, 3);
    EXPECT_EQ(s.table.trickswon[3], 1);
    const auto trick = s.table.trickslot;
    advance(10000);
    EXPECT_EQ(s.table.trickslot, trick) << "nothing is played";
    EXPECT_TRUE(idle(s));
    click(s.Image1[41]);
    EXPECT_TRUE(s.Timer1.Enabled) << "spades are broken: the user may lead one";
    advance(3000);
    EXPECT_TRUE(s.Timer2.Enabled) << "the user led: seat 2's card completes the trick";
}

TEST_F(SpadesTest, TheWholeHandEndsInTheScoreWindowWithItsFlag) {
    spades& s = openWith(kDeal, 3);
    bid(s, 2);
    playHand(s);
    ASSERT_TRUE(handDone());
    const Spadescore& score = platform::window<Spadescore>();
    EXPECT_FALSE(s.Enabled);
    EXPECT_TRUE(idle(s));
    int tricks = 0;
    for (int seat = 1; seat <= 4; ++seat) tricks += s.table.trickswon[seat];
    EXPECT_EQ(tricks, 13);
    EXPECT_EQ(s.table.trickswon[2], 13) << "thirteen spades take every trick";
    EXPECT_EQ(score.Label8.Caption.get(), "-20") << "our two tricks short";
    EXPECT_EQ(score.Label7.Caption.get(), "58");
    EXPECT_EQ(score.Label6.Caption.get(), "8");
    EXPECT_EQ(score.Label5.Caption.get(), "0");
    EXPECT_EQ(score.Label3.Caption.get(), s.Label16.Caption + "/Guest");
    EXPECT_EQ(score.Label4.Caption.get(), s.Label17.Caption + "/" + s.Label18.Caption);
    for (int k = 1; k <= 13; ++k) {
        EXPECT_EQ(s.Shape1[k].FillColor.get(), platform::RGB(255, 255, 0)) << k;
        EXPECT_EQ(s.Shape1[k].Visible.get(), k <= 5) << "a circle beyond the bid stays hidden";
    }
    for (int slot = 1; slot <= 52; ++slot) EXPECT_FALSE(spadesrules::isHeld(s.table, slot)) << slot;
    boxes.expect("Bidding", platform::vbOK);
    const auto deal = s.table.deckorder;
    close(platform::window<Spadescore>());
    settle();
    EXPECT_TRUE(s.Enabled);
    EXPECT_NE(s.table.deckorder, deal) << "the next hand";
    EXPECT_EQ(s.table.teamscore, (std::array<int, 2>{-20, 58})) << "the totals carry over";
    EXPECT_TRUE(s.Frame1.Visible);
    for (int slot = 40; slot <= 52; ++slot) EXPECT_EQ(s.Image1[slot].Top, s.table.handtop) << "back in the hand";
}

}  // namespace
