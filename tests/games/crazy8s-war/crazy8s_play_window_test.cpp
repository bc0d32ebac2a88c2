#include "crazy8s_fixture.h"

#include "games/crazy8s-war/crazy8s_layout.h"

#include "core/cards.h"

#include <string>
#include <vector>

using namespace crazy8srules;

namespace {

// With the king of hearts to follow, none of these plays: no heart, king or eight.
const std::string kDeadOnKing = "10S JS QS AC 2C 3C 4C 5C 6C 7C 10C JC QC AD 2D 3D 4D 5D 6D 7D 9D";

TEST_F(Crazy8sTest, ACardPlayedGoesOnThePileAndTheComputerAnswersASecondLater) {
    crazy8s& g = openWith(kRaceUser, kRaceCompEight, "2H");
    const int card = image(g, "3H");
    play(g, "3H");
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_EQ(g.Image1[card].Left, g.Image2.Left);
    EXPECT_EQ(g.Image1[card].Top, g.Image2.Top);
    EXPECT_EQ(g.Image1[card].DragMode.get(), platform::vbManual);
    EXPECT_EQ(g.Image1[card].Tag.get(), "39");
    EXPECT_EQ(g.table.activesuit, core::Suit::Hearts);
    EXPECT_EQ(g.table.activerank, 3);
    // The hand closes up: the cards after the played one each move back a slot.
    for (int k = 2; k <= 7; ++k) {
        EXPECT_EQ(g.Image1[k].Left, userslot(k - 1, 1.0f).left) << k;
        EXPECT_EQ(g.Image1[k].Top, userslot(k - 1, 1.0f).top) << k;
    }
    // The pause: nothing of the table answers the user.
    EXPECT_FALSE(g.Command1.Enabled);
    for (int k = 1; k <= 52; ++k) EXPECT_FALSE(g.Image1[k].Enabled) << k;
    click(g.Command1);
    EXPECT_EQ(g.table.playercount, 6);
    advance(999);
    EXPECT_EQ(g.table.compcount, 7) << "the computer waits a second";
    EXPECT_FALSE(g.Command1.Enabled) << "the new deal's own enabling waits for the user's turn";
    advance(1);
    EXPECT_EQ(g.table.compcount, 6);
    EXPECT_EQ(topdiscard(g), image(g, "3C"));
    EXPECT_TRUE(showsFile(g.Image1[image(g, "3C")], core::facefile(gp::cardCode("3C", core::SuitOrder::File))));
    EXPECT_EQ(g.Image1[image(g, "3C")].Left, g.Image2.Left);
    EXPECT_EQ(backsShown(g), 6);
    EXPECT_TRUE(userturn(g));
    EXPECT_TRUE(g.Command1.Enabled);
    EXPECT_EQ(sounds.played().size(), 1u) << "the computer plays without a sound";
    // The drop zone stays in front of the pile: the next card lands on it.
    round(g, "4C");
    EXPECT_EQ(topdiscard(g), image(g, "4D"));
}

TEST_F(Crazy8sTest, AStockDueToOpenStaysClosedOnceTheUserHasPlayed) {
    crazy8s& g = openWith(kRaceUser, kRaceCompEight, "2H");
    ASSERT_TRUE(g.Timer4.running()) << "the new deal's stock is due to open";
    play(g, "3H");
    advance(100);
    EXPECT_FALSE(g.Timer4.running());
    EXPECT_FALSE(g.Command1.Enabled) << "the computer's turn is pending";
    advance(900);
    EXPECT_EQ(g.table.compcount, 6);
    EXPECT_TRUE(g.Command1.Enabled) << "the user's turn again";
}

TEST_F(Crazy8sTest, ACardThatDoesNotFollowChangesNothing) {
    crazy8s& g = openWith(kRaceUser, kRaceCompEight, "2H");
    const int card = image(g, "10D");
    play(g, "10D");
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_EQ(g.Image1[card].Left, userslot(7, 1.0f).left);
    EXPECT_EQ(g.Image1[card].Tag.get(), "100");
    EXPECT_TRUE(g.Command1.Enabled) << "the stock keeps its state";
    EXPECT_TRUE(userturn(g));
    // Nor does a card dropped anywhere but on the pile.
    dragTo(g.Image1[image(g, "3H")], 500, 3000);
    EXPECT_EQ(g.table.playercount, 7);
    advance(2000);
    EXPECT_EQ(g.table.compcount, 7) << "no computer turn follows";
    round(g, "3H");
    EXPECT_EQ(g.table.compcount, 6);
}

TEST_F(Crazy8sTest, TheStockDrawsToTheNextSlotAndTheTwentyEighthCardClosesIt) {
    crazy8s& g = openWith("2H 9C 9S 10D JD QD AS", "AH 3H 4H 5H 6H 7H 9H", "KH", kDeadOnKing);
    click(g.Command1);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_EQ(g.Image1[16].Left, 400);
    EXPECT_EQ(g.Image1[16].Top, 5760);
    EXPECT_TRUE(showsFile(g.Image1[16], core::facefile(gp::cardCode("10S", core::SuitOrder::File))));
    EXPECT_EQ(g.Image1[16].DragMode.get(), platform::vbAutomatic);
    EXPECT_EQ(g.Image1[16].Tag.get(), "100");
    EXPECT_EQ(g.Image1[17].Tag.get(), "1") << "the stock moves up";
    EXPECT_TRUE(userturn(g)) << "drawing does not end the turn";
    for (int k = 1; k < 20; ++k) click(g.Command1);
    EXPECT_TRUE(g.Command1.Enabled);
    click(g.Command1);
    EXPECT_EQ(g.table.playercount, 28);
    EXPECT_EQ(g.Image1[36].Left, 8200);
    EXPECT_EQ(g.Image1[36].Top, 6360);
    EXPECT_FALSE(g.Command1.Enabled) << "28 cards, one of them a heart to play";
    round(g, "2H");
    EXPECT_EQ(g.table.compcount, 6);
    EXPECT_TRUE(g.Command1.Enabled) << "27 cards: the user may draw again";
}

TEST_F(Crazy8sTest, AUserWithNothingToPlayOrDrawPassesByClickingTheStock) {
    crazy8s& g = openWith("2S 3S 4S 5S 6S 7S 9S", "AH 2H 3H 4H 5H 6H 7H", "KH", kDeadOnKing);
    for (int k = 0; k < 21; ++k) click(g.Command1);
    ASSERT_EQ(g.table.playercount, 28);
    EXPECT_TRUE(g.Command1.Enabled) << "nothing in the hand plays";
    sounds.clear();
    click(g.Command1);
    EXPECT_EQ(g.table.playercount, 28);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_FALSE(g.Command1.Enabled);
    EXPECT_FALSE(g.Image1[1].Enabled);
    advance(999);
    EXPECT_EQ(g.table.compcount, 7);
    advance(1);
    EXPECT_EQ(topdiscard(g), image(g, "AH"));
    EXPECT_TRUE(userturn(g));
    EXPECT_FALSE(g.Command1.Enabled) << "28 cards, and the aces of clubs and diamonds follow the ace now";
}

TEST_F(Crazy8sTest, AComputerWithNothingToPlayOrDrawPassesAndTheUserPlaysOn) {
    // The queen of hearts leaves the computer nothing but draws: it fills its hand to 28 and passes.
    const std::string deadOnQueen = "10S JS KS AC 2C 3C 4C 5C 6C 7C 10C JC KC AD 2D 3D 4D 5D 6D 7D 9D";
    crazy8s& g = openWith("QH 2H 3H 4H 5H 6H 7H", "AS 2S 3S 4S 5S 6S 7S", "KH", deadOnQueen);
    round(g, "QH");
    EXPECT_EQ(g.table.compcount, 28);
    EXPECT_EQ(backsShown(g), 28);
    EXPECT_EQ(topdiscard(g), image(g, "QH"));
    for (int k = 16; k <= 36; ++k) {
        EXPECT_EQ(g.Image1[k].Tag.get(), "200") << k;
        EXPECT_EQ(g.Image1[k].Top, compslot(g.table.slot[k], 1.0f).top) << k;
        EXPECT_TRUE(showsFile(g.Image1[k], core::backfile)) << k;
    }
    EXPECT_TRUE(userturn(g));
    EXPECT_TRUE(g.Command1.Enabled);
    round(g, "2H");
    EXPECT_EQ(topdiscard(g), image(g, "2S")) << "the two of spades follows by rank";
    EXPECT_EQ(g.table.compcount, 27);
}

TEST_F(Crazy8sTest, NewGameDropsTheComputersWaitingTurn) {
    crazy8s& g = openWith(kRaceUser, kRaceCompEight, "2H");
    play(g, "3H");
    advance(500);
    chooseMenu(g.newgame);
    EXPECT_FALSE(g.Timer3.Enabled);
    advance(2000);
    EXPECT_EQ(g.table.compcount, 7);
    EXPECT_EQ(g.table.playercount, 7);
    EXPECT_EQ(g.table.discardtag, 38);
    EXPECT_TRUE(userturn(g));
    EXPECT_TRUE(g.Command1.Enabled);
    EXPECT_EQ(backsShown(g), 7);
}

}  // namespace
