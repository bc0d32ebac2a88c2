#include "spades_fixture.h"

#include "platform/files.h"

#include <string>

namespace {

using SpadesScore = SpadesTest;

TEST_F(SpadesScore, ViewScoreMidHandShowsTheTotalsAndClosingOnlyFreesTheTable) {
    open<gp::mainstandin>().Label1.Caption = "Marit";
    boxes.expect("Bidding", platform::vbOK);
    spades& s = open<spades>();
    bid(s, 3);
    advance(2500);
    s.table.teamscore = {-40, 120};
    s.table.bags = {3, 11};
    const auto trick = s.table.trickslot;
    chooseMenu(s.scorecard);
    Spadescore* score = platform::loaded<Spadescore>();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->Caption.get(), "Score");
    EXPECT_TRUE(score->Visible);
    EXPECT_FALSE(s.Enabled);
    EXPECT_EQ(score->Label3.Caption.get(), s.Label16.Caption + "/Marit");
    EXPECT_EQ(score->Label4.Caption.get(), s.Label17.Caption + "/" + s.Label18.Caption);
    EXPECT_EQ(score->Label5.Caption.get(), "3");
    EXPECT_EQ(score->Label6.Caption.get(), "11");
    EXPECT_EQ(score->Label8.Caption.get(), "-40");
    EXPECT_EQ(score->Label7.Caption.get(), "120");
    EXPECT_FALSE(score->handdone) << "no flag from the menu";
    EXPECT_GE(score->ScaleHeight(), score->Label7.Top + score->Label7.Height) << "the score row shows whole";
    close(*score);
    settle();
    EXPECT_EQ(platform::loaded<Spadescore>(), nullptr);
    EXPECT_TRUE(s.Enabled);
    EXPECT_EQ(s.table.trickslot, trick) << "the hand goes on where it was";
    EXPECT_EQ(boxes.shown().size(), 2u) << "the suggestion and the Nil question only";
}

struct EndCase {
    const char* target;
    int ours, theirs;
    const char* prompt;  // empty: the next hand
};

TEST_F(SpadesScore, ClosedAfterAHandItDecidesTheGameByTheTarget) {
    const EndCase cases[] = {
        {"200", 205, 150, "You Win, Play again?"},
        {"200", 150, 210, "You Lost, Play again?"},
        {"250", -250, 300, "You Lost, Play again?"},
        {"250", 40, -260, "You Win, Play again?"},
        {"400", 390, -100, ""},
        {"400", 400, 420, "You Win, Play again?"},
        // A target that is no positive whole number plays to 250.
        {"", 240, 0, ""},
        {"abc", 250, 0, "You Win, Play again?"},
        {"0", 20, -10, ""},
        {"300", 260, 0, ""},
        {"300", 300, 0, "You Win, Play again?"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target) + " " + std::to_string(c.ours) + " : " + std::to_string(c.theirs));
        platform::writeSetting("\\Data\\spadesto.dat", c.target);
        spades& s = openTable();
        if (*c.prompt)
            boxes.expect(c.prompt, platform::vbNo);
        else
            boxes.expect("Bidding", platform::vbOK);
        const auto deal = s.table.deckorder;
        endHand(s, c.ours, c.theirs);
        const platform::BoxRequest& asked = boxes.shown().back();
        if (*c.prompt) {
            EXPECT_EQ(asked.title, "Play Again?");
            EXPECT_EQ(asked.style, 68);
            EXPECT_EQ(s.table.deckorder, deal) << "No leaves the finished table";
            EXPECT_EQ(s.table.teamscore, (std::array<int, 2>{c.ours, c.theirs}));
        } else {
            EXPECT_NE(s.table.deckorder, deal) << "the next hand is dealt";
            EXPECT_TRUE(s.Frame1.Visible);
        }
        EXPECT_TRUE(s.Enabled);
        EXPECT_EQ(platform::loaded<Spadescore>(), nullptr);
        s.Unload();
        settle();
    }
}

TEST_F(SpadesScore, YesStartsANewGameWithTotalsAndBagsAtZero) {
    spades& s = openTable();
    s.table.bags = {4, 7};
    boxes.expect("You Win, Play again?", platform::vbYes);
    boxes.expect("Bidding", platform::vbOK);
    endHand(s, 260, 10);
    EXPECT_EQ(s.table.teamscore, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(s.table.bags, (std::array<int, 2>{0, 0}));
    EXPECT_TRUE(s.Frame1.Visible);
    chooseMenu(s.scorecard);
    EXPECT_EQ(platform::window<Spadescore>().Label8.Caption.get(), "0");
    EXPECT_EQ(platform::window<Spadescore>().Label6.Caption.get(), "0");
}

TEST_F(SpadesScore, NoLeavesTheTableUntilStartGame) {
    spades& s = openTable();
    bid(s, 3);
    boxes.expect("You Lost, Play again?", platform::vbNo);
    endHand(s, 100, 300);
    EXPECT_FALSE(s.Frame1.Visible) << "no hand is dealt";
    EXPECT_TRUE(idle(s));
    boxes.expect("Bidding", platform::vbOK);
    chooseMenu(s.start);
    EXPECT_EQ(s.table.teamscore, (std::array<int, 2>{0, 0}));
    EXPECT_TRUE(s.Frame1.Visible);
}

TEST_F(SpadesScore, ATargetChosenMidGameCountsAtTheEndOfThisHand) {
    spades& s = openTable();
    bid(s, 4);
    chooseMenu(s.to200);
    EXPECT_EQ(platform::readFile("\\Data\\spadesto.dat"), "200\r\n");
    boxes.expect("You Win, Play again?", platform::vbNo);
    endHand(s, 205, 150);
    EXPECT_EQ(boxes.shown().back().prompt, "You Win, Play again?");
    chooseMenu(s.to400);
    boxes.expect("Bidding", platform::vbOK);
    endHand(s, 205, 150);
    EXPECT_EQ(boxes.shown().back().title, "Bidding") << "205 is short of 400";
}

// At the end of the run every window is unloaded, the score window before its table: closed with
// its flag it must neither deal the next hand (with the partner's suggestion) nor ask to play again.
TEST_F(SpadesScore, AtTheEndOfTheRunItStartsNothing) {
    const std::array<int, 2> totals[] = {{40, 10}, {260, 0}};
    for (const auto& [ours, theirs] : totals) {
        SCOPED_TRACE(std::to_string(ours) + " : " + std::to_string(theirs));
        spades& s = openTable();
        s.table.teamscore = {ours, theirs};
        platform::window<Spadescore>().handdone = true;
        s.scorecard_Click();
        settle();
        gp::ScriptedBoxes script;
        platform::unloadAll();
        settle();
        EXPECT_TRUE(script.shown().empty());
        EXPECT_EQ(platform::loaded<spades>(), nullptr);
    }
}

}  // namespace
