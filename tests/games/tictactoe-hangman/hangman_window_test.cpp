#include "hangman_fixture.h"

#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <set>

using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

constexpr const char* kWon = "You Win, Keep Playing?";
constexpr const char* kLost = "You Lost, Play Again?";
constexpr const char* kBadList = "The word list easywords.dat is missing or damaged.";

// The letter buttons after these guesses: the guessed ones used, the others upper case while the
// puzzle is in play and lower case once it is over.
std::string buttons(std::string_view guessed, bool inPlay = true) {
    std::string shown;
    for (char c = 'a'; c <= 'z'; ++c)
        shown += guessed.find(c) != std::string_view::npos ? '-' : inPlay ? static_cast<char>(std::toupper(c)) : c;
    return shown;
}

const std::vector<std::string> kLowTable{"Hazel", "3000", "Rufus", "2000", "Tilly", "1000"};

TEST_F(HangmanTest, OpensWithThePuzzleLaidOut) {
    hangman& w = openHangman("tea pot");
    EXPECT_EQ(w.Caption.get(), "Hangman");
    EXPECT_EQ(w.ScaleWidth(), 12000);
    EXPECT_EQ(w.ScaleHeight(), 6465);
    EXPECT_EQ(w.Label3.Caption.get(), "Guest");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 0");
    EXPECT_EQ(w.Label1.Caption.get(), "Category: Thing");
    EXPECT_EQ(tiles(w), "___ ___");
    EXPECT_EQ(gallows(w), 1);
    EXPECT_EQ(letters(w), buttons(""));
    EXPECT_EQ(w.table.letterstofind, 6);
    EXPECT_TRUE(w.onsound.Checked.get());
    EXPECT_FALSE(platform::loaded<gp::mainstandin>()->Enabled.get());
    EXPECT_EQ(heldtable(w), storedtable()) << "the table is loaded with the puzzle";
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(HangmanTest, MenusStandInTheirDesignOrder) {
    hangman& w = openHangman("tea pot");
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "View", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.view), std::vector<std::string>{"High Scores"});
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

TEST_F(HangmanTest, EachAnswerHasATilePerCharacterAndEachCategoryItsCaption) {
    const struct {
        const char* word;
        const char* category;
        const char* tiles;
    } puzzles[] = {
        {"a", "Place", "_"},
        {"fifteen letters", "Person", "_______ _______"},
        {"old king cole", "Title", "___ ____ ____"},
        {"kite", "Thing", "____"},
    };
    hangman& w = openHangman("bus stop", "Place");
    for (const auto& puzzle : puzzles) {
        SCOPED_TRACE(puzzle.word);
        nextanswer(puzzle.word, puzzle.category);
        chooseMenu(w.startnewgame);
        EXPECT_EQ(tiles(w), puzzle.tiles);
        EXPECT_EQ(w.Label1.Caption.get(), std::string("Category: ") + puzzle.category);
    }
}

TEST_F(HangmanTest, ALetterRevealsEveryPlaceItHoldsAtOnceForAThousandEach) {
    hangman& w = openHangman("banana split");
    guess(w, "a");
    EXPECT_EQ(tiles(w), "_a_a_a _____");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 3000");
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"}) << "one sound for the three";
    EXPECT_EQ(letters(w), buttons("a"));
    EXPECT_EQ(gallows(w), 1);

    guess(w, "a");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 3000") << "a used letter takes no click";
    EXPECT_EQ(sounds.played().size(), 1u);

    guess(w, "qn");
    EXPECT_EQ(tiles(w), "_anana _____");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 5000");
    EXPECT_EQ(gallows(w), 2) << "a miss costs no points but draws the gallows on";
    EXPECT_EQ(sounds.played(), (std::vector<std::string>{"flick.wav", "squirt.wav", "flick.wav"}));
}

// Whatever the answer, the score was offered first and is 0 afterwards.
TEST_F(HangmanTest, TheSixthWrongGuessRevealsTheAnswerAndAsksTheLossQuestion) {
    for (const int answer : {vbYes, vbNo}) {
        SCOPED_TRACE(answer == vbYes ? "Yes" : "No");
        storetable(kLowTable);
        hangman& w = openHangman("tea pot");
        const auto misses = [&] { return std::ranges::count(sounds.played(), "squirt.wav"); };
        const auto missedBefore = misses();
        guess(w, "t");
        const std::string wrong = "bcdfg";
        for (int k = 0; k < 5; ++k) {
            guess(w, wrong.substr(k, 1));
            EXPECT_EQ(gallows(w), k + 2);
        }
        EXPECT_EQ(tiles(w), "t__ __t");
        boxes.expect(kLost, answer);
        nextanswer("kite");
        guess(w, "h");
        boxes.verifyAllUsed();
        EXPECT_EQ(boxes.shown().back().title, "Play Again?");
        EXPECT_EQ(boxes.shown().back().style, platform::vbYesNo + platform::vbInformation);
        EXPECT_EQ(storedtable(), (std::vector<std::string>{"Hazel", "3000", "Rufus", "2000", "Guest", "2000"}))
            << "2000 enters below the stored 2000";
        EXPECT_EQ(w.Label2.Caption.get(), "Score: 0");
        EXPECT_EQ(w.table.score, 0);
        if (answer == vbYes) {
            EXPECT_EQ(tiles(w), "____");
            EXPECT_EQ(gallows(w), 1);
            EXPECT_EQ(letters(w), buttons(""));
        } else {
            EXPECT_EQ(tiles(w), "tea pot") << "the lost board stays, its gap included";
            EXPECT_EQ(gallows(w), 7);
            EXPECT_EQ(letters(w), buttons("tbcdfgh", false));
            guess(w, "e");
            EXPECT_EQ(w.Label2.Caption.get(), "Score: 0") << "the lost puzzle earns nothing more";
        }
        EXPECT_EQ(misses() - missedBefore, 6);
        chooseMenu(w.exit);
        settle();
    }
}

TEST_F(HangmanTest, YesToTheWinQuestionPlaysTheNextPuzzleWithTheScoreKeptAndNothingOffered) {
    storetable(kLowTable);
    hangman& w = openHangman("kite");
    guess(w, "zkit");
    boxes.expect(kWon, vbYes);
    nextanswer("tea pot");
    guess(w, "e");
    boxes.verifyAllUsed();
    EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
    EXPECT_EQ(boxes.shown().back().style, platform::vbYesNo + platform::vbInformation);
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 4000");
    EXPECT_EQ(tiles(w), "___ ___");
    EXPECT_EQ(gallows(w), 1);
    EXPECT_EQ(letters(w), buttons(""));
    EXPECT_EQ(storedtable(), kLowTable);
    guess(w, "t");
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 6000");
}

TEST_F(HangmanTest, NoToTheWinQuestionOffersTheScoreAndEndsThePuzzle) {
    storetable(kLowTable);
    hangman& w = openHangman("kite");
    guess(w, "kit");
    boxes.expect(kWon, vbNo);
    guess(w, "e");
    boxes.verifyAllUsed();
    EXPECT_EQ(storedtable(), (std::vector<std::string>{"Guest", "4000", "Hazel", "3000", "Rufus", "2000"}));
    EXPECT_EQ(heldtable(w), storedtable());
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 4000") << "the solved board and its score stay";
    EXPECT_EQ(tiles(w), "kite");
    // No letter can be guessed until the next puzzle: a miss would ask the win question again and
    // offer the same score twice.
    EXPECT_EQ(letters(w), buttons("kite", false));
    guess(w, "z");
    EXPECT_EQ(gallows(w), 1);
    EXPECT_EQ(boxes.shown().size(), 1u);

    chooseMenu(w.startnewgame);
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 0");
    EXPECT_EQ(letters(w), buttons(""));
}

TEST_F(HangmanTest, NewGameStartsAgainFromNoughtAndOffersNothing) {
    storetable({"Hazel", "0", "Rufus", "0", "Tilly", "0"});
    hangman& w = openHangman("banana");
    guess(w, "anq");
    ASSERT_EQ(w.Label2.Caption.get(), "Score: 5000");
    nextanswer("kite");
    chooseMenu(w.startnewgame);
    EXPECT_EQ(w.Label2.Caption.get(), "Score: 0");
    EXPECT_EQ(tiles(w), "____");
    EXPECT_EQ(gallows(w), 1);
    EXPECT_EQ(letters(w), buttons(""));
    EXPECT_EQ(storedtable(), (std::vector<std::string>{"Hazel", "0", "Rufus", "0", "Tilly", "0"}));
}

TEST_F(HangmanTest, WithoutAUsableWordListTheLettersWaitForNewGame) {
    const struct {
        const char* why;
        std::vector<HangmanTest::Entry> entries;  // none: no file at all
        bool file;
    } lists[] = {
        {"no file", {}, false},
        {"no entry in the range", {{100, "kite", "Thing"}, {176, "kite", "Thing"}}, true},
        {"answers that cannot be solved", {{101, "Kite", "Thing"}, {102, "sixteen letters!", "Thing"}}, true},
        {"no known category", {{150, "kite", "thing"}}, true},
    };
    for (const auto& list : lists) {
        SCOPED_TRACE(list.why);
        if (list.file)
            wordlist(list.entries);
        else
            std::filesystem::remove(programDir() / "easywords.dat");
        boxes.expect(kBadList, vbOK);
        hangman& w = openGame<hangman>();
        boxes.verifyAllUsed();
        EXPECT_EQ(boxes.shown().back().title, "Hangman");
        EXPECT_EQ(boxes.shown().back().style, platform::vbOKOnly + platform::vbInformation);
        EXPECT_EQ(tiles(w), "");
        EXPECT_EQ(w.Label1.Caption.get(), "");
        EXPECT_EQ(letters(w), buttons("", false));
        guess(w, "k");
        EXPECT_EQ(w.table.wrongcount, 1) << "nothing to guess at";

        nextanswer("kite");
        chooseMenu(w.startnewgame);
        EXPECT_EQ(tiles(w), "____");
        EXPECT_EQ(letters(w), buttons(""));
        chooseMenu(w.exit);
        settle();
    }
}

TEST_F(HangmanTest, ADamagedEntryGivesWayToTheNextUsableOne) {
    wordlist({{101, "kite", "Thing"}, {120, "Castle", "Place"}, {121, "castle", "Place"}, {175, "zoo", "Animal"}});
    hangman& w = openGame<hangman>();
    std::set<std::string> played;
    for (int k = 0; k < 40; ++k) {
        played.insert(w.table.txtword);
        chooseMenu(w.startnewgame);
    }
    EXPECT_EQ(played, (std::set<std::string>{"kite", "castle"}));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(HangmanTest, SoundFollowsTheSwitch) {
    hangman& w = openHangman("kite");
    chooseMenu(w.off);
    EXPECT_EQ(platform::readSetting("\\Data\\hangmansound.dat"), "NO");
    EXPECT_TRUE(w.off.Checked.get());
    guess(w, "kz");
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_EQ(tiles(w), "k___");
    chooseMenu(w.onsound);
    EXPECT_EQ(platform::readSetting("\\Data\\hangmansound.dat"), "YES");
    guess(w, "i");
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

TEST_F(HangmanTest, RulesAndExit) {
    hangman& w = openHangman("kite");
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\hangman.html"});
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<hangman>(), nullptr);
    EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled.get());
}

TEST_F(HangmanTest, SmallScreensShrinkTheWindowAndSetItsFonts) {
    const struct {
        int width, height;
        float scale;
        double categorySize, labelSize;
        double extraWidth, extraHeight;
    } screens[] = {
        {1024, 768, 1.0f, 18, 9.75, 0, 0},
        {800, 600, 0.95f, 16, 8, 0, 0},
        {640, 480, 0.78f, 16, 8, 1800, 200},
    };
    double designWidth = 0, designHeight = 0;
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.width);
        setScreen(screen.width, screen.height);
        hangman& w = openHangman("fifteen letters");
        if (screen.scale == 1.0f) designWidth = w.Width, designHeight = w.Height;
        EXPECT_EQ(w.scale, screen.scale);
        EXPECT_EQ(w.Label1.Font.Size.get(), screen.categorySize);
        EXPECT_EQ(w.Label2.Font.Size.get(), screen.labelSize);
        EXPECT_EQ(w.Label3.Font.Size.get(), screen.labelSize);
        // At 640 x 480 the extra width would take the window past the screen's edge: it stops there.
        const double width = screen.extraWidth > 0 ? screen.width * 15.0 : designWidth * double(screen.scale);
        EXPECT_DOUBLE_EQ(w.Width.get(), width);
        EXPECT_DOUBLE_EQ(w.Height.get(), designHeight * double(screen.scale) + screen.extraHeight);
        EXPECT_GE(w.ScaleWidth(), w.Line2.X1.get()) << "the play area's right border shows";
        EXPECT_DOUBLE_EQ(w.space[15].Left.get(), (600 + 480 * 14) * double(screen.scale));
        EXPECT_DOUBLE_EQ(w.Command1[26].Top.get(), 5520 * double(screen.scale));
        EXPECT_DOUBLE_EQ(w.Line4.Y1.get(), 4440 * double(screen.scale));
        EXPECT_EQ(tiles(w), "_______ _______");
        chooseMenu(w.exit);
        settle();
    }
}

}  // namespace
