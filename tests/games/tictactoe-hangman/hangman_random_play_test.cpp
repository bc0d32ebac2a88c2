#include "hangman_fixture.h"

#include "games/tictactoe-hangman/hangman_rules.h"

#include "platform/files.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

using namespace hangmanrules;

namespace {

// Seeded runs of random gestures over the shipped word list, now and then damaged or cut to one
// entry behind the window's back: letters clicked whether or not they take the click, every menu
// item, the high scores opened and closed, the window closed and opened again, and every question
// answered either way. After each step the puzzle must agree with its counts, with the buttons
// clicked and with what its tiles and gallows show; the table keeps its order, its holders agree
// with its files, and it changes only where a score was offered.
class HangmanRandomPlay : public HangmanTest {
protected:
    gp::RandomPlay play;
    std::string shipped;  // the word list as the program folder holds it

    int pick(int n) { return play.pick(n); }

    hangman& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        return open<hangman>();
    }

    void step(hangman& w) {
        const int roll = pick(200);
        if (roll < 90) {
            // Mostly a letter of the answer, so that puzzles are solved as well as lost.
            const std::string& word = w.table.txtword;
            const char letter = word.empty() ? ' ' : word[static_cast<std::size_t>(pick(static_cast<int>(word.size())))];
            if (letter != ' ') click(w.Command1[letter - 'a' + 1]);
        } else if (roll < 150) {
            click(w.Command1[1 + pick(kLetters)]);
        } else if (roll < 166) {
            platform::Menu* items[] = {&w.startnewgame, &w.onsound, &w.off, &w.rules};
            chooseMenu(*items[pick(4)]);
        } else if (roll < 180) {
            chooseMenu(w.highs);
        } else if (roll < 193) {
            if (hangmanhighs* highs = platform::loaded<hangmanhighs>()) close(*highs);
        } else if (roll < 196) {
            platform::writeSetting("\\easywords.dat", shipped);
        } else if (roll < 199) {
            // No usable entry, or a single one among damaged ones.
            const char* lists[] = {"", "101***Ab***@@@Thing@@@!!!", "120***o o***@@@Place@@@!!!150***x***@@@Song@@@!!!",
                                   "175***a***@@@Thing@@@!!!"};
            platform::writeSetting("\\easywords.dat", lists[pick(4)]);
        } else {
            pick(2) ? chooseMenu(w.exit) : close(w);
        }
        settle();
    }

    // Per answer position: its letter once the user has clicked it or the puzzle is lost, a blank
    // always, "_" otherwise.
    static std::string expectedTiles(const HangmanTable& t, const std::string& buttons) {
        std::string shown;
        for (char c : t.txtword) {
            const bool clicked = c != ' ' && buttons[static_cast<std::size_t>(c - 'a')] == '-';
            shown += c == ' ' || clicked || t.wrongcount == kLostAt ? c : '_';
        }
        return shown;
    }

    void checkPuzzle(hangman& w) {
        const HangmanTable& t = w.table;
        hangmanhighs* highs = platform::loaded<hangmanhighs>();
        EXPECT_FALSE(platform::loaded<gp::mainstandin>()->Enabled) << "the main window is locked";
        EXPECT_EQ(w.Enabled.get(), highs == nullptr) << "the high scores lock the game while open";

        const std::string buttons = letters(w);
        if (t.txtword.empty()) {
            // No usable entry: nothing to guess until New Game finds one.
            EXPECT_EQ(buttons, "abcdefghijklmnopqrstuvwxyz");
            for (int i = 1; i <= kTiles; ++i) EXPECT_FALSE(w.space[i].Visible.get()) << "tile " << i;
            EXPECT_EQ(w.Label1.Caption.get(), "");
            EXPECT_NE(std::ranges::find(play.prompts(), "The word list easywords.dat is missing or damaged."),
                      play.prompts().end());
            return;
        }
        ASSERT_TRUE(usable({t.txtword, t.txtcat})) << '"' << t.txtword << '"';
        EXPECT_EQ(buttons.find('?'), std::string::npos) << buttons;
        EXPECT_EQ(tiles(w), expectedTiles(t, buttons));
        EXPECT_EQ(gallows(w), t.wrongcount);
        int found = 0, wrong = 0;
        for (int i = 0; i < kLetters; ++i) {
            if (buttons[static_cast<std::size_t>(i)] != '-') continue;
            const auto hits = std::ranges::count(t.txtword, static_cast<char>('a' + i));
            found += static_cast<int>(hits);
            wrong += hits == 0;
        }
        EXPECT_EQ(t.lettersfound, found) << "every place of each clicked letter, and nothing else, is found";
        EXPECT_EQ(t.wrongcount, 1 + wrong) << "each clicked letter not in the answer is one wrong guess";
        if (t.wrongcount < kLostAt) {
            EXPECT_GE(t.score, kLetterScore * t.lettersfound) << "a loss alone clears the score";
        }
        const int length = static_cast<int>(t.txtword.size());
        for (int i = 1; i <= kTiles; ++i) EXPECT_EQ(w.space[i].Visible.get(), i <= length) << "tile " << i;
        EXPECT_EQ(t.letterstofind, std::ranges::count_if(t.txtword, [](char c) { return c != ' '; }));
        EXPECT_LE(t.lettersfound, t.letterstofind);
        EXPECT_GE(t.wrongcount, 1);
        EXPECT_LE(t.wrongcount, kLostAt);
        EXPECT_EQ(t.score % kLetterScore, 0);
        EXPECT_GE(t.score, 0);
        EXPECT_EQ(w.Label2.Caption.get(), "Score: " + std::to_string(t.score));
        EXPECT_EQ(w.Label1.Caption.get(), categorycaption(t.txtcat));

        int open = 0;
        for (int i = 1; i <= kLetters; ++i) open += w.Command1[i].Enabled;
        const bool over = solved(t) || t.wrongcount == kLostAt;
        if (over) {
            EXPECT_EQ(open, 0) << "a finished puzzle takes no letter";
        } else {
            EXPECT_GT(open, 0) << "a puzzle in play waits for a letter";
        }

        const std::vector<std::string> six = storedtable();
        EXPECT_GE(std::stoi(six[1]), std::stoi(six[3]));
        EXPECT_GE(std::stoi(six[3]), std::stoi(six[5]));
    }

    // The table changes only where a score is offered: at the loss question, the score the puzzle
    // was lost with, and at No to the win question (the puzzle then stays solved), the score kept.
    // An offered score is in the table afterwards unless it beat none of the three.
    void checkOffer(const hangman& w, std::size_t promptsBefore, std::int32_t scoreBefore,
                    const std::vector<std::string>& tableBefore) {
        std::optional<std::int32_t> offered;
        for (std::size_t k = promptsBefore; k < play.prompts().size(); ++k) {
            if (play.prompts()[k] == "You Lost, Play Again?") offered = scoreBefore;
            if (play.prompts()[k] == "You Win, Keep Playing?" && solved(w.table) && !w.table.txtword.empty())
                offered = w.table.score;
        }
        const std::vector<std::string> six = storedtable();
        EXPECT_EQ(heldtable(w), six) << "the holders keep what the files hold";
        if (!offered) {
            EXPECT_EQ(six, tableBefore) << "no score was offered";
            return;
        }
        const std::string name = w.Label3.Caption.get();
        const std::string value = std::to_string(*offered);
        const bool entered = (six[0] == name && six[1] == value) || (six[2] == name && six[3] == value) ||
                             (six[4] == name && six[5] == value);
        EXPECT_TRUE(entered || *offered <= std::stoi(six[5])) << "offered " << *offered;
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        if (shipped.empty()) shipped = platform::readFile("\\easywords.dat");
        platform::writeSetting("\\easywords.dat", shipped);
        for (int n = 0; n < steps && !HasFailure(); ++n) {
            hangman* w = platform::loaded<hangman>();
            if (!w) {
                EXPECT_EQ(platform::loaded<hangmanhighs>(), nullptr) << "the high scores go with the game";
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                w = &openAgain();
            }
            SCOPED_TRACE("step " + std::to_string(n));
            const std::size_t promptsBefore = play.prompts().size();
            const std::int32_t scoreBefore = w->table.score;
            const std::vector<std::string> tableBefore = storedtable();
            step(*w);
            if (hangman* open = platform::loaded<hangman>()) {
                checkPuzzle(*open);
                checkOffer(*open, promptsBefore, scoreBefore, tableBefore);
            }
        }
    }
};

TEST_F(HangmanRandomPlay, ThePuzzleAlwaysAgreesWithItsCountsAndTheTableKeepsItsOrder) {
    for (std::uint32_t seed : {3u, 1234u, 77u}) run(seed, 1000);
    for (const char* prompt :
         {"You Win, Keep Playing?", "You Lost, Play Again?", "The word list easywords.dat is missing or damaged."})
        EXPECT_NE(std::ranges::find(play.prompts(), std::string(prompt)), play.prompts().end()) << prompt;
}

}  // namespace
