#include "gin_fixture.h"

#include "games/gin/gin_computer.h"

#include "core/cards.h"

#include <string>

using namespace ginrules;

namespace {

using GinTurn = GinTest;

// Neither hand melds much: the computer's holds no pair and no suit neighbours of the cards it
// will see; the user's is three runs and one card more.
constexpr const char* kComputer = "2H 5H 8H JH 3C 7C QC 4D JD KS";
constexpr const char* kUsersRuns = "AS 2S 3S 4C 5C 6C 7D 8D 9D";

TEST_F(GinTurn, AClickOnTheStockDrawsItsTopCardOnce) {
    gin& g = openWith(kComputer, std::string(kUsersRuns) + " TH", "TS", "KH");
    const int top = slotOf(g, "KH");
    ASSERT_EQ(top, 22);
    click(g.Image2);
    EXPECT_EQ(g.table.tag[top], 211);
    EXPECT_TRUE(faceUp(g, top));
    EXPECT_NEAR(g.Image1[top].Left, 5680, 0.01);
    EXPECT_NEAR(g.Image1[top].Top, 5520, 0.01);
    EXPECT_EQ(g.table.drawn, -1);
    EXPECT_EQ(g.table.stockcount, 30);
    EXPECT_EQ(g.table.tag[23], 1) << "the stock moves up: its next card is tagged 1";
    EXPECT_EQ(g.table.tag[52], 30);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    const auto tags = g.table.tag;
    click(g.Image2);
    EXPECT_EQ(g.table.tag, tags) << "one draw a turn";
    EXPECT_EQ(sounds.played().size(), 1u) << "and no sound for the second click";
}

TEST_F(GinTurn, TheTopDiscardTakenAndDiscardedAtOnceReturnsToThePile) {
    gin& g = openWith(kComputer, std::string(kUsersRuns) + " TH", "TS", "KH");
    const int pile = slotOf(g, "TS");
    click(g.Image1[pile]);
    EXPECT_EQ(g.table.tag[pile], 211);
    EXPECT_EQ(g.table.pilecount, 0);
    EXPECT_NEAR(g.Image1[pile].Left, 5680, 0.01);
    EXPECT_NEAR(g.Image1[pile].Top, 5520, 0.01);
    click(g.Image1[pile]);
    EXPECT_EQ(g.table.tag[pile], 301);
    EXPECT_NEAR(g.Image1[pile].Left, 5380, 0.01);
    EXPECT_NEAR(g.Image1[pile].Top, 3400, 0.01);
    EXPECT_EQ(g.table.turn, ginrules::kComputer);
}

TEST_F(GinTurn, DiscardingTheFirstCardClosesUpTheHand) {
    gin& g = openWith(kComputer, std::string(kUsersRuns) + " TH", "TS", "KH");
    drawAndDiscard(g, "AS");
    const char* after[] = {"2S", "3S", "4C", "5C", "6C", "7D", "8D", "9D", "TH", "KH"};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(after[k]);
        EXPECT_EQ(g.table.tag[slotOf(g, after[k])], 201 + k);
        EXPECT_NEAR(card(g, after[k]).Left, 2680 + 300 * k, 0.01);
    }
    EXPECT_EQ(g.table.tag[slotOf(g, "AS")], 302);
}

TEST_F(GinTurn, ClicksOutOfTurnChangeNothing) {
    gin& g = openWith(kComputer, std::string(kUsersRuns) + " TH", "TS", "KH");
    const auto dealt = g.table.tag;
    click(card(g, "2H"));
    click(card(g, "5C"));
    EXPECT_EQ(g.table.tag, dealt) << "a computer card, an own card before the draw";
    EXPECT_EQ(sounds.played().size(), 2u) << "each card click sounds in the user's turn";

    click(g.Image2);
    const auto drawn = g.table.tag;
    click(card(g, "TS"));
    EXPECT_EQ(g.table.tag, drawn) << "the pile after the draw";

    click(card(g, "KH"));
    ASSERT_TRUE(g.Timer1.Enabled) << "ten or more: the computer's turn is pending";
    const auto pending = g.table.tag;
    sounds.clear();
    click(g.Image2);
    click(card(g, "5C"));
    click(card(g, "KH"));
    EXPECT_EQ(g.table.tag, pending);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GinTurn, TenOrMoreHandsOverAtOnceNineOffersKnockAndContinue) {
    const struct {
        const char* last;
        int unmatched;
        bool offered;
    } cases[] = {{"TH", 10, false}, {"9H", 9, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        gin& g = openWith(kComputer, std::string(kUsersRuns) + " " + c.last, "TS", "KH");
        drawAndDiscard(g);
        EXPECT_EQ(std::to_string(g.table.unmatched[kUser]), std::to_string(c.unmatched));
        EXPECT_EQ(g.Command5.Enabled.get(), c.offered);
        EXPECT_EQ(g.Command8.Enabled.get(), c.offered);
        EXPECT_EQ(g.Timer1.Enabled.get(), !c.offered);
        EXPECT_FALSE(g.Label1.Font.Bold);
        EXPECT_TRUE(g.Label2.Font.Bold);
        for (int k = 101; k <= 110; ++k)
            EXPECT_EQ(g.Shape1[k].Visible.get(), k <= 109) << "the nine cards in runs are marked";
        g.Unload();
        settle();
    }
}

TEST_F(GinTurn, ContinueWithdrawsBothButtonsAndTheComputerPlaysASecondLater) {
    gin& g = openWith(kComputer, std::string(kUsersRuns) + " 9H", "TS", "KH");
    drawAndDiscard(g);
    click(g.Command8);
    EXPECT_FALSE(g.Command5.Enabled);
    EXPECT_FALSE(g.Command8.Enabled);
    EXPECT_TRUE(g.Timer1.Enabled);
    const auto before = g.table.tag;
    advance(999);
    EXPECT_EQ(g.table.tag, before);
    advance(1);
    EXPECT_NE(g.table.tag, before);
    EXPECT_EQ(g.table.turn, kUser);
}

TEST_F(GinTurn, TheComputerDrawsDiscardsAndShowsItsDiscard) {
    const struct {
        const char* what;
        const char* pile;
        bool fromPile;
    } cases[] = {{"a king it cannot use: from the stock", "KH", false}, {"a jack to pair: from the pile", "JS", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        gin& g = openWith(kComputer, std::string(kUsersRuns) + " TH", "TS", c.pile);
        drawAndDiscard(g);
        const int discarded = slotOf(g, c.pile);
        ASSERT_EQ(pileTop(g.table), discarded);
        EXPECT_EQ(takesPile(g.table), c.fromPile);
        const int stockTop = slotOfTag(g.table, 1);
        computerTurn();
        EXPECT_FALSE(g.Timer1.Enabled);
        EXPECT_EQ(g.table.turn, kUser);
        EXPECT_TRUE(g.Label1.Font.Bold);
        EXPECT_FALSE(g.Label2.Font.Bold);
        EXPECT_EQ(g.table.pilecount, c.fromPile ? 2 : 3);
        EXPECT_EQ(g.table.stockcount, c.fromPile ? 30 : 29);
        int held = 0;
        for (int slot = 1; slot <= 52; ++slot) {
            if (!inHand(g.table.tag[slot], ginrules::kComputer)) continue;
            ++held;
            EXPECT_TRUE(showsFile(g.Image1[slot], core::backfile)) << slot;
            EXPECT_EQ(g.Image1[slot].Top, 1120);
        }
        EXPECT_EQ(held, 10);
        const int top = pileTop(g.table);
        EXPECT_TRUE(faceUp(g, top)) << "the discard lies face up";
        EXPECT_NEAR(g.Image1[top].Left, 5380, 0.01);
        if (c.fromPile)
            EXPECT_NE(top, discarded) << "a card taken from the pile is not thrown back at once";
        else
            EXPECT_NE(g.table.tag[stockTop], 1) << "the stock's top card was drawn";
        drawAndDiscard(g);
        EXPECT_EQ(g.table.turn, ginrules::kComputer) << "and the user plays on";
        g.Unload();
        settle();
    }
}

TEST_F(GinTurn, NewGameInThePendingSecondCancelsTheComputersTurn) {
    gin& g = openWith(kComputer, std::string(kUsersRuns) + " TH", "TS", "KH");
    drawAndDiscard(g);
    ASSERT_TRUE(g.Timer1.Enabled);
    for (int tries = 0; tries < 10; ++tries) {
        chooseMenu(g.startgamee);
        EXPECT_EQ(g.Timer1.Enabled.get(), g.table.turn == ginrules::kComputer);
        if (g.table.turn == kUser) break;
    }
    ASSERT_EQ(g.table.turn, kUser);
    const auto dealt = g.table.tag;
    advance(3000);
    EXPECT_EQ(g.table.tag, dealt) << "the computer does not move in the user's turn";
    EXPECT_TRUE(g.Label1.Font.Bold);
}

}  // namespace
