#include "hangman_fixture.h"

using platform::vbNo;
using platform::vbYes;

namespace {

class HangmanHighs : public HangmanTest {
protected:
    hangmanhighs& highScores(hangman& w) {
        chooseMenu(w.highs);
        return platform::window<hangmanhighs>();
    }
    static std::vector<std::string> shown(const hangmanhighs& h) {
        return {h.firstname.Caption.get(),  h.firstscore.Caption.get(), h.secondname.Caption.get(),
                h.secondscore.Caption.get(), h.thirdname.Caption.get(), h.thirdscore.Caption.get()};
    }
};

TEST_F(HangmanHighs, ShowsTheTableAndLocksTheGameWhileOpen) {
    hangman& w = openHangman("kite");
    hangmanhighs& h = highScores(w);
    EXPECT_EQ(h.Caption.get(), "High Scores");
    EXPECT_EQ(h.ScaleWidth(), 4575);
    EXPECT_EQ(h.ScaleHeight(), 2565);
    EXPECT_EQ(shown(h), (std::vector<std::string>{"Hazel", "6000", "Rufus", "4000", "Tilly", "2000"}));
    EXPECT_EQ(h.Label3.Caption.get(), "1.)");
    EXPECT_EQ(h.Label5.Caption.get(), "3.)");
    EXPECT_FALSE(w.Enabled.get());
    guess(w, "k");
    EXPECT_EQ(w.table.score, 0) << "the locked game takes no guess";
    close(h);
    settle();
    EXPECT_TRUE(w.Enabled.get());
    EXPECT_FALSE(platform::loaded<gp::mainstandin>()->Enabled.get());
    guess(w, "k");
    EXPECT_EQ(w.table.score, 1000);
}

TEST_F(HangmanHighs, ClosingTheGameClosesItsHighScores) {
    hangman& w = openHangman("kite");
    highScores(w);
    platform::unload<hangman>();
    settle();
    EXPECT_EQ(platform::loaded<hangmanhighs>(), nullptr);
    EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled.get());
}

TEST_F(HangmanHighs, AScoreEntersUnderTheUsersNameAndIsShownAfterARestart) {
    gp::mainstandin& main = open<gp::mainstandin>();
    main.Label1.Caption = "Marta";
    hangman& w = openHangman("kite");
    EXPECT_EQ(w.Label3.Caption.get(), "Marta");
    storetable({"Hazel", "3000", "Rufus", "2000", "Tilly", "1000"});
    nextanswer("zoo");
    chooseMenu(w.startnewgame);
    guess(w, "z");
    boxes.expect("You Win, Keep Playing?", vbNo);
    guess(w, "o");
    boxes.verifyAllUsed();
    EXPECT_EQ(storedtable(), (std::vector<std::string>{"Hazel", "3000", "Marta", "3000", "Rufus", "2000"}))
        << "3000 enters below the stored 3000";

    chooseMenu(w.exit);
    settle();
    hangman& again = openHangman("kite");
    EXPECT_EQ(shown(highScores(again)), storedtable());
}

// Three puzzles: two solved with the score run on, the third lost; the score enters the table.
TEST_F(HangmanHighs, ARunOfPuzzlesPlayedThrough) {
    hangman& w = openHangman("kite");
    boxes.expect("You Win, Keep Playing?", vbYes);
    nextanswer("tea pot");
    guess(w, "qkite");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 4000");
    EXPECT_EQ(gallows(w), 1);

    boxes.expect("You Win, Keep Playing?", vbYes);
    nextanswer("jack and jill", "Title");
    guess(w, "teapo");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 10000");
    EXPECT_EQ(w.Label1.Caption.get(), "Category: Title");
    EXPECT_EQ(tiles(w), "____ ___ ____");

    guess(w, "jbefgh");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 12000");
    EXPECT_EQ(tiles(w), "j___ ___ j___");
    EXPECT_EQ(gallows(w), 6);
    boxes.expect("You Lost, Play Again?", vbYes);
    nextanswer("castle", "Place");
    guess(w, "m");
    boxes.verifyAllUsed();
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 0");
    EXPECT_EQ(tiles(w), "______");
    EXPECT_EQ(storedtable(), (std::vector<std::string>{"Guest", "12000", "Hazel", "6000", "Rufus", "4000"}));
    EXPECT_EQ(shown(highScores(w)), storedtable());
}

}  // namespace
