#include "backgammon_fixture.h"

#include "games/backgammon/backgammon_user.h"

#include "art/backgammon_geometry.h"
#include "platform/files.h"
#include "platform/input.h"

namespace geo = art::bgboard;
using namespace bgrules;
using bgtest::board;
using bgtest::checkerOn;
using bgtest::marked;

namespace {

std::set<int> enabledHandles(const backgammon& b) {
    std::set<int> enabled;
    for (int i = 1; i <= kCheckers; ++i)
        if (b.Image1[i].Enabled) enabled.insert(i);
    return enabled;
}

TEST_F(BackgammonTest, ClickingTheDiceRollsOnceAndFreesTheTopCheckers) {
    backgammon& b = openBoard();
    click(b.diespot1);
    EXPECT_EQ(playedCount("dice.wav"), 1);
    EXPECT_TRUE(b.userturn());
    for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_FALSE(dice->Enabled);
    const platform::Image* faces[] = {&b.one, &b.two, &b.three, &b.four, &b.five, &b.six};
    EXPECT_EQ(b.die1.Picture.get(), faces[b.table.playerdie1 - 1]->Picture.get());
    EXPECT_EQ(b.die2.Picture.get(), faces[b.table.playerdie2 - 1]->Picture.get());
    EXPECT_FALSE(b.table.playerdie1 == 1 && b.table.playerdie2 == 1);
    for (int i = 1; i <= kCheckers; ++i) {
        EXPECT_TRUE(b.Image1[i].Enabled) << i;
        EXPECT_EQ(b.Image1[i].DragMode.get(), b.Shape1[i].Tag.get() == "1" ? platform::vbAutomatic : platform::vbManual) << i;
    }
    click(b.die1);
    EXPECT_EQ(playedCount("dice.wav"), 1) << "the dice cannot be thrown twice";
}

TEST_F(BackgammonTest, MarkersShowExactlyWhereADropIsTaken) {
    backgammon& b = openBoard();
    setBoard(b, board({{1, 2}, {12, 13}}, {{7, 2}, {13, 13}}));
    b.rollKnown(6, 3);
    const int checker = checkerOn(b.table, 1);
    platform::Image& handle = b.Image1[checker];
    const double x = handle.Left + handle.Width / 2, y = handle.Top + handle.Height / 2;
    platform::input::move(b, x, y);
    platform::input::press(b, x, y, platform::vbLeftButton);
    platform::input::move(b, x, y - 600, platform::vbLeftButton);
    EXPECT_EQ(shownMarkers(b), marked(targets(b.table, checker)));
    EXPECT_EQ(shownMarkers(b), (std::set<int>{4, 10}));
    const platform::Image& closed = b.Image2[7];
    const double cx = closed.Left + closed.Width / 2, cy = closed.Top + closed.Height / 2;
    platform::input::move(b, cx, cy, platform::vbLeftButton);
    EXPECT_EQ(platform::input::hitTest(b, cx, cy), &closed) << "the point area lies in front of the checkers";
    platform::input::release(b, cx, cy, platform::vbLeftButton);
    settle();
    EXPECT_EQ(b.table.playerpos[checker], 1) << "a point without a marker takes no checker";
    EXPECT_EQ(b.table.playerdie1, 6);
    EXPECT_EQ(b.table.movesleft, 2);
    EXPECT_FALSE(b.dcube.Enabled) << "the cube's option closes once the user has tried a move";
    EXPECT_TRUE(shownMarkers(b).empty());
    EXPECT_EQ(playedCount("flick.wav"), 0);
    move(b, checker, 10);
    EXPECT_EQ(b.table.playerpos[checker], 10);
    EXPECT_EQ(playedCount("flick.wav"), 1);
}

TEST_F(BackgammonTest, AMoveOntoABlotHitsIt) {
    setScreen(800, 600);
    backgammon& b = openBoard();
    setBoard(b, board({{1, 2}, {12, 13}}, {{7, 1}, {13, 14}}));
    b.rollKnown(6, 5);
    const int checker = checkerOn(b.table, 1);
    const int blot = 1;
    ASSERT_EQ(b.table.comppos[blot], 7);
    move(b, checker, 7);
    const double s = 0.78f;
    EXPECT_NEAR(b.Shape2[blot].Left, geo::kComputerBar.left * s, 0.01);
    EXPECT_NEAR(b.Shape2[blot].Top, geo::kComputerBar.top * s, 0.01);
    EXPECT_EQ(b.Shape2[blot].Tag.get(), "50");
    EXPECT_EQ(b.table.comppos[blot], kComputerBar);
    EXPECT_NEAR(b.Shape1[checker].Left, 6480 * s, 0.01);
    EXPECT_NEAR(b.Shape1[checker].Top, 8760 * s, 0.01);
    EXPECT_EQ(b.Image1[checker].Top.get(), b.Shape1[checker].Top.get());
    EXPECT_EQ(b.Shape1[checker].Tag.get(), "1");
    EXPECT_EQ(b.table.row[7], kUserBlot);
    EXPECT_EQ(b.table.rownum[7], 1);
    EXPECT_TRUE(b.userturn()) << "the 5 is still to play";
    EXPECT_EQ(playedCount("flick.wav"), 1);
}

TEST_F(BackgammonTest, ACheckerOnTheBarEntersFirst) {
    backgammon& b = openBoard();
    setBoard(b, board({{kUserBar, 1}, {12, 14}}, {{13, 15}}));
    EXPECT_NEAR(b.Shape1[1].Left, geo::kUserBar.left, 0.01);
    EXPECT_EQ(b.Shape1[1].Tag.get(), "50");
    b.rollKnown(4, 2);
    const int onPoint = checkerOn(b.table, 12);
    drag(b.Image1[onPoint], b.Image2[14]);
    EXPECT_EQ(b.table.playerpos[onPoint], 12) << "nothing moves before the bar is empty";
    move(b, 1, 4);
    EXPECT_EQ(b.table.playerpos[1], 4);
    EXPECT_NEAR(b.Shape1[1].Left, 9960, 0.01);
    EXPECT_NEAR(b.Shape1[1].Top, 8760, 0.01);
    EXPECT_EQ(b.Shape1[1].Tag.get(), "1");
    move(b, onPoint, 14);
    EXPECT_EQ(b.table.playerpos[onPoint], 14);
    EXPECT_FALSE(b.userturn());
}

TEST_F(BackgammonTest, ARollWithNoMovePassesAtOnceAndTheComputerRollsOnce) {
    platform::writeSetting("\\Data\\doublecube.dat", "OFF");
    backgammon& b = openBoard();
    setBoard(b, board({{kUserBar, 1}, {12, 14}}, {{4, 2}, {2, 2}, {13, 11}}));
    b.rollKnown(4, 2);
    EXPECT_FALSE(b.userturn());
    EXPECT_TRUE(enabledHandles(b).empty());
    EXPECT_TRUE(b.Timer2.Enabled);
    EXPECT_TRUE(boxes.shown().empty()) << "the turn passes without a message";
    advance(20);
    EXPECT_EQ(playedCount("dice.wav"), 2);
    EXPECT_DOUBLE_EQ(b.die1.Left, 4680);
    EXPECT_TRUE(b.Timer1.Enabled);
    EXPECT_FALSE(b.Timer2.Enabled);
    for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_FALSE(dice->Enabled);
    advance(6000);
    EXPECT_EQ(playedCount("dice.wav"), 2) << "one roll per turn";
    EXPECT_FALSE(b.Timer1.Enabled);
    for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_TRUE(dice->Enabled);
}

TEST_F(BackgammonTest, TheTurnIsHandedOverOnceWhenSeveralChecksFindItOver) {
    backgammon& b = openBoard();
    // Both dice spent entering one checker, while the other still waits on the bar.
    setBoard(b, board({{kUserBar, 2}, {12, 13}}, {{13, 15}}));
    b.rollKnown(4, 2);
    move(b, checkerOn(b.table, kUserBar), 6);
    EXPECT_FALSE(b.userturn());
    EXPECT_TRUE(enabledHandles(b).empty()) << "the drop's end leaves the handles disabled";
    EXPECT_EQ(int(b.Timer2.Enabled) + int(b.Timer3.Enabled), 1);
    advance(50);
    EXPECT_EQ(playedCount("dice.wav"), 2);
    EXPECT_TRUE(enabledHandles(b).empty());
}

TEST_F(BackgammonTest, ThreeCheckersEnterUnderDoublesAndTheFourthMoveStays) {
    backgammon& b = openBoard();
    setBoard(b, board({{kUserBar, 3}, {12, 12}}, {{13, 15}}));
    b.rollKnown(2, 2);
    for (int entry = 0; entry < 3; ++entry) {
        move(b, checkerOn(b.table, kUserBar), 2);
        EXPECT_TRUE(b.userturn()) << entry;
    }
    EXPECT_EQ(b.table.movesleft, 1);
    move(b, checkerOn(b.table, 2), 4);
    EXPECT_FALSE(b.userturn());
}

TEST_F(BackgammonTest, ReleasedOverALabelOrTheCubeTheCheckersCanBeGrabbedAgain) {
    backgammon& b = openBoard();
    click(b.die1);
    const int checker = checkerOn(b.table, 12);
    for (platform::Control* elsewhere : std::initializer_list<platform::Control*>{&b.Label1, &b.Label2, &b.Image4}) {
        drag(b.Image1[checker], *elsewhere);
        EXPECT_EQ(b.table.playerpos[checker], 12);
        EXPECT_TRUE(shownMarkers(b).empty());
        for (int p = 1; p <= 24; ++p) EXPECT_NE(platform::input::hitTest(b, b.Image1[checker].Left + 300, b.Image1[checker].Top + 300), &b.Image2[p]);
    }
    const Targets to = targets(b.table, checker);
    int target = 0;
    for (int p = 24; p >= 1; --p)
        if (to.test(std::size_t(p))) target = p;
    ASSERT_NE(target, 0);
    move(b, checker, target);
    EXPECT_EQ(b.table.playerpos[checker], target);
}

TEST_F(BackgammonTest, AStackKeepsItsTopCheckerInFront) {
    backgammon& b = openBoard();
    setBoard(b, board({{17, 3}, {19, 5}, {12, 7}}, {{13, 15}}));
    b.rollKnown(2, 4);
    const int moved = checkerOn(b.table, 17);
    move(b, moved, 19);
    EXPECT_NEAR(b.Shape1[moved].Top, 1200, 0.01) << "the sixth checker lies between the first two";
    const int below = checkerOn(b.table, 17);
    ASSERT_NE(below, 0);
    EXPECT_EQ(b.Image1[below].DragMode.get(), platform::vbAutomatic);
    const double x = b.Image1[below].Left + 100, y = b.Image1[below].Top + 700;
    EXPECT_EQ(platform::input::hitTest(b, x, y), &b.Image1[below]) << "the new top of 17 is grabbed where it overlaps the one below";
}

TEST_F(BackgammonTest, UserTurnsPlayedWithThrownDice) {
    backgammon& b = openBoard();
    for (int turn = 0; turn < 3; ++turn) {
        SCOPED_TRACE(turn);
        setBoard(b, board({{1, 2}, {12, 5}, {17, 3}, {19, 5}}, {{24, 2}, {13, 5}, {8, 3}, {6, 5}}));
        for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) dice->Enabled = true;
        const int rolled = playedCount("dice.wav");
        click(b.die2);
        int moves = 0;
        while (b.userturn() && moves < 4) {
            int checker = 0, target = 0;
            for (int i = 1; i <= kCheckers && !target; ++i) {
                if (!grabbable(b.table, i)) continue;
                const Targets to = targets(b.table, i);
                for (int p = 1; p <= 24 && !target; ++p)
                    if (to.test(std::size_t(p))) checker = i, target = p;
            }
            ASSERT_NE(target, 0) << "the turn goes on only while a checker can move";
            move(b, checker, target);
            EXPECT_EQ(b.table.playerpos[checker], target);
            ++moves;
        }
        EXPECT_FALSE(b.userturn());
        advance(50);
        EXPECT_EQ(playedCount("dice.wav"), rolled + 2) << "the user's roll and the computer's";
    }
}

TEST_F(BackgammonTest, NewGameStartsTheMatchAgain) {
    backgammon& b = openBoard();
    b.rollKnown(6, 5);
    move(b, checkerOn(b.table, 1), 7);
    b.table.playerscore = 3;
    b.Label3.Caption = "3";
    chooseMenu(b.newstuff);
    EXPECT_EQ(b.table.playerpos[2], 1);
    EXPECT_NEAR(b.Shape1[2].Top, 8040, 0.01);
    EXPECT_EQ(b.Shape1[2].Tag.get(), "1");
    EXPECT_TRUE(b.dcube.Enabled);
    EXPECT_EQ(b.Image4.Picture.get(), b.cube1.Picture.get());
    EXPECT_EQ(b.table.playerscore, 0);
    EXPECT_EQ(b.Label3.Caption.get(), "0");
    EXPECT_FALSE(b.userturn());
    EXPECT_TRUE(enabledHandles(b).empty());
    EXPECT_TRUE(b.die1.Enabled);
}

TEST_F(BackgammonTest, TheMainWindowStaysUsableThroughoutAndExitCloses) {
    auto& main = open<gp::mainstandin>();
    backgammon& b = open<backgammon>();
    click(b.die1);
    EXPECT_TRUE(main.Enabled);
    advance(2000);
    EXPECT_TRUE(main.Enabled);
    chooseMenu(b.exit);
    EXPECT_EQ(platform::loaded<backgammon>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

}  // namespace
