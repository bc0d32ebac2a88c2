#include "memory_fixture.h"

#include "games/memory/memoryscorebig.h"
#include "games/memory/memoryscoresbig.h"

#include "platform/files.h"

#include <fstream>

using namespace memoryrules;

namespace {

class MemoryTimed : public MemoryTest {
protected:
    MemoryTimed() : MemoryTest("memoryscore") {}
    memoryscorebig& openTimed() {
        memoryscorebig& w = openGame<memoryscorebig>();
        w.dealKnown(inOrder(24));
        return w;
    }
    void closeTimed(memoryscorebig& w) {
        w.Unload();
        settle();
    }
    void pairOf(memoryscorebig& w, int a, int b) {
        boxes.expect("You've found a match", platform::vbOK);
        click(w.Image1[a]);
        click(w.Image1[b]);
    }
    // Turns pair 1's first card, lets the clock run `seconds`, then finds every pair; the last
    // question is answered `answer`.
    void playGame(memoryscorebig& w, int seconds, int answer) {
        click(w.Image1[1]);
        advance(seconds * 1000);
        boxes.expect("You've found a match", platform::vbOK);
        click(w.Image1[2]);
        for (int k = 2; k <= 11; ++k) pairOf(w, 2 * k - 1, 2 * k);
        boxes.expect("You've found a match", platform::vbOK);
        boxes.expect("You Win, Keep Playing?", answer);
        click(w.Image1[23]);
        click(w.Image1[24]);
    }
    // A table file written as the program never writes one, so that a rewrite shows.
    void writeRaw(std::string_view name, const std::string& bytes) {
        std::ofstream(platform::resolve(name), std::ios::binary) << bytes;
    }
};

TEST_F(MemoryTimed, LoadsWithTheClockWaitingAndTheTableRead) {
    storeTable("memory", {"Ann", "Bob", "Cy", "40", "55", "90"});
    memoryscorebig& w = openGame<memoryscorebig>();
    EXPECT_EQ(w.Caption.get(), "Memorization Game - Timed");
    EXPECT_EQ(w.Label1.Caption.get(), "Guest");
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    EXPECT_FALSE(mainWindow().Enabled);
    const common::TopThree table = w.scores();
    EXPECT_EQ(table[0].name, "Ann");
    EXPECT_EQ(table[2].value, "90");
    for (const auto& [i, card] : w.Image1) EXPECT_TRUE(showsBack(*card)) << i;
    advance(10000);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    EXPECT_TRUE(w.Timer4.Enabled);
}

TEST_F(MemoryTimed, TheClockCountsFromTheFirstCardOnTheTimersOwnRhythm) {
    memoryscorebig& w = openTimed();
    advance(500);
    click(w.Image1[5]);
    advance(499);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    advance(1);
    EXPECT_EQ(w.Label3.Caption.get(), "1") << "the first second may be short";
    // A miss holds the board for a second while the clock goes on.
    click(w.Image1[7]);
    EXPECT_TRUE(showsFace(w.Image1[5], 5));
    EXPECT_TRUE(showsFace(w.Image1[7], 7));
    click(w.Image1[9]);
    EXPECT_TRUE(showsBack(w.Image1[9])) << "no card takes a click in the pause";
    advance(999);
    EXPECT_TRUE(showsFace(w.Image1[7], 7));
    EXPECT_EQ(w.Label3.Caption.get(), "1");
    advance(1);
    EXPECT_EQ(w.Label3.Caption.get(), "2");
    EXPECT_TRUE(showsBack(w.Image1[5]));
    EXPECT_TRUE(showsBack(w.Image1[7]));
    for (const auto& [i, card] : w.Image1) EXPECT_TRUE(card->Enabled) << i;
    click(w.Image1[9]);
    EXPECT_EQ(w.table.turncount, 1);
}

TEST_F(MemoryTimed, AMatchNoticeHoldsTheClockForAtMostOneSecond) {
    memoryscorebig& w = openTimed();
    click(w.Image1[1]);
    advance(2000);
    EXPECT_EQ(w.Label3.Caption.get(), "2");
    boxes.expect("You've found a match", platform::vbOK, [this] { advance(10000); });
    click(w.Image1[2]);
    EXPECT_EQ(w.Label3.Caption.get(), "2");
    advance(1);
    EXPECT_EQ(w.Label3.Caption.get(), "3") << "ten seconds with the notice open count as one";
    advance(999);
    EXPECT_EQ(w.Label3.Caption.get(), "4");
}

TEST_F(MemoryTimed, TheTwelfthPairStopsTheClockAndItsTimeEntersTheTableBeforeTheQuestion) {
    storeTable("memory", {"Ann", "Bob", "Cy", "40", "55", "90"});
    gp::mainstandin& main = open<gp::mainstandin>();
    main.Label1.Caption = "Alice";
    memoryscorebig& w = openTimed();
    main.Label1.Caption = "Bob";  // the name is the one the window copied when it loaded
    boxes.expect("You've found a match", platform::vbOK);
    click(w.Image1[1]);
    advance(47000);
    click(w.Image1[2]);
    for (int k = 2; k <= 11; ++k) pairOf(w, 2 * k - 1, 2 * k);
    boxes.expect("You've found a match", platform::vbOK);
    boxes.expect("You Win, Keep Playing?", platform::vbNo, [&] {
        EXPECT_FALSE(w.Timer4.Enabled);
        EXPECT_EQ(storedTable("memory"), (std::vector<std::string>{"Ann", "Alice", "Bob", "40", "47", "55"}));
    });
    click(w.Image1[23]);
    click(w.Image1[24]);
    EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
    EXPECT_EQ(boxes.shown().back().style, 68);
    EXPECT_EQ(w.scores()[1].name, "Alice");
    EXPECT_EQ(fileBytes("\\Data\\memoryscore2.dat"), "47\r\n");
    advance(5000);
    EXPECT_EQ(w.Label3.Caption.get(), "47") << "No leaves the final time";
    for (const auto& [i, card] : w.Image1) EXPECT_FALSE(card->Visible) << i;

    chooseMenu(w.newgame);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    EXPECT_TRUE(w.Timer4.Enabled);
    advance(3000);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    click(w.Image1[1]);
    advance(1000);
    EXPECT_EQ(w.Label3.Caption.get(), "1");
}

struct TimeCase {
    const char* what;
    int seconds;
    std::vector<std::string> after;  // empty: the files are untouched
};

TEST_F(MemoryTimed, AFinishedTimeEntersAboveTheFirstStoredTimeItBeats) {
    const TimeCase cases[] = {
        {"five seconds never enter", 5, {}},
        {"fastest of all", 9, {"Guest", "Ann", "Bob", "9", "40", "55"}},
        {"an equal time goes below", 40, {"Ann", "Guest", "Bob", "40", "40", "55"}},
        {"last place", 89, {"Ann", "Bob", "Guest", "40", "55", "89"}},
        {"slower than all", 100, {}},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const char* raw[] = {"Ann", "Bob", "Cy", "40", "55", "90"};
        for (int k = 0; k < 6; ++k)
            writeRaw(common::topthreefile("memory", k < 3 ? "name" : "score", k % 3 + 1), raw[k]);
        memoryscorebig& w = openTimed();
        playGame(w, c.seconds, platform::vbNo);
        EXPECT_EQ(w.Label3.Caption.get(), std::to_string(c.seconds));
        if (c.after.empty()) {
            EXPECT_EQ(fileBytes("\\Data\\memoryname1.dat"), "Ann") << "no file is written";
            EXPECT_EQ(fileBytes("\\Data\\memoryscore3.dat"), "90");
        } else {
            EXPECT_EQ(storedTable("memory"), c.after);
        }
        closeTimed(w);
    }
}

TEST_F(MemoryTimed, YesDealsAgainWithTheClockBackAtZero) {
    memoryscorebig& w = openTimed();
    playGame(w, 30, platform::vbYes);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    EXPECT_TRUE(w.Timer4.Enabled);
    for (const auto& [i, card] : w.Image1) {
        EXPECT_TRUE(card->Visible);
        EXPECT_TRUE(showsBack(*card));
    }
    advance(2000);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
}

TEST_F(MemoryTimed, NewGameInTheMiddleWaitsForTheNextFirstCard) {
    memoryscorebig& w = openTimed();
    click(w.Image1[1]);
    advance(3000);
    click(w.Image1[3]);  // a miss: its turn-back must not reach the new deal
    chooseMenu(w.newgame);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    EXPECT_FALSE(w.Timer3.Enabled);
    advance(3000);
    EXPECT_EQ(w.Label3.Caption.get(), "0");
    for (const auto& [i, card] : w.Image1) {
        EXPECT_TRUE(card->Enabled) << i;
        EXPECT_TRUE(showsBack(*card)) << i;
    }
    click(w.Image1[4]);
    EXPECT_EQ(w.table.turncount, 1);
    chooseMenu(w.newgame);
    click(w.Image1[4]);
    EXPECT_EQ(w.table.turncount, 1) << "after New Game with one card up, a click is a first card";
}

TEST_F(MemoryTimed, HighScoresShowsTheTableAndLocksTheGameWhileOpen) {
    storeTable("memory", {"Ann", "Bob", "Cy", "40", "55", "90"});
    memoryscorebig& w = openTimed();
    chooseMenu(w.highscores);
    memoryscoresbig* scores = platform::loaded<memoryscoresbig>();
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(scores->Caption.get(), "High Scores");
    EXPECT_EQ(scores->firstname.Caption.get(), "Ann");
    EXPECT_EQ(scores->thirdname.Caption.get(), "Cy");
    EXPECT_EQ(scores->secondscore.Caption.get(), "55");
    EXPECT_EQ(scores->Label5.Caption.get(), "3.)");
    EXPECT_LE(scores->thirdscore.Top + scores->thirdscore.Height, scores->ScaleHeight());
    EXPECT_FALSE(w.Enabled);
    EXPECT_FALSE(w.newgame.reachable());
    close(*scores);
    EXPECT_TRUE(w.Enabled);
    chooseMenu(w.highscores);
    ASSERT_NE(platform::loaded<memoryscoresbig>(), nullptr);
    closeTimed(w);
    EXPECT_EQ(platform::loaded<memoryscoresbig>(), nullptr) << "the game's unload takes its table window";
    EXPECT_TRUE(mainWindow().Enabled);
}

TEST_F(MemoryTimed, ClosingMidGameAndOpeningAgainStartsAfresh) {
    memoryscorebig& w = openTimed();
    boxes.expect("You've found a match", platform::vbOK);
    click(w.Image1[1]);
    advance(4000);
    click(w.Image1[2]);
    closeTimed(w);
    memoryscorebig& again = openGame<memoryscorebig>();
    EXPECT_EQ(again.Label3.Caption.get(), "0");
    EXPECT_EQ(again.clockon, 0);
    EXPECT_EQ(again.table.playermatches, 0);
    for (const auto& [i, card] : again.Image1) EXPECT_TRUE(card->Visible) << i;
    advance(3000);
    EXPECT_EQ(again.Label3.Caption.get(), "0");
}

TEST_F(MemoryTimed, SoundFollowsTheSwitchAtTheNextCard) {
    memoryscorebig& w = openTimed();
    chooseMenu(w.off);
    EXPECT_EQ(fileBytes("\\Data\\memoryscoresound.dat"), "NO\r\n");
    click(w.Image1[1]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(w.onsound);
    click(w.Image1[3]);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\memoryscore.html"});
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<memoryscorebig>(), nullptr);
}

TEST_F(MemoryTimed, MenusStandInTheirDesignOrder) {
    memoryscorebig& w = openTimed();
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "View", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.view), std::vector<std::string>{"High Scores"});
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

struct TimedSize {
    int width, height;
    float factor;
    double extraHeight;
    double font;
};

TEST_F(MemoryTimed, TheBoardAndItsLabelsFitEachScreen) {
    const TimedSize cases[] = {{1024, 768, 1, 0, 8.25}, {800, 600, 0.9f, 0, 7}, {640, 480, 0.6f, 1300, 7}};
    double designHeight = 0;
    for (const TimedSize& c : cases) {
        SCOPED_TRACE(c.width);
        setScreen(c.width, c.height);
        memoryscorebig& w = openGame<memoryscorebig>();
        const double f = c.factor;
        if (c.factor == 1) designHeight = w.Height;
        EXPECT_FLOAT_EQ(w.scale, c.factor);
        EXPECT_NEAR(w.Height, designHeight * f + c.extraHeight, 0.5);
        for (const auto& [i, card] : w.Image1) {
            EXPECT_NEAR(card->Left, cardPlace(Board::Timed, i).left * f, 0.01) << i;
            EXPECT_LE(card->Left + card->Width, w.ScaleWidth());
        }
        for (const platform::Label* label : {&w.Label1, &w.Label3}) {
            EXPECT_DOUBLE_EQ(label->Font.Size, c.font);
            EXPECT_NEAR(label->Top, 7800 * f, 0.01);
            EXPECT_LE(label->Top + label->Height, w.ScaleHeight()) << "the labels below the board show whole";
        }
        EXPECT_NEAR(w.Label3.Left, 4680 * f, 0.01);
        closeTimed(w);
    }
}

}  // namespace
