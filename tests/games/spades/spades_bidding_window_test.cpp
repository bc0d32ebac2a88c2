#include "spades_fixture.h"

#include "core/cards.h"

#include <string>

namespace {

using spadestest::Seats;

// The user's row: a spread of suits; the partner: 12 spades and a heart; both opponents low.
const Seats kHiDeal{"AS KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2H", "", "2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AC", ""};
// The partner: eleven spades and two kings, so fewer than two cards lie below its highest.
const Seats kFewDeal{"KH KD AS KS QS JS TS 9S 8S 7S 6S 5S 4S", "", "2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AC", ""};

class SpadesBidding : public SpadesTest {
protected:
    // Their team leads by 100 when the next hand is dealt: the offer comes first, answered Yes.
    spades& openWithBlindNil(const Seats& seats, int dealer = 1) {
        spades& s = openTable();
        boxes.expect("Blind Nil?", platform::vbYes);
        boxes.expect("Bidding", platform::vbOK);
        endHand(s, 0, 100);
        deal(s, seats, dealer);
        return s;
    }
};

TEST_F(SpadesBidding, ABidButtonMakesTheTeamBidAndTheSeatAfterTheDealerLeads) {
    const struct { int dealer, first; bool nil; } cases[] = {{1, 2, false}, {2, 3, true}, {3, 4, false}, {4, 1, true}};
    for (auto c : cases) {
        SCOPED_TRACE(c.dealer);
        spades& s = openWith({"", "", "AH 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC", ""}, c.dealer);
        const int suggestion = s.table.bid[1];
        bid(s, 4, c.nil);
        EXPECT_FALSE(s.Frame1.Visible);
        EXPECT_EQ(boxes.shown().back().prompt, "Would You like to make a personal Nil Bid?");
        EXPECT_EQ(boxes.shown().back().style, 68);
        EXPECT_EQ(s.Label14.Caption.get(), c.nil ? "Nil Bid" : "");
        EXPECT_EQ(s.table.bid[1], 4) << "the partner's suggestion was " << suggestion;
        EXPECT_EQ(s.table.bid[3], 4);
        EXPECT_EQ(s.table.turn, c.first);
        EXPECT_EQ(s.table.leader, c.first);
        EXPECT_EQ(s.Timer1.Enabled.get(), c.first != 3);
        EXPECT_EQ(s.table.cardrank[slotOf(s, "AH")], 14);
        for (int k = 1; k <= 13; ++k) EXPECT_EQ(s.Shape3[k].Visible.get(), k <= 4) << k;
        s.Unload();
        settle();
    }
}

TEST_F(SpadesBidding, ABidOfNothingShowsNoCircleAndThirteenShowsAll) {
    for (int teambid : {0, 13}) {
        spades& s = openTable();
        bid(s, teambid);
        for (int k = 1; k <= 13; ++k) EXPECT_EQ(s.Shape3[k].Visible.get(), teambid == 13) << k;
        for (int k = 1; k <= 13; ++k) EXPECT_EQ(s.Shape3[k].FillColor.get(), platform::RGB(128, 128, 0));
        s.Unload();
        settle();
    }
}

TEST_F(SpadesBidding, AComputerNilIsShownBesideItsSeat) {
    spades& s = openWith({"", "2C 3C 4C 5C 6C 7C 8C 9C TC JC 2D 3D 4D", "", ""}, 1);
    EXPECT_EQ(s.table.nilbid[2], -1);
    EXPECT_EQ(s.Label13.Caption.get(), "Nil Bid");
    for (platform::Label* other : {&s.Label12, &s.Label14, &s.Label15}) EXPECT_EQ(other->Caption.get(), "");
}

TEST_F(SpadesBidding, NoBlindNilIsOfferedUntilTheirTeamLeadsByHundred) {
    spades& s = openTable();
    boxes.expect("Bidding", platform::vbOK);
    endHand(s, 0, 99);
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown().back().title, "Bidding");
    EXPECT_EQ(s.table.tradephase, 0);
    EXPECT_FALSE(s.Command5.Visible);

    boxes.expect("Blind Nil?", platform::vbNo);
    boxes.expect("Bidding", platform::vbOK);
    endHand(s, 0, 100);
    EXPECT_EQ(boxes.shown()[2].prompt, "Would you like to place a personal Blind Nil bid?");
    EXPECT_EQ(boxes.shown()[2].style, 68);
    EXPECT_FALSE(s.Command5.Visible) << "No bids as usual";
    EXPECT_TRUE(s.Frame1.Enabled);
}

TEST_F(SpadesBidding, TheTradeRaisesTwoCardsAndGivesThemForThePartnersTwo) {
    spades& s = openWithBlindNil(kFewDeal);
    EXPECT_TRUE(s.Command5.Visible);
    EXPECT_FALSE(s.Command5.Enabled);
    EXPECT_EQ(s.Command5.Caption.get(), "Trade");
    EXPECT_TRUE(s.Frame1.Visible);
    EXPECT_FALSE(s.Frame1.Enabled);
    click(s.Command3[5]);
    EXPECT_TRUE(s.Frame1.Visible) << "the bid buttons wait for the trade";

    const int top = s.table.handtop;
    click(s.Image1[51]);
    click(s.Image1[52]);
    EXPECT_EQ(s.Image1[51].Top, top - 100);
    EXPECT_TRUE(s.Command5.Enabled);
    click(s.Image1[40]);
    EXPECT_EQ(s.Image1[40].Top, top) << "a third card stays down";
    click(s.Image1[51]);
    EXPECT_EQ(s.Image1[51].Top, top);
    EXPECT_FALSE(s.Command5.Enabled);
    click(s.Image1[30]);
    EXPECT_FALSE(s.Command5.Enabled) << "the partner's cards do not rise";
    click(s.Image1[50]);
    EXPECT_TRUE(s.Command5.Enabled);
    EXPECT_TRUE(sounds.played().empty());

    click(s.Command5);
    EXPECT_EQ(s.Label14.Caption.get(), "Blind Nil");
    EXPECT_EQ(s.Command5.Caption.get(), "Start");
    // Neither king lies below the partner's highest card: it gives them both all the same.
    EXPECT_EQ(s.table.deckorder[50], spadestest::code("KH"));
    EXPECT_EQ(s.table.deckorder[52], spadestest::code("KD"));
    EXPECT_EQ(s.table.deckorder[27], spadestest::code("QC"));
    EXPECT_EQ(s.table.deckorder[28], spadestest::code("AC"));
    EXPECT_TRUE(showsFile(s.Image1[50], core::facefile(spadestest::code("KH"))));
    EXPECT_TRUE(showsFile(s.Image1[52], core::facefile(spadestest::code("KD"))));
    EXPECT_TRUE(showsFile(s.Image1[27], core::backfile)) << "the partner's hand stays hidden";
    EXPECT_EQ(s.Image1[50].Top, top - 100) << "the cards received stay raised";
    EXPECT_EQ(s.table.cardrank[50], 13);
    EXPECT_EQ(spadesrules::suitcountOf(s.table, 3, core::Suit::Hearts), 1);
    click(s.Image1[50]);
    EXPECT_EQ(s.Image1[50].Top, top - 100) << "the trade is over";

    click(s.Command5);
    EXPECT_FALSE(s.Command5.Visible);
    EXPECT_TRUE(s.Frame1.Enabled);
    for (int slot = 40; slot <= 52; ++slot) EXPECT_EQ(s.Image1[slot].Top, top) << slot;
    const auto asked = boxes.shown().size();
    click(s.Command3[5]);
    EXPECT_EQ(boxes.shown().size(), asked) << "no Nil question after a Blind Nil";
    EXPECT_EQ(s.table.blindnil[3], -1);
    EXPECT_EQ(s.table.nilbid[3], 0);
    EXPECT_EQ(s.table.bid[1], 5);
}

TEST_F(SpadesBidding, APartnerWithTwelveSpadesSaysHiAndGivesItsFirstTwoSlots) {
    spades& s = openWithBlindNil(kHiDeal);
    click(s.Image1[40]);
    click(s.Image1[41]);
    boxes.expect("HI", platform::vbOK);
    click(s.Command5);
    ASSERT_EQ(boxes.shown().back().prompt, "HI");
    EXPECT_EQ(boxes.shown().back().style, 0);
    EXPECT_EQ(boxes.shown().back().title, "Tolvane Game Pack v 1.0") << "untitled: the program's title";
    EXPECT_EQ(s.table.deckorder[40], spadestest::code("AS"));
    EXPECT_EQ(s.table.deckorder[41], spadestest::code("KS"));
    EXPECT_EQ(s.table.deckorder[27], spadestest::code("2C"));
    EXPECT_EQ(s.table.deckorder[28], spadestest::code("3C"));
    EXPECT_EQ(spadesrules::suitcountOf(s.table, 3, core::Suit::Spades), 2);
    EXPECT_EQ(spadesrules::suitcountOf(s.table, 1, core::Suit::Spades), 10);
}

TEST_F(SpadesBidding, ASecondBlindNilInTheSameOpeningTradesAgain) {
    spades& s = openWithBlindNil(kFewDeal);
    click(s.Image1[40]);
    click(s.Image1[41]);
    click(s.Command5);
    click(s.Command5);
    bid(s, 3);
    boxes.expect("Blind Nil?", platform::vbYes);
    boxes.expect("Bidding", platform::vbOK);
    endHand(s, -50, 60);
    deal(s, kHiDeal, 1);
    EXPECT_EQ(s.Command5.Caption.get(), "Trade");
    EXPECT_TRUE(s.Command5.Visible);
    EXPECT_EQ(s.Label14.Caption.get(), "") << "the last hand's mark is gone";
    click(s.Image1[45]);
    click(s.Image1[46]);
    boxes.expect("HI", platform::vbOK);
    click(s.Command5);
    EXPECT_EQ(s.table.deckorder[45], spadestest::code("AS"));
    EXPECT_EQ(s.table.deckorder[46], spadestest::code("KS"));
    EXPECT_EQ(s.table.giveslots, (std::array<int, 3>{0, 27, 28}));
}

TEST_F(SpadesBidding, TheTradeComparesTheRowExactlyAtEverySize) {
    for (auto [w, h] : {std::pair{800, 600}, std::pair{640, 480}}) {
        SCOPED_TRACE(w);
        setScreen(w, h);
        spades& s = openWithBlindNil(kFewDeal);
        const int top = s.table.handtop;
        click(s.Image1[44]);
        EXPECT_EQ(s.Image1[44].Top, top - 100);
        click(s.Image1[44]);
        EXPECT_EQ(s.Image1[44].Top, top) << "lowered to the row";
        click(s.Image1[44]);
        click(s.Image1[47]);
        EXPECT_TRUE(s.Command5.Enabled);
        click(s.Command5);
        EXPECT_EQ(s.table.tradeslots, (std::array<int, 3>{0, 44, 47}));
        click(s.Command5);
        for (int slot = 40; slot <= 52; ++slot) EXPECT_EQ(s.Image1[slot].Top, top) << slot;
        s.Unload();
        settle();
    }
}

}  // namespace
