#include "gin_fixture.h"

#include "games/gin/gin_computer.h"
#include "games/gin/gin_scoring.h"

#include "core/cards.h"
#include "core/numbers.h"
#include "platform/files.h"

#include <string>

using namespace ginrules;

namespace {

constexpr const char* kComputerLoose = "2H 5H 8H JH 3C 7C QC 4D JD KS";  // 69 unmatched
constexpr const char* kUsersRuns = "AS 2S 3S 4C 5C 6C 7D 8D 9D";

class GinHand : public GinTest {
protected:
    // The computer takes the king of clubs the user throws, completes its run and knocks with the
    // five of diamonds or the six of spades left.
    gin& openForAKnockInTheComputersTurn() {
        return openWith("2H 3H 4H 8S 8C 8H JC QC 5D 6S", std::string(kUsersRuns) + " TH", "QS", "KC", 4);
    }
    void expectComputerFaceUp(const gin& g) {
        for (int slot = 1; slot <= 52; ++slot) {
            if (inHand(g.table.tag[slot], ginrules::kComputer)) {
                EXPECT_TRUE(faceUp(g, slot)) << slot;
            }
        }
    }
};


struct ScoreLines {
    std::string unmatched, total, computerTotal, computerUnmatched;
};

void expectScore(const ginscore& s, const gin& g, const ScoreLines& lines, bool dealsnext) {
    EXPECT_EQ(s.Label1.Caption.get(), g.Label1.Caption.get());
    EXPECT_EQ(s.Label2.Caption.get(), g.Label2.Caption.get());
    EXPECT_EQ(s.Label5.Caption.get(), lines.unmatched);
    EXPECT_EQ(s.Label6.Caption.get(), lines.total);
    EXPECT_EQ(s.Label8.Caption.get(), lines.computerTotal);
    EXPECT_EQ(s.Label7.Caption.get(), lines.computerUnmatched);
    EXPECT_EQ(s.dealsnext, dealsnext);
}

TEST_F(GinHand, TheUsersGinEndsTheHandAndClosingTheScoreDealsTheNext) {
    gin& g = openWith(kComputerLoose, std::string(kUsersRuns) + " KH", "TS", "TD");
    boxes.expect("You have reached Gin", platform::vbOK);
    drawAndDiscard(g, "KH");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Gin");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "94") << "the computer's 69 and 25";
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "0");
    expectComputerFaceUp(g);
    EXPECT_FALSE(g.Timer1.Enabled) << "nothing more of the hand is played";
    EXPECT_FALSE(g.Command5.Enabled);
    EXPECT_FALSE(g.Command8.Enabled);
    EXPECT_EQ(g.table.turn, 0);
    ASSERT_NE(score(), nullptr);
    EXPECT_TRUE(score()->Visible);
    EXPECT_EQ(score()->Caption.get(), "Gin Rummy Score");
    expectScore(*score(), g, {"0", "94", "0", "69"}, true);
    EXPECT_FALSE(g.Enabled);

    const auto hand = g.table.deckorder;
    close(*score());
    EXPECT_EQ(score(), nullptr);
    EXPECT_TRUE(g.Enabled);
    EXPECT_NE(g.table.deckorder, hand) << "a fresh hand";
    EXPECT_FALSE(g.table.handover);
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "94") << "the totals carry on";
    EXPECT_EQ(g.Timer1.Enabled.get(), g.table.turn == ginrules::kComputer);
}

TEST_F(GinHand, ADealtGinEndsTheHandOnceTheUsersFirstAndNobodyPlaysOn) {
    const char* computersGin = "AH 2H 3H 4D 5D 6D 7C 8C 9C TC";
    const struct {
        const char* what;
        const char* user;
        const char* message;
        ScoreLines lines;
    } cases[] = {
        {"both gin: only the user's counts", "AS 2S 3S 4C 5C 6C 7D 8D 9D TD", "You have reached Gin",
         {"0", "25", "0", "0"}},
        {"the computer's gin", "AS 2S 3S 4C 5C 6C 7D 8D 9D KD", " has reached Gin", {"10", "0", "35", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t before = boxes.shown().size();
        boxes.expect(c.message, platform::vbOK);
        gin& g = openWith(computersGin, c.user, "KS", "", 4, ginrules::kComputer);
        ASSERT_EQ(boxes.shown().size(), before + 1) << "one end of the hand is reported";
        EXPECT_EQ(boxes.shown().back().title, "Gin");
        if (c.lines.unmatched != "0") {
            EXPECT_EQ(boxes.shown().back().prompt, g.Label2.Caption + " has reached Gin");
        }
        EXPECT_EQ(g.table.turn, 0) << "no first player";
        EXPECT_FALSE(g.Timer1.Enabled) << "no computer turn behind the score window";
        EXPECT_FALSE(g.Label1.Font.Bold || g.Label2.Font.Bold);
        expectComputerFaceUp(g);
        ASSERT_NE(score(), nullptr);
        expectScore(*score(), g, c.lines, true);
        advance(3000);
        EXPECT_EQ(boxes.shown().size(), before + 1);
        g.Unload();
        settle();
    }
}

TEST_F(GinHand, TheComputersDealtKnockLetsTheUserLayOffAndUndercut) {
    boxes.expect("Knocks", platform::vbOK);
    boxes.expect("Your total of unmatched card is smaller!", platform::vbOK);
    gin& g = openWith("2H 3H 4H 8S 8C 8H JC QC KC 9S", std::string(kUsersRuns) + " 5H", "KS", "", 4);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].prompt, g.Label2.Caption + " Knocks");
    EXPECT_EQ(boxes.shown()[0].title, "Knocks");
    EXPECT_EQ(boxes.shown()[1].title, "Card Totals");
    EXPECT_EQ(std::to_string(g.table.unmatched[kUser]), "0") << "the five of hearts is laid off";
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "29") << "9 - 0 + 20";
    expectComputerFaceUp(g);
    ASSERT_NE(score(), nullptr);
    expectScore(*score(), g, {"0", "29", "0", "9"}, true);
}

TEST_F(GinHand, TheUsersKnockLetsTheComputerLayOffAndMayBeUndercut) {
    gin& g = openWith("2H 3H 4H JC QC KC TS TH TD 4S", std::string(kUsersRuns) + " 8H", "QS", "KH");
    drawAndDiscard(g);
    ASSERT_TRUE(g.Command5.Enabled);
    boxes.expect("Your total of unmatched card is Larger!", platform::vbOK);
    click(g.Command5);
    EXPECT_EQ(boxes.shown().at(0).title, "Card Totals");
    EXPECT_EQ(std::to_string(g.table.unmatched[kComputer]), "0") << "the four of spades is laid off onto the user's run";
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "28") << "8 - 0 + 20";
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "0");
    expectComputerFaceUp(g);
    ASSERT_NE(score(), nullptr);
    expectScore(*score(), g, {"8", "0", "28", "0"}, true);
    EXPECT_FALSE(g.Timer1.Enabled);
}

TEST_F(GinHand, TheComputersKnockInItsTurnComesBeforeItsDiscardShows) {
    gin& g = openForAKnockInTheComputersTurn();
    drawAndDiscard(g);
    ASSERT_TRUE(takesPile(g.table));
    boxes.expect("Knocks", platform::vbOK);
    computerTurn();
    ASSERT_EQ(boxes.shown().size(), 1u);
    const int left = g.table.unmatched[kComputer];
    EXPECT_TRUE(left == 5 || left == 6) << left;
    EXPECT_EQ(std::to_string(g.table.unmatched[kUser]), "10");
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), std::to_string(10 - left));
    EXPECT_TRUE(faceUp(g, pileTop(g.table))) << "the tick still turns its discard";
    EXPECT_FALSE(g.Timer1.Enabled);
    ASSERT_NE(score(), nullptr);
    expectScore(*score(), g, {"10", "0", std::to_string(10 - left), std::to_string(left)}, true);
}

TEST_F(GinHand, FromTheMenuTheScoreShowsTheHandSoFarAndClosingDealsNothing) {
    gin& g = openWith(kComputerLoose, std::string(kUsersRuns) + " TH", "TS", "KH");
    g.table.gamescore = {0, 40, 55};
    chooseMenu(g.score);
    ASSERT_NE(score(), nullptr);
    expectScore(*score(), g, {"10", "40", "55", ""}, false);
    EXPECT_FALSE(g.Enabled);
    const auto hand = g.table.tag;
    close(*score());
    EXPECT_TRUE(g.Enabled);
    EXPECT_EQ(g.table.tag, hand);
    drawAndDiscard(g);
    EXPECT_EQ(g.table.turn, ginrules::kComputer) << "the hand goes on";
}

TEST_F(GinHand, AHandEndingWhileTheMenusScoreIsOpenRewritesItAndItsCloseDeals) {
    gin& g = openForAKnockInTheComputersTurn();
    drawAndDiscard(g);
    chooseMenu(g.score);
    expectScore(*score(), g, {"10", "0", "0", ""}, false);
    boxes.expect("Knocks", platform::vbOK);
    computerTurn();
    ASSERT_EQ(boxes.shown().size(), 1u);
    const std::string left = std::to_string(g.table.unmatched[kComputer]);
    expectScore(*score(), g, {"10", "0", std::to_string(10 - core::toInt(left)), left}, true);
    const auto hand = g.table.deckorder;
    close(*score());
    EXPECT_NE(g.table.deckorder, hand);
    EXPECT_TRUE(g.Enabled);
}

TEST_F(GinHand, ADealThatEndsAtOnceOpensAFreshScoreWindowOnceTheOldOneHasGone) {
    gin& g = openWith(kComputerLoose, std::string(kUsersRuns) + " KH", "TS", "TD");
    boxes.expect("You have reached Gin", platform::vbOK);
    drawAndDiscard(g, "KH");
    ginscore* old = score();
    ASSERT_NE(old, nullptr);
    // The next deal is a gin dealt to the user: the hand ends as the deal judges it. The deal after
    // it is shuffled as usual.
    bool oldGoneAtTheDeal = false;
    int deals = 0;
    ginscore::connect({
        [] { return static_cast<platform::Form*>(platform::loaded<gin>()); },
        [] { return platform::loaded<gin>()->scorevalues(); },
        [&] {
            if (deals++) return g.getcards();
            oldGoneAtTheDeal = score() == nullptr;
            g.dealKnown(gintest::deal(kComputerLoose, "AS 2S 3S 4C 5C 6C 7D 8D 9D TD", "KH"));
        },
    });
    boxes.expect("You have reached Gin", platform::vbOK);
    close(*old);
    EXPECT_TRUE(oldGoneAtTheDeal);
    EXPECT_EQ(boxes.shown().size(), 2u);
    ASSERT_NE(score(), nullptr);
    EXPECT_TRUE(score()->Visible);
    EXPECT_FALSE(g.Enabled);
    expectScore(*score(), g, {"0", "188", "0", "69"}, true);
    boxes.expect("You Win! Play again?", platform::vbNo);
    close(*score());
    EXPECT_EQ(boxes.shown().size(), 3u) << "the end of the game is tested once the last score window closes";
    EXPECT_TRUE(g.Enabled);
    EXPECT_EQ(score(), nullptr);
}

TEST_F(GinHand, AnEmptyStockEndsTheHandAsDeadForEitherDrawer) {
    for (const bool computerDraws : {false, true}) {
        SCOPED_TRACE(computerDraws ? "the computer's draw" : "the user's click");
        gin& g = openWith(kComputerLoose, std::string(kUsersRuns) + " TH", "TS");
        g.table.gamescore = {0, 30, 20};
        emptyStock(g);
        if (computerDraws) {
            g.table.turn = ginrules::kComputer;
            ASSERT_FALSE(takesPile(g.table));
            g.Timer1.Enabled = true;
        }
        const auto tags = g.table.tag;
        const int pile = g.table.pilecount;
        boxes.expect("The stock is empty. No score this hand.", platform::vbOK);
        if (computerDraws)
            computerTurn();
        else
            click(g.Image2);
        ASSERT_EQ(boxes.shown().size(), computerDraws ? 2u : 1u);
        EXPECT_EQ(boxes.shown().back().title, "Gin");
        EXPECT_EQ(g.table.tag, tags) << "no card moves";
        EXPECT_EQ(g.table.pilecount, pile);
        EXPECT_FALSE(g.Timer1.Enabled);
        expectComputerFaceUp(g);
        ASSERT_NE(score(), nullptr);
        expectScore(*score(), g, {"10", "30", "20", "69"}, true);
        close(*score());
        EXPECT_EQ(g.table.stockcount, 31) << "the next hand has its stock";
        g.Unload();
        settle();
    }
}

}  // namespace
