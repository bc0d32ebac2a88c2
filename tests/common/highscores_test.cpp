#include "common/highscores.h"
#include "common/support/standins.h"

#include "support/window_test.h"

namespace {

// A game window with a table, and two top-three windows of the two designs.
class scoregame : public platform::Form {
public:
    common::TopThree table{{{"Ann", "3000"}, {"Bob", "2000"}, {"Cy", "1000"}}};
    common::TopThree scores() { return table; }
};

class besidenames : public common::ConnectedHighScores<besidenames> {
public:
    besidenames() : ConnectedHighScores({4695, 240, 120, false}) {}
};

class innames : public common::ConnectedHighScores<innames> {
public:
    innames() : ConnectedHighScores({5205, 480, 480, true}) {}
};

using HighScores = gp::WindowTest;

TEST_F(HighScores, TheRowsShowTheGamesTableAndTheGameIsLockedWhileTheyAreOpen) {
    besidenames::connectgame<scoregame>();
    innames::connectgame<scoregame>();
    scoregame& game = open<scoregame>();
    besidenames& beside = open<besidenames>();
    EXPECT_EQ(beside.Caption.get(), "High Scores");
    EXPECT_FALSE(game.Enabled);
    EXPECT_EQ(beside.Label3.Caption.get(), "1.)");
    EXPECT_EQ(beside.firstname.Caption.get(), "Ann");
    EXPECT_EQ(beside.thirdname.Caption.get(), "Cy");
    EXPECT_EQ(beside.secondscore.Caption.get(), "2000");
    EXPECT_TRUE(beside.firstname.Visible);
    EXPECT_TRUE(beside.Label1.Font.Bold);
    EXPECT_FALSE(beside.firstname.Font.Bold);
    EXPECT_EQ(beside.Label1.Font.Name.get(), "Verdana");
    EXPECT_DOUBLE_EQ(beside.Width, 4695);
    for (const platform::Label* row : {&beside.Label5, &beside.thirdname, &beside.thirdscore})
        EXPECT_LE(row->Top + row->Height, beside.ScaleHeight()) << "the frame clips no row";
    EXPECT_DOUBLE_EQ(beside.Line1.Y1, 1200);
    EXPECT_DOUBLE_EQ(beside.Line2.Y2, 1800);
    beside.Unload();
    settle();
    EXPECT_TRUE(game.Enabled);

    game.table[0].name = "Dee";
    innames& in = open<innames>();
    EXPECT_FALSE(game.Enabled);
    EXPECT_EQ(in.Label3.Caption.get(), "1.) Dee");
    EXPECT_EQ(in.Label5.Caption.get(), "3.) Cy");
    EXPECT_FALSE(in.firstname.Visible) << "the place labels stand in for the names";
    EXPECT_EQ(in.thirdscore.Caption.get(), "1000");
    in.Unload();
    settle();
    EXPECT_TRUE(game.Enabled);
}

TEST_F(HighScores, WithoutItsGameWindowItShowsTheDesignAndLocksNothing) {
    besidenames::connectgame<scoregame>();
    besidenames& beside = open<besidenames>();
    EXPECT_EQ(beside.firstname.Caption.get(), "Name:");
    EXPECT_EQ(beside.firstscore.Caption.get(), "Score:");
}

}  // namespace
