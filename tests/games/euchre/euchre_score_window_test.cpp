#include "euchre_fixture.h"

#include "platform/files.h"

#include <string>

using namespace euchrerules;
using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

class EuchreScore : public EuchreTest {
protected:
    // A table in the middle of a hand dealt by `dealer`, its bidding stopped.
    euchre& midHand(int dealer) {
        euchre& e = openDealt(dealer, kQuietDeal);
        e.Timer1.Enabled = false;
        return e;
    }
    // The hand's fifth trick is counted: four are already won as `before` says, the last goes to
    // `winner`, and `maker` made trump.
    void endHand(euchre& e, int maker, std::array<int, 5> before, int winner, std::array<int, 3> points = {}) {
        e.table.maker = maker;
        e.table.trickswon = before;
        e.table.teampoints = points;
        e.table.playing = true;
        e.table.turn = winner;
        e.resetit();
        settle();
    }
};

TEST_F(EuchreScore, ClosedAfterAHandItDealsTheNextHandWithTheNextDealer) {
    const struct { int dealer; int next; } cases[] = {{1, 2}, {2, 3}, {3, 4}, {4, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dealer);
        gp::ScriptedBoxes script;
        if (c.dealer == 2) script.expect("Make Trump Suit?", vbNo);
        open<gp::mainstandin>().Label1.Caption = "Marit";
        euchre& e = midHand(c.dealer);
        ASSERT_EQ(e.Label11.Caption.get(), "Marit");
        endHand(e, 3, {0, 1, 1, 2, 0}, 3);
        euchrescore* score = platform::loaded<euchrescore>();
        ASSERT_NE(score, nullptr);
        EXPECT_TRUE(score->Visible);
        EXPECT_EQ(score->Caption.get(), "Score");
        EXPECT_EQ(score->onclose, euchrescore::OnClose::NextHand);
        EXPECT_FALSE(e.Enabled);
        EXPECT_FALSE(e.handinplay());
        EXPECT_EQ(e.Label1.Caption.get(), "Tricks: 3");
        EXPECT_EQ(score->Label1.Caption.get(), "Marit/" + e.Label12.Caption);
        EXPECT_EQ(score->Label2.Caption.get(), e.Label13.Caption + "/" + e.Label14.Caption);
        EXPECT_EQ(score->Label3.Caption.get(), "1");
        EXPECT_EQ(score->Label4.Caption.get(), "0");
        EXPECT_EQ(e.table.dealer, c.dealer);
        if (c.next == 2) script.expect("Make Trump Suit?", vbNo);
        const auto deal = e.table.deckorder;
        close(*score);
        EXPECT_EQ(platform::loaded<euchrescore>(), nullptr);
        EXPECT_TRUE(e.Enabled);
        EXPECT_EQ(e.table.dealer, c.next);
        EXPECT_EQ(e.table.dealer, c.next);
        EXPECT_NE(e.table.deckorder, deal) << "a fresh hand";
        EXPECT_EQ(e.Label1.Caption.get(), "Tricks: 0");
        EXPECT_EQ(e.Timer1.Enabled.get(), true) << "its bidding has begun";
        EXPECT_FALSE(e.playto.Enabled) << "a team has points: the target stays";
        EXPECT_EQ(e.table.teampoints[1], 1);
        e.Unload();
        settle();
    }
}

TEST_F(EuchreScore, FromTheMenuItOnlyShowsThePoints) {
    euchre& e = openTable();
    const auto deal = e.table.deckorder;
    chooseMenu(e.score);
    euchrescore* score = platform::loaded<euchrescore>();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->onclose, euchrescore::OnClose::Nothing);
    EXPECT_EQ(score->Label3.Caption.get(), "0");
    EXPECT_FALSE(e.Enabled);
    close(*score);
    EXPECT_TRUE(e.Enabled);
    EXPECT_EQ(e.table.deckorder, deal);
}

TEST_F(EuchreScore, AHandEndingWhileItIsOpenFromTheMenuShowsTheNewPoints) {
    euchre& e = midHand(1);
    chooseMenu(e.score);
    euchrescore& score = *platform::loaded<euchrescore>();
    EXPECT_EQ(score.Label3.Caption.get(), "0");
    endHand(e, 2, {0, 0, 1, 2, 1}, 1);
    EXPECT_EQ(score.Label3.Caption.get(), "2") << "the makers were euchred";
    EXPECT_EQ(score.Label4.Caption.get(), "0");
    EXPECT_EQ(score.onclose, euchrescore::OnClose::NextHand);
    boxes.expect("Make Trump Suit?", vbNo);
    close(score);
    EXPECT_EQ(e.table.dealer, 2) << "the user, after the dealer, is asked at once";
}

TEST_F(EuchreScore, AGameEndsWhenATeamReachesTheTarget) {
    const struct { const char* file; int maker; std::array<int, 5> before; int winner; std::array<int, 3> points; const char* box; } cases[] = {
        {"10", 3, {0, 1, 0, 3, 0}, 3, {0, 8, 0}, "You Win"},
        {"x", 3, {0, 1, 0, 3, 0}, 3, {0, 8, 0}, "You Win"},
        {"", 3, {0, 1, 0, 3, 0}, 3, {0, 7, 0}, nullptr},
        {"0", 3, {0, 1, 0, 3, 0}, 3, {0, 7, 0}, nullptr},
        {"9", 3, {0, 1, 0, 3, 0}, 3, {0, 7, 0}, "You Win"},
        {"12", 3, {0, 1, 0, 3, 0}, 3, {0, 9, 0}, nullptr},
        {"10", 2, {0, 0, 2, 1, 1}, 2, {0, 0, 9}, "You Lost"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("target \"") + c.file + "\"");
        platform::writeSetting("\\Data\\euchreto.dat", c.file);
        gp::ScriptedBoxes script;
        if (c.box) script.expect(c.box, vbOK);
        euchre& e = midHand(1);
        endHand(e, c.maker, c.before, c.winner, c.points);
        euchrescore& score = *platform::loaded<euchrescore>();
        if (c.box) {
            ASSERT_EQ(script.shown().size(), 1u);
            EXPECT_EQ(script.shown()[0].title, c.box);
            EXPECT_EQ(script.shown()[0].style, 64);
        }
        EXPECT_EQ(score.onclose, c.box ? euchrescore::OnClose::NewGame : euchrescore::OnClose::NextHand);
        if (c.box) {
            nextGameDealtBy(3);
            close(score);
            EXPECT_EQ(e.table.teampoints[1], 0);
            EXPECT_EQ(e.table.teampoints[2], 0);
            EXPECT_EQ(e.table.dealer, 3);
            EXPECT_TRUE(e.playto.Enabled) << "a new game may choose its target";
        }
        e.Unload();
        settle();
    }
}

TEST_F(EuchreScore, ATargetChosenInTheFirstHandCountsAtItsEnd) {
    euchre& e = midHand(1);
    EXPECT_TRUE(e.playto.Enabled);
    chooseMenu(e.playtoeight);
    EXPECT_EQ(platform::readFile("\\Data\\euchreto.dat"), "8\r\n");
    EXPECT_TRUE(e.playtoeight.Checked);
    EXPECT_FALSE(e.playtoten.Checked);
    chooseMenu(e.playtotwelve);
    EXPECT_TRUE(e.playtotwelve.Checked);
    EXPECT_FALSE(e.playtoeight.Checked);
    chooseMenu(e.playtoeight);
    boxes.expect("You Win", vbOK);
    endHand(e, 1, {0, 1, 0, 3, 0}, 1, {0, 6, 0});
    EXPECT_EQ(platform::loaded<euchrescore>()->onclose, euchrescore::OnClose::NewGame);
    nextGameDealtBy(1);
    close(*platform::loaded<euchrescore>());
    EXPECT_EQ(e.table.teampoints[1], 0);
}

// The target is the file's text as the table read it at load (or as the menu chose it since): the file
// changed behind the table's back counts only at the next opening.
TEST_F(EuchreScore, TheTargetIsTheFileAsReadAtLoad) {
    // The user's team takes all five tricks of its trump (2 points), or the other team four of its own (1).
    const struct { const char* atLoad; const char* later; bool userTeam; std::array<int, 3> points; const char* box; } cases[] = {
        {"8", "12", true, {0, 6, 0}, "You Win"},
        {"12", "8", true, {0, 6, 0}, nullptr},
        {"12", "8", false, {0, 0, 7}, nullptr},
        {"8", "x", false, {0, 0, 7}, "You Lost"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.atLoad) + " at load, then " + c.later);
        platform::writeSetting("\\Data\\euchreto.dat", c.atLoad);
        gp::ScriptedBoxes script;
        if (c.box) script.expect(c.box, vbOK);
        euchre& e = midHand(1);
        platform::writeSetting("\\Data\\euchreto.dat", c.later);
        if (c.userTeam)
            endHand(e, 3, {0, 1, 0, 3, 0}, 3, c.points);
        else
            endHand(e, 2, {0, 0, 2, 1, 1}, 2, c.points);
        EXPECT_EQ(e.table.teampoints[c.userTeam ? 1 : 2], 8);
        EXPECT_EQ(script.shown().size(), c.box ? 1u : 0u);
        EXPECT_EQ(platform::loaded<euchrescore>()->onclose,
                  c.box ? euchrescore::OnClose::NewGame : euchrescore::OnClose::NextHand);
        EXPECT_EQ(platform::readFile("\\Data\\euchreto.dat"), std::string(c.later) + "\r\n") << "the table writes nothing";
        e.Unload();
        settle();
    }
}

// At the end of the run every window is unloaded, the score window before its table: it must
// neither deal the next hand nor start a new game, which would ask the user on the way out.
TEST_F(EuchreScore, AtTheEndOfTheRunItStartsNothing) {
    for (euchrescore::OnClose flag : {euchrescore::OnClose::NextHand, euchrescore::OnClose::NewGame}) {
        SCOPED_TRACE(static_cast<int>(flag));
        gp::ScriptedBoxes script;
        euchre& e = midHand(1);
        chooseMenu(e.score);
        platform::loaded<euchrescore>()->onclose = flag;
        // Either way the next hand would be dealt by seat 2 and ask the user first.
        nextGameDealtBy(2);
        platform::unloadAll();
        settle();
        EXPECT_TRUE(script.shown().empty());
        EXPECT_EQ(platform::loaded<euchre>(), nullptr);
    }
}

}  // namespace
