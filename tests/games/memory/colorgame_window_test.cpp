#include "memory_fixture.h"

#include "games/memory/colorgame.h"
#include "games/memory/colorgamescores.h"

#include "platform/files.h"

#include <fstream>

namespace {

class ColorGame : public MemoryTest {
protected:
    ColorGame() : MemoryTest("color") {}
    colorgame& openColor(const char* speed = "MED") {
        platform::writeSetting("\\colorspeed.dat", speed);
        return openGame<colorgame>();
    }
    void closeColor(colorgame& w) {
        w.Unload();
        settle();
    }
    // The pad showing its lit picture, 0 for none; -1 when several are lit.
    static int litPad(const colorgame& w) {
        const platform::Image* lit[] = {&w.yellowlight, &w.greenlight, &w.redlight, &w.bluelight};
        int found = 0;
        for (int pad = 1; pad <= 4; ++pad) {
            if (w.main[pad].Picture.get() != lit[pad - 1]->Picture.get()) continue;
            found = found ? -1 : pad;
        }
        return found;
    }
    static bool allNormal(const colorgame& w) {
        const platform::Image* normal[] = {&w.yellow, &w.green, &w.red, &w.blue};
        for (int pad = 1; pad <= 4; ++pad)
            if (w.main[pad].Picture.get() != normal[pad - 1]->Picture.get()) return false;
        return true;
    }
    static bool padsEnabled(const colorgame& w) {
        bool all = true, none = true;
        for (const auto& [pad, image] : w.main) (image->Enabled ? none : all) = false;
        EXPECT_TRUE(all || none) << "the pads are enabled together";
        return all;
    }
    static bool isLit(const colorgame& w, int pad) {
        const platform::Image* lit[] = {&w.yellowlight, &w.greenlight, &w.redlight, &w.bluelight};
        return w.main[pad].Picture.get() == lit[pad - 1]->Picture.get();
    }
    // What a player sees: the pads lit one after another until the pads can be clicked. A pad
    // still lit from the player's last click is not part of it.
    std::vector<int> watchPlayback(colorgame& w) {
        std::vector<int> seen;
        int before = litPad(w);
        for (int waited = 0; waited < 600000 && !padsEnabled(w); waited += 10) {
            advance(10);
            const int now = litPad(w);
            if (now > 0 && now != before) seen.push_back(now);
            before = now;
        }
        EXPECT_TRUE(padsEnabled(w)) << "the playback never handed over";
        return seen;
    }
    // Clicks the pads, each one answered right.
    void repeat(colorgame& w, const std::vector<int>& pads) {
        for (int pad : pads) click(w.main[pad]);
    }
    // Plays levels 0 .. levels - 1 of a known sequence, ending in the pause after the last rise.
    void climb(colorgame& w, const std::vector<int>& sequence, int levels) {
        for (int level = 0; level < levels; ++level) {
            watchUntilTurn(w);
            repeat(w, std::vector<int>(sequence.begin(), sequence.begin() + level + 1));
        }
    }
    void watchUntilTurn(colorgame& w) {
        for (int waited = 0; waited < 600000 && !padsEnabled(w); waited += 50) advance(50);
    }
    void writeRaw(std::string_view name, const std::string& bytes) {
        std::ofstream(platform::resolve(name), std::ios::binary) << bytes;
    }
    // A sequence of the given length cycling through the pads in an order that repeats no pad.
    static std::vector<int> cycling(int length) {
        std::vector<int> pads;
        for (int k = 0; k < length; ++k) pads.push_back(k % 4 + 1);
        return pads;
    }
};

TEST_F(ColorGame, OpeningTheWindowStartsNothing) {
    colorgame& w = openColor();
    EXPECT_EQ(w.Caption.get(), "Color Memorization Game");
    EXPECT_EQ(w.Label1.Caption.get(), "Score: 0");
    EXPECT_FALSE(mainWindow().Enabled);
    EXPECT_FALSE(padsEnabled(w));
    EXPECT_TRUE(allNormal(w));
    EXPECT_TRUE(w.Timer2.Enabled);
    advance(300);
    EXPECT_FALSE(w.Timer2.Enabled) << "it puts the normal pictures back once and stops";
    click(w.main[1]);
    advance(10000);
    EXPECT_TRUE(allNormal(w));
    EXPECT_FALSE(padsEnabled(w));
    EXPECT_TRUE(sounds.played().empty());
    closeColor(w);
    EXPECT_TRUE(mainWindow().Enabled);
}

TEST_F(ColorGame, TheSpeedFileSetsThePlaybackIntervalAndTicksItsItem) {
    struct Case {
        const char* text;
        int interval;
        bool slow, medium, fast;
    };
    const Case cases[] = {
        {"SLOW", 800, true, false, false}, {"MED", 500, false, true, false}, {"FAST", 300, false, false, true},
        {"", 500, false, false, false},    {"fast", 500, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        colorgame& w = openColor(c.text);
        EXPECT_EQ(w.Timer1.Interval.get(), c.interval);
        EXPECT_EQ(w.slow.Checked.get(), c.slow);
        EXPECT_EQ(w.medium.Checked.get(), c.medium);
        EXPECT_EQ(w.fast.Checked.get(), c.fast);
        closeColor(w);
    }
    colorgame& w = openColor("");
    chooseMenu(w.fast);
    EXPECT_EQ(fileBytes("\\colorspeed.dat"), "FAST\r\n");
    EXPECT_EQ(w.Timer1.Interval.get(), 300);
    EXPECT_TRUE(w.fast.Checked);
    chooseMenu(w.slow);
    EXPECT_EQ(w.Timer1.Interval.get(), 800);
    EXPECT_TRUE(w.slow.Checked);
    EXPECT_FALSE(w.fast.Checked);
}

TEST_F(ColorGame, APlaybackTakesLevelPlusTwoTicksAtEachSpeed) {
    for (const auto& [speed, interval] : {std::pair("SLOW", 800), std::pair("MED", 500), std::pair("FAST", 300)}) {
        SCOPED_TRACE(speed);
        colorgame& w = openColor(speed);
        w.dealKnown({3, 1, 4});
        EXPECT_EQ(w.Label1.Caption.get(), "Score: 0");
        EXPECT_FALSE(padsEnabled(w));
        advance(1000 + interval - 1);
        EXPECT_EQ(litPad(w), 0);
        advance(1);
        EXPECT_EQ(litPad(w), 3) << "one second and one step after New Game";
        EXPECT_FALSE(padsEnabled(w));
        advance(interval - 1);
        EXPECT_FALSE(padsEnabled(w));
        advance(1);
        EXPECT_TRUE(padsEnabled(w)) << "level 0: two ticks";

        click(w.main[3]);
        EXPECT_EQ(w.Label1.Caption.get(), "Score: 1000");
        EXPECT_FALSE(padsEnabled(w));
        advance(1000 + interval);
        EXPECT_EQ(litPad(w), 3);
        advance(interval);
        EXPECT_EQ(litPad(w), 1);
        advance(interval - 1);
        EXPECT_FALSE(padsEnabled(w));
        advance(1);
        EXPECT_TRUE(padsEnabled(w)) << "level 1: three ticks";
        EXPECT_TRUE(allNormal(w));
        EXPECT_TRUE(sounds.played() == std::vector<std::string>{"waterdrop.wav"}) << "the playback is silent";
        sounds.clear();
        closeColor(w);
    }
}

TEST_F(ColorGame, EachLightingShowsItsFullTimeOrUntilJustBeforeTheNextStep) {
    colorgame& w = openColor("FAST");
    w.dealKnown({1, 2, 3});
    climb(w, {1, 2, 3}, 1);
    advance(1000 + 300);
    ASSERT_EQ(litPad(w), 1);
    advance(239);
    EXPECT_EQ(litPad(w), 1);
    advance(1);
    EXPECT_EQ(litPad(w), 0) << "dark a moment before the next step";
    advance(60);
    EXPECT_EQ(litPad(w), 2) << "the next step lights its pad";
    advance(239);
    EXPECT_EQ(litPad(w), 2) << "and it is not put out by the previous lighting's timer";
    advance(61);
    EXPECT_TRUE(padsEnabled(w));
    EXPECT_TRUE(allNormal(w));

    // A second click restarts the un-lighting: the pad clicked last shows its full 300 ms.
    click(w.main[1]);
    advance(200);
    click(w.main[2]);
    advance(299);
    EXPECT_TRUE(isLit(w, 2));
    advance(1);
    EXPECT_TRUE(allNormal(w));
}

TEST_F(ColorGame, APadPlayedTwiceInARowShowsTwiceAtEverySpeed) {
    for (const char* speed : {"FAST", "MED", "SLOW"}) {
        SCOPED_TRACE(speed);
        colorgame& w = openColor(speed);
        const std::vector<int> sequence{4, 4, 4, 2};
        w.dealKnown(sequence);
        climb(w, sequence, 3);
        EXPECT_EQ(watchPlayback(w), sequence);
        closeColor(w);
    }
}

TEST_F(ColorGame, AtMediumAndSlowAPadShowsItsFullThreeHundredMilliseconds) {
    for (const auto& [speed, interval] : {std::pair("MED", 500), std::pair("SLOW", 800)}) {
        SCOPED_TRACE(speed);
        colorgame& w = openColor(speed);
        w.dealKnown({3});
        advance(1000 + interval);
        ASSERT_EQ(litPad(w), 3);
        advance(299);
        EXPECT_EQ(litPad(w), 3);
        advance(1);
        EXPECT_EQ(litPad(w), 0);
        closeColor(w);
    }
}

TEST_F(ColorGame, ThePadsTakeNoClickFromTheStartOfEveryPause) {
    colorgame& w = openColor("MED");
    w.dealKnown({2, 2, 4, 1});
    climb(w, {2, 2, 4, 1}, 1);
    EXPECT_EQ(w.Label1.Caption.get(), "Score: 1000");
    EXPECT_FALSE(padsEnabled(w)) << "after a level rise";
    click(w.main[2]);  // the pad just added, were it clickable
    EXPECT_EQ(w.game.clicks, 0);
    EXPECT_EQ(sounds.played().size(), 1u);
    watchUntilTurn(w);
    click(w.main[2]);
    EXPECT_EQ(w.Label1.Caption.get(), "Score: 1000") << "one right click of two does not finish level 1";

    chooseMenu(w.newgame);
    EXPECT_FALSE(padsEnabled(w)) << "after New Game in the player's turn";
    EXPECT_EQ(w.game.clicks, 0);
    EXPECT_EQ(w.Label1.Caption.get(), "Score: 0");
    EXPECT_EQ(watchPlayback(w), std::vector<int>{2});
    click(w.main[2]);
    EXPECT_EQ(w.Label1.Caption.get(), "Score: 1000");

    boxes.expect("You Lost! Play again?", platform::vbYes);
    watchUntilTurn(w);
    click(w.main[3]);
    EXPECT_FALSE(padsEnabled(w)) << "after Yes";
    EXPECT_EQ(w.game.clicks, 0);
}

TEST_F(ColorGame, AWrongPadAsksAndOffersTheScoreWhateverTheAnswer) {
    for (int answer : {platform::vbYes, platform::vbNo}) {
        SCOPED_TRACE(answer == platform::vbYes ? "Yes" : "No");
        storeTable("color", {"Ann", "Bob", "Cy", "3000", "2000", "1000"});
        colorgame& w = openColor("FAST");
        w.dealKnown({4, 3, 2, 1});
        climb(w, {4, 3, 2, 1}, 2);
        watchUntilTurn(w);
        click(w.main[4]);
        boxes.expect("Keep Playing?", answer, [&] {
            EXPECT_EQ(storedTable("color")[5], "1000") << "asked before the table changes";
        });
        sounds.clear();
        click(w.main[1]);
        const auto& box = boxes.shown().back();
        EXPECT_EQ(box.prompt, "You Lost! Play again?");
        EXPECT_EQ(box.style, 68);
        EXPECT_EQ(sounds.played(), std::vector<std::string>{"squirt.wav"});
        EXPECT_EQ(storedTable("color"), (std::vector<std::string>{"Ann", "Bob", "Guest", "3000", "2000", "2000"}));
        if (answer == platform::vbYes) {
            EXPECT_EQ(w.Label1.Caption.get(), "Score: 0");
            EXPECT_EQ(watchPlayback(w), std::vector<int>{4}) << "a new game of one pad";
        } else {
            EXPECT_EQ(w.Label1.Caption.get(), "Score: 2000");
            advance(5000);
            EXPECT_FALSE(padsEnabled(w));
            EXPECT_FALSE(w.Timer1.Enabled);
            EXPECT_FALSE(w.Timer3.Enabled);
            chooseMenu(w.newgame);
            EXPECT_EQ(watchPlayback(w), std::vector<int>{4});
        }
        closeColor(w);
    }
}

TEST_F(ColorGame, TheTableTakesTheNameInTheMainWindowAndIsSavedAfterEveryLoss) {
    struct Case {
        const char* what;
        int levels;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"a wrong first click beats nothing", 0, {"Ann", "Bob", "Cy", "3000", "2000", "1000"}},
        {"an equal score goes below", 2, {"Ann", "Bob", "Alice", "3000", "2000", "2000"}},
        {"a new best moves the others down", 4, {"Alice", "Ann", "Bob", "4000", "3000", "2000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const char* raw[] = {"Ann", "Bob", "Cy", "3000", "2000", "1000"};
        for (int k = 0; k < 6; ++k)
            writeRaw(common::topthreefile("color", k < 3 ? "name" : "score", k % 3 + 1), raw[k]);
        colorgame& w = openColor("FAST");
        const std::vector<int> sequence = cycling(c.levels + 1);
        w.dealKnown(sequence);
        climb(w, sequence, c.levels);
        watchUntilTurn(w);
        mainWindow().Label1.Caption = "Alice";  // read when the score is recorded
        boxes.expect("You Lost! Play again?", platform::vbNo);
        click(w.main[sequence[0] % 4 + 1]);
        EXPECT_EQ(storedTable("color"), c.after);
        EXPECT_EQ(fileBytes("\\Data\\colorname1.dat"), c.after[0] + "\r\n") << "every file written again";
        EXPECT_EQ(w.scores()[0].name, c.after[0]);
        mainWindow().Label1.Caption = "Guest";
        closeColor(w);
    }
}

TEST_F(ColorGame, ScoresGoPastThirtyTwoThousand) {
    storeTable("color", {"Ann", "Bob", "Cy", "32767", "32000", "1000"});
    colorgame& w = openColor("FAST");
    const std::vector<int> sequence = cycling(40);
    w.dealKnown(sequence);
    climb(w, sequence, 33);
    EXPECT_EQ(w.Label1.Caption.get(), "Score: 33000");
    watchUntilTurn(w);
    boxes.expect("You Lost! Play again?", platform::vbNo);
    click(w.main[sequence[0] % 4 + 1]);
    EXPECT_EQ(storedTable("color"), (std::vector<std::string>{"Guest", "Ann", "Bob", "33000", "32767", "32000"}));
}

TEST_F(ColorGame, HighScoresLocksTheGameAndClosingItReloadsTheTable) {
    storeTable("color", {"Ann", "Bob", "Cy", "3000", "2000", "1000"});
    colorgame& w = openColor("SLOW");
    chooseMenu(w.newgame);
    chooseMenu(w.high);
    colorgamescores* scores = platform::loaded<colorgamescores>();
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(scores->Caption.get(), "High Scores");
    EXPECT_EQ(scores->Label3.Caption.get(), "1.) Ann");
    EXPECT_EQ(scores->Label5.Caption.get(), "3.) Cy");
    EXPECT_EQ(scores->firstscore.Caption.get(), "3000");
    EXPECT_EQ(scores->thirdscore.Caption.get(), "1000");
    EXPECT_LE(scores->thirdscore.Top + scores->thirdscore.Height, scores->ScaleHeight());
    EXPECT_FALSE(w.Enabled);
    // The playback goes on behind it.
    EXPECT_EQ(watchPlayback(w).size(), 1u);

    storeTable("color", {"Dee", "Bob", "Cy", "9000", "2000", "1000"});
    close(*scores);
    settle();
    EXPECT_TRUE(w.Enabled);
    EXPECT_EQ(platform::activeForm(), &w);
    EXPECT_EQ(w.scores()[0].name, "Dee") << "becoming active again reloads the table";
    chooseMenu(w.high);
    ASSERT_NE(platform::loaded<colorgamescores>(), nullptr);
    closeColor(w);
    EXPECT_EQ(platform::loaded<colorgamescores>(), nullptr);
}

TEST_F(ColorGame, ASpeedChosenDuringAPlaybackAppliesFromTheNextStep) {
    colorgame& w = openColor("SLOW");
    const std::vector<int> sequence{1, 2, 3, 4};
    w.dealKnown(sequence);
    climb(w, sequence, 2);
    advance(1000 + 800);
    ASSERT_EQ(litPad(w), 1);
    chooseMenu(w.fast);
    advance(299);
    EXPECT_NE(litPad(w), 2);
    advance(1);
    EXPECT_EQ(litPad(w), 2);
    advance(300);
    EXPECT_EQ(litPad(w), 3);
}

// Only a speed that differs touches the playback's step timer, so choosing the speed in force
// mid-step leaves the step on its rhythm.
TEST_F(ColorGame, TheSpeedInForceChosenAgainKeepsThePlaybackOnItsRhythm) {
    struct Case {
        const char* speed;
        int interval;
        platform::Menu colorgame::*item;
    };
    const Case cases[] = {{"SLOW", 800, &colorgame::slow}, {"MED", 500, &colorgame::medium}, {"FAST", 300, &colorgame::fast}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        colorgame& w = openColor(c.speed);
        w.dealKnown({2});
        advance(1000 + c.interval);
        ASSERT_EQ(litPad(w), 2);
        advance(c.interval / 2);
        chooseMenu(w.*c.item);
        advance(c.interval - c.interval / 2 - 1);
        EXPECT_FALSE(padsEnabled(w));
        advance(1);
        EXPECT_TRUE(padsEnabled(w)) << "the playback hands over one interval after its last pad";
        EXPECT_EQ(fileBytes("\\colorspeed.dat"), std::string(c.speed) + "\r\n");
        closeColor(w);
    }
}

TEST_F(ColorGame, SoundsFollowTheSwitch) {
    colorgame& w = openColor("FAST");
    w.dealKnown({1, 2, 3});
    watchUntilTurn(w);
    chooseMenu(w.off);
    EXPECT_EQ(fileBytes("\\Data\\colorsound.dat"), "NO\r\n");
    click(w.main[1]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(w.onsound);
    watchUntilTurn(w);
    click(w.main[1]);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"waterdrop.wav"});
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\colormem.html"});
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<colorgame>(), nullptr);
    EXPECT_TRUE(mainWindow().Enabled);
}

TEST_F(ColorGame, MenusStandInTheirDesignOrder) {
    colorgame& w = openColor();
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "View", "Game Speed", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.view), std::vector<std::string>{"High Scores"});
    EXPECT_EQ(gp::menuCaptions(w.gamespeed), (std::vector<std::string>{"Slow", "Medium", "Fast"}));
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

TEST_F(ColorGame, ThePadsFitEachScreen) {
    struct Case {
        int width, height;
        float factor;
        double font;
    };
    const Case cases[] = {{1024, 768, 1, 12}, {800, 600, 1, 10}, {640, 480, 0.78f, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        setScreen(c.width, c.height);
        colorgame& w = openColor();
        EXPECT_FLOAT_EQ(w.scale, c.factor);
        EXPECT_NEAR(w.Width, 6645 * c.factor, 0.5);
        EXPECT_DOUBLE_EQ(w.Label1.Font.Size, c.font);
        EXPECT_NEAR(w.main[4].Left, 3480 * c.factor, 0.01);
        for (const auto& [pad, image] : w.main) {
            EXPECT_TRUE(image->Stretch);
            EXPECT_LE(image->Top + image->Height, w.ScaleHeight()) << pad;
            EXPECT_LE(image->Left + image->Width, w.ScaleWidth()) << pad;
        }
        closeColor(w);
    }
}

TEST_F(ColorGame, AGameOfSeveralLevelsAsAPlayerSeesIt) {
    storeTable("color", {"Ann", "Bob", "Cy", "3000", "2000", "1000"});
    colorgame& w = openColor("SLOW");
    chooseMenu(w.newgame);
    std::vector<int> shown;
    for (int level = 0; level < 5; ++level) {
        shown = watchPlayback(w);
        ASSERT_EQ(shown.size(), static_cast<std::size_t>(level + 1)) << "level " << level;
        repeat(w, shown);
        EXPECT_EQ(w.Label1.Caption.get(), "Score: " + std::to_string((level + 1) * 1000));
    }
    shown = watchPlayback(w);
    ASSERT_EQ(shown.size(), 6u);
    repeat(w, std::vector<int>(shown.begin(), shown.begin() + 3));
    boxes.expect("You Lost! Play again?", platform::vbYes);
    click(w.main[shown[3] % 4 + 1]);
    EXPECT_EQ(storedTable("color")[3], "5000") << "5000 beats the best stored";
    EXPECT_EQ(watchPlayback(w).size(), 1u);
}

}  // namespace
