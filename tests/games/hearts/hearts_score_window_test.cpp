#include "hearts_fixture.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

using HeartsScore = HeartsTest;

TEST_F(HeartsScore, FromTheMenuItShowsTheTotalsAndClosingOnlyFreesTheTable) {
    hearts& h = openGame<hearts>();
    const auto deal = h.table.deckorder;
    h.handplayed = true;
    chooseMenu(h.showscore);
    heartsscore* score = platform::loaded<heartsscore>();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->Caption.get(), "Hearts Score");
    EXPECT_FALSE(h.Enabled);
    EXPECT_FALSE(h.handplayed) << "the menu clears the hand-played flag";
    EXPECT_EQ(score->Label1.Caption.get(), h.Label6.Caption + ": 0");
    EXPECT_EQ(score->Label2.Caption.get(), h.Label7.Caption + ": 0");
    EXPECT_EQ(score->Label3.Caption.get(), "Guest: 0");
    EXPECT_EQ(score->Label4.Caption.get(), h.Label8.Caption + ": 0");
    close(*score);
    EXPECT_EQ(platform::loaded<heartsscore>(), nullptr);
    EXPECT_TRUE(h.Enabled);
    EXPECT_EQ(h.table.deckorder, deal);
    EXPECT_EQ(h.Command1.Caption.get(), "Pass Left");
}

TEST_F(HeartsScore, LinesCarryTheUsersNameAndNegativeTotals) {
    open<gp::mainstandin>().Label1.Caption = "Marit";
    hearts& h = open<hearts>();
    h.table.totals[2] = -10;
    h.table.totals[3] = 26;
    chooseMenu(h.showscore);
    const heartsscore& score = platform::window<heartsscore>();
    EXPECT_EQ(score.Label2.Caption.get(), h.Label7.Caption + ": -10");
    EXPECT_EQ(score.Label3.Caption.get(), "Marit: 26");
}

TEST_F(HeartsScore, ClosedAfterAHandItDealsTheNextWithItsPass) {
    const struct { int state; const char* caption; bool enabled; } cases[] = {
        {1, "Pass Left", false}, {2, "Pass Right", false}, {3, "Pass Foward", false},
        {4, "Start Hand", true}, {0, "Start Hand", true}};
    hearts& h = openGame<hearts>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        const auto deal = h.table.deckorder;
        h.Command1.Visible = false;
        h.table.passstate = c.state;
        h.handplayed = true;
        platform::window<heartsscore>().Show();
        settle();
        EXPECT_FALSE(h.Enabled);
        close(platform::window<heartsscore>());
        EXPECT_TRUE(h.Enabled);
        EXPECT_NE(h.table.deckorder, deal) << "a fresh hand";
        EXPECT_EQ(h.Command1.Caption.get(), c.caption);
        EXPECT_TRUE(h.Command1.Visible);
        EXPECT_EQ(h.Command1.Enabled.get(), c.enabled);
        EXPECT_TRUE(h.handplayed) << "only the button clears the flag";
    }
}

TEST_F(HeartsScore, OpenedFromTheMenuDuringAHandItNeverDeals) {
    hearts& h = openWithoutPass({"3C", "5C", "AC 2D 3D", "2C"});
    click(h.Command1);
    runUntilUser(h);
    playUserCard(h);
    runUntilUser(h);
    ASSERT_EQ(h.table.leader, 3) << "the user won the first trick and leads";
    playUserCard(h);
    chooseMenu(h.showscore);
    advance(6000);
    ASSERT_TRUE(h.handplayed) << "a trick ended while the totals were shown";
    const auto deal = h.table.deckorder;
    const int tricksleft = h.table.tricksleft;
    close(platform::window<heartsscore>());
    EXPECT_EQ(h.table.deckorder, deal);
    EXPECT_EQ(h.table.tricksleft, tricksleft);
    EXPECT_TRUE(h.handinplay());
    EXPECT_FALSE(h.Command1.Visible);
    runUntilUser(h);
    EXPECT_NE(playUserCard(h), 0) << "the hand plays on";
}

// Looks at the Hearts table when the end of the run unloads it: after the score window, which was
// opened later, and before the table itself.
class TableWatcher : public platform::Form {
public:
    static inline std::array<std::int16_t, 53> deal{};
    void Form_Unload(int&) override {
        if (const hearts* h = platform::loaded<hearts>()) deal = h->table.deckorder;
    }
};

// Closed with the hand-played flag at the end of the run, the score window deals no next hand for a
// table that is about to go.
TEST_F(HeartsScore, AtTheEndOfTheRunItDealsNothing) {
    hearts& h = openGame<hearts>();
    h.table.passstate = 4;
    h.handplayed = true;
    platform::window<TableWatcher>();
    platform::window<heartsscore>().Show();
    settle();
    const auto deal = h.table.deckorder;
    platform::unloadAll();
    settle();
    EXPECT_EQ(TableWatcher::deal, deal);
}

}  // namespace
